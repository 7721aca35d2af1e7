#include "ui/form1.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QShortcut>
#include <QStatusBar>
#include <QTextEdit>
#include <algorithm>
#include <map>

#include "core/text/message_table.h"
#include "ui/cyrillic_check.h"
#include "ui/desktop_services.h"
#include "ui/product_art.h"
#include "ui/session.h"
#include "ui/twips.h"
#include "ui/window_placement.h"
#include "ui/window_texts.h"

namespace vorna::ui {

namespace {

constexpr double kPanelWidth = 2000;

QTextEdit* make_box(QWidget* parent, const char* name, const ScriptedText& tool_tip) {
    auto* box = new QTextEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(QString::fromUtf8(tool_tip.cyrillic));
    box->setAcceptRichText(true);
    // Tab moves on to the other box, so the keyboard reaches both.
    box->setTabChangesFocus(true);
    return box;
}

QLabel* make_panel(QStatusBar* bar, const char* name, const char* text) {
    auto* panel = new QLabel(QString::fromUtf8(text), bar);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFixedWidth(twips_to_pixels(kPanelWidth));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    bar->addWidget(panel);
    return panel;
}

// A panel keeps its designed width unless the widest figure it will show in
// this script needs more; it never changes width during a run.
void widen_panel_for(QLabel& panel, const QString& widest_text) {
    const QString shown = panel.text();
    panel.setText(widest_text);
    panel.setFixedWidth(std::max(panel.minimumWidth(), panel.sizeHint().width()));
    panel.setText(shown);
}

}  // namespace

Form1::Form1(Session& session, DesktopServices& services)
    : session_(session),
      services_(services),
      translator_(session.store, session.messages, session.application_folder),
      rtf1_(nullptr),
      rtf2_(nullptr),
      panel1_(nullptr),
      panel2_(nullptr) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(kMainWindowTitle.cyrillic));
    setWindowIcon(product_icon());

    auto* client = new QWidget(this);
    setCentralWidget(client);
    rtf1_ = make_box(client, "RTF1", kSourceBoxToolTip);
    rtf2_ = make_box(client, "RTF2", kTranslationBoxToolTip);
    boxes_ = {9915, 2775, 9915, 3015, 2820};
    apply_box_geometry();

    auto* status_bar = new QStatusBar(this);
    status_bar->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(status_bar);
    panel1_ = make_panel(status_bar, "panel1", kProgressPanelStart);
    panel2_ = make_panel(status_bar, "panel2", kElapsedPanelStart);

    build_menus();
    // F10 opens the menu bar from the keyboard, as on most desktops: the
    // captions carry no access letters, so Alt alone reaches nothing.
    auto* menu_key = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menu_key, &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(menuBar()->actions().constFirst()); });
    setTabOrder(rtf1_, rtf2_);
    cd1_.font = rtf1_->font();

    // The client area, status bar included, is designed at 9960 x 6225 twips;
    // the menu bar comes on top of it.
    resize(twips_to_pixels(9960), twips_to_pixels(6225) + menuBar()->sizeHint().height());
}

Form1::~Form1() = default;

void Form1::build_menus() {
    for (std::size_t i = 0; i < kMenuItems.size(); ++i) {
        static const std::map<std::string, void (Form1::*)()> commands = {
            {"open_file", &Form1::open_file},
            {"save_translated", &Form1::save_translated},
            {"save_original", &Form1::save_original},
            {"Exit_point", &Form1::exit_point},
            {"tr1", &Form1::tr1},
            {"tr2", &Form1::tr2},
            {"Stat", &Form1::show_statistics},
            {"ee", &Form1::clear_source},
            {"ww", &Form1::clear_translation},
            {"rrr", &Form1::clear_both},
            {"ii", &Form1::choose_font},
            {"About", &Form1::show_about},
        };
        const auto command = commands.find(kMenuItems[i].name);
        add_menu_item(i, command == commands.end() ? nullptr : command->second);
    }
}

QAction* Form1::add_menu_item(std::size_t index, void (Form1::*command)()) {
    const MenuItemText& item = kMenuItems[index];
    const QString name = QString::fromLatin1(item.name);
    const QString caption = QString::fromUtf8(item.caption.cyrillic);
    const QString parent_name = QString::fromLatin1(item.parent);

    QAction* action = nullptr;
    if (command == nullptr) {
        // A menu that opens a submenu.
        QMenu* menu = menuBar()->addMenu(caption);
        menu->setObjectName(name + QStringLiteral("_menu"));
        action = menu->menuAction();
    } else {
        QWidget* owner = menuBar();
        if (!parent_name.isEmpty()) {
            owner = menuBar()->findChild<QMenu*>(parent_name + QStringLiteral("_menu"));
        }
        action = new QAction(caption, this);
        owner->addAction(action);
        connect(action, &QAction::triggered, this, command);
    }
    action->setObjectName(name);
    if (*item.shortcut != '\0') {
        action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
        action->setShortcutContext(Qt::WindowShortcut);
    }
    return action;
}

bool Form1::cyrillic_shown() const {
    return translator_.interface_mode == kModeRus;
}

void Form1::first_load() {
    show();
    centre_on_screen(*this);
    if (probe_cyrillic(*rtf1_, services_, objectName())) {
        translator_.interface_mode = kModeRus;
    } else {
        translator_.interface_mode = kModeCyr;
        services_.show_message(this, QString::fromUtf8(kTranslitWarning));
    }
    rtf1_->setPlainText(QString());
    if (translator_.interface_mode == kModeRus) {
        fill_main_messages(session_.messages, kModeRus);
    }
    if (translator_.interface_mode == kModeCyr) {
        apply_translit_texts();
        fill_main_messages(session_.messages, kModeCyr);
    }
    const auto slot = [this](int i) { return QString::fromStdString(session_.messages[i]); };
    const QString separator = QLocale::system().decimalPoint();
    widen_panel_for(*panel1_, slot(4) + QStringLiteral("99") + separator + QStringLiteral("99 %"));
    widen_panel_for(*panel2_,
                    slot(2) + QStringLiteral("999") + separator + QStringLiteral("99") + slot(3));
    rtf1_->setFocus();
}

void Form1::apply_translit_texts() {
    rtf1_->setToolTip(QString::fromUtf8(kSourceBoxToolTip.translit));
    rtf2_->setToolTip(QString::fromUtf8(kTranslationBoxToolTip.translit));
    setWindowTitle(QString::fromUtf8(kMainWindowTitle.translit));
    for (const MenuItemText& item : kMenuItems) {
        auto* action = findChild<QAction*>(QString::fromLatin1(item.name));
        if (action) {
            action->setText(QString::fromUtf8(item.caption.translit));
        }
    }
}

void Form1::lay_out(double outer_width, double outer_height) {
    boxes_ = lay_out_boxes(boxes_, outer_width, outer_height);
    apply_box_geometry();
}

void Form1::apply_box_geometry() {
    rtf1_->setGeometry(0, 0, twips_to_pixels(boxes_.width1), twips_to_pixels(boxes_.height1));
    rtf2_->setGeometry(0, twips_to_pixels(boxes_.top2), twips_to_pixels(boxes_.width2),
                       twips_to_pixels(boxes_.height2));
}

void Form1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    lay_out_for_frame();
}

void Form1::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    // The window manager frames the window after it is first shown, which
    // moves it but sends no resize; the rule reads the frame, so it runs again.
    if (frameGeometry().size() != laid_out_frame_) {
        lay_out_for_frame();
    }
}

void Form1::lay_out_for_frame() {
    // The rule is stated for the outer size: frame, title bar and menu bar.
    laid_out_frame_ = frameGeometry().size();
    lay_out(pixels_to_twips(laid_out_frame_.width()), pixels_to_twips(laid_out_frame_.height()));
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    exit_point();
}

}  // namespace vorna::ui
