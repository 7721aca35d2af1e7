#include "ui/windows/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QShortcut>
#include <QStatusBar>
#include <QTextEdit>
#include <algorithm>
#include <memory>

#include "core/engine/run_figures.h"
#include "ui/boxes/text_box.h"
#include "ui/boxes/twips.h"
#include "ui/desktop/cyrillic_check.h"
#include "ui/desktop/desktop_services.h"
#include "ui/desktop/product_art.h"
#include "ui/desktop/toolkit_translation.h"
#include "ui/desktop/window_placement.h"
#include "ui/windows/dictionary_watch.h"
#include "ui/windows/object_names.h"
#include "ui/windows/pronunciation.h"
#include "ui/windows/reading_aids.h"
#include "ui/windows/session.h"
#include "ui/windows/window_texts.h"

namespace vorna::ui {

namespace {

constexpr double kPanelWidth = 2000;

QTextEdit* make_box(QWidget* parent, const char* name, const ScriptedText& tool_tip) {
    auto* box = new TextBox(parent);
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

MainWindow::MainWindow(Session& session, DesktopServices& services)
    : session_(session),
      services_(services),
      engine_(session.store, session.dictionary_path()),
      frame_watch_(*this, [this] { lay_out_for_frame(); }),
      source_box_(nullptr),
      translation_box_(nullptr),
      progress_panel_(nullptr),
      elapsed_panel_(nullptr) {
    setObjectName(QLatin1String(names::kMainWindow));
    setWindowTitle(QString::fromUtf8(kMainWindowTitle.cyrillic));
    setWindowIcon(product_icon());

    auto* client = new QWidget(this);
    setCentralWidget(client);
    // The boxes fill the area between the menu bar and the status bar, which
    // also changes when the menu bar takes another line.
    client->installEventFilter(this);
    source_box_ = make_box(client, names::kSourceBox, kSourceBoxToolTip);
    translation_box_ = make_box(client, names::kTranslationBox, kTranslationBoxToolTip);
    boxes_ = {9915, 2775, 9915, 3015, 2820};
    apply_box_geometry();

    auto* status_bar = new QStatusBar(this);
    status_bar->setObjectName(QLatin1String(names::kStatusBar));
    setStatusBar(status_bar);
    progress_panel_ = make_panel(status_bar, names::kProgressPanel, kProgressPanelStart);
    elapsed_panel_ = make_panel(status_bar, names::kElapsedPanel, kElapsedPanelStart);

    // A reader's own dictionary lives elsewhere; the run's files stay here.
    engine_.set_work_folder(session.application_folder);
    reading_aids_ = new ReadingAids(*this, *source_box_, *translation_box_, session_, services_);
    pronunciation_ = new Pronunciation(this);
    reading_aids_->set_pronounce([this](const QString& word, QStatusBar& status_line) {
        pronunciation_->say(word, status_line);
    });
    create_menus();
    // The store is replaced only between commands: a run reads it line by
    // line, and a correction reloads it itself.
    dictionary_watch_ = new DictionaryWatch(
        session_, *status_bar,
        [this] {
            return !translation_command_running_ && !engine_.run_in_progress() &&
                   QApplication::activeModalWidget() == nullptr;
        },
        [this] { dictionary_reloaded(); }, this);
    // F10 opens the menu bar from the keyboard, as on most desktops: the
    // captions carry no access letters, so Alt alone reaches nothing.
    auto* menu_key = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menu_key, &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(menuBar()->actions().constFirst()); });
    setTabOrder(source_box_, translation_box_);
    file_dialog_.font = source_box_->font();

    // The window has no minimum size: the layout would otherwise ask the
    // window manager for one as wide as the fixed status panels.
    layout()->setSizeConstraint(QLayout::SetNoConstraint);
    // The client area, status bar included, is designed at 9960 x 6225 twips;
    // the menu bar comes on top of it.
    resize(twips_to_pixels(9960), twips_to_pixels(6225) + menuBar()->sizeHint().height());
}

MainWindow::~MainWindow() = default;

const RunWordMap& MainWindow::run_word_map() const {
    return reading_aids_->word_map();
}

void MainWindow::create_menus() {
    menu_.file = add_menu(kFileMenuText);
    menu_.open_file = add_item(menu_.file, kOpenFileText, &MainWindow::open_file);
    menu_.save_translated = add_item(menu_.file, kSaveTranslatedText, &MainWindow::save_translated);
    menu_.save_original = add_item(menu_.file, kSaveOriginalText, &MainWindow::save_original);
    menu_.exit = add_item(menu_.file, kExitText, &MainWindow::exit_program);
    menu_.translate = add_menu(kTranslateMenuText);
    menu_.translate_text =
        add_item(menu_.translate, kTranslateTextText, &MainWindow::translate_text);
    menu_.translate_word_list =
        add_item(menu_.translate, kTranslateWordListText, &MainWindow::translate_word_list);
    menu_.statistics = add_item(nullptr, kStatisticsText, &MainWindow::show_statistics);
    menu_.windows = add_menu(kWindowsMenuText);
    menu_.clear_source = add_item(menu_.windows, kClearSourceText, &MainWindow::clear_source);
    menu_.clear_translation =
        add_item(menu_.windows, kClearTranslationText, &MainWindow::clear_translation);
    menu_.clear_both = add_item(menu_.windows, kClearBothText, &MainWindow::clear_both);
    menu_.font = add_item(menu_.windows, kFontText, &MainWindow::choose_font);
    menu_.about = add_item(nullptr, kAboutText, &MainWindow::show_about);

    menu_.dictionary = add_menu(kDictionaryMenuText);
    menu_.edit_translation =
        add_item(menu_.dictionary, kEditTranslationText, &MainWindow::edit_translation);
    menu_.article = add_item(menu_.dictionary, kArticleText, &MainWindow::show_article);
    menu_.article->setShortcutContext(Qt::ApplicationShortcut);  // also from the article window
    menu_.dictionary_forms = add_item(menu_.dictionary, kDictionaryFormsText, nullptr);
    menu_.dictionary_forms->setCheckable(true);
    menu_.dictionary_forms->setChecked(reading_aids_->dictionary_forms_on());
    connect(menu_.dictionary_forms, &QAction::toggled, this,
            [this](bool on) { reading_aids_->set_dictionary_forms(on); });
    menu_.save_unknown_words =
        add_item(menu_.dictionary, kSaveUnknownText, &MainWindow::save_unknown_words);
    menu_.pronounce = add_item(menu_.dictionary, kPronounceText, &MainWindow::pronounce);
    box_menu_items_ = {menu_.edit_translation, menu_.article, menu_.pronounce};

    for (QTextEdit* box : {source_box_, translation_box_}) {
        box->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(box, &QWidget::customContextMenuRequested, this,
                [this, box](const QPoint& point) { show_box_menu(*box, point); });
    }
}

QMenu* MainWindow::add_menu(const MenuItemText& text) {
    QMenu* menu = menuBar()->addMenu(QString::fromUtf8(text.caption.cyrillic));
    menu->setObjectName(QLatin1String(text.name) + QLatin1String(names::kSubmenuSuffix));
    menu->menuAction()->setObjectName(QLatin1String(text.name));
    menu_texts_.emplace_back(menu->menuAction(), &text);
    return menu;
}

QAction* MainWindow::add_item(QMenu* menu, const MenuItemText& text,
                              void (MainWindow::*command)()) {
    auto* action = new QAction(QString::fromUtf8(text.caption.cyrillic), this);
    action->setObjectName(QLatin1String(text.name));
    if (*text.shortcut != '\0') {
        action->setShortcut(QKeySequence(QString::fromLatin1(text.shortcut)));
        action->setShortcutContext(Qt::WindowShortcut);
    }
    if (command != nullptr)
        connect(action, &QAction::triggered, this, command);
    if (menu != nullptr)
        menu->addAction(action);
    else
        menuBar()->addAction(action);
    menu_texts_.emplace_back(action, &text);
    return action;
}

void MainWindow::save_unknown_words() {
    reading_aids_->save_unknown_words(*statusBar());
}

void MainWindow::pronounce() {
    // The same key stops it again.
    if (pronunciation_->speaking())
        pronunciation_->stop();
    else
        pronunciation_->say(QString::fromStdString(word_for_correction()), *statusBar());
}

void MainWindow::show_article() {
    if (context_menu_box_ != nullptr) {
        const QPoint point =
            context_menu_box_->viewport()->mapFrom(context_menu_box_, context_menu_point_);
        reading_aids_->show_article_in(*context_menu_box_, &point);
        return;
    }
    // The box the keyboard was last in, even while the article window is active.
    const bool in_translation = focusWidget() == translation_box_;
    reading_aids_->show_article_in(in_translation ? *translation_box_ : *source_box_, nullptr);
}

void MainWindow::show_box_menu(QTextEdit& box, const QPoint& point) {
    std::unique_ptr<QMenu> menu(box.createStandardContextMenu(point));
    if (!box_menu_items_.empty()) {
        menu->addSeparator();
        for (QAction* action : box_menu_items_)
            menu->addAction(action);
    }
    context_menu_box_ = &box;
    context_menu_point_ = point;
    menu->exec(box.mapToGlobal(point));
    context_menu_box_ = nullptr;
}

void MainWindow::first_load() {
    show();
    // The window manager frames the window some time after this, perhaps
    // while a message box below waits; the boxes follow whenever it does.
    frame_watch_.start();
    centre_on_screen(*this);
    if (probe_cyrillic(*source_box_, services_, objectName())) {
        script_ = Script::cyrillic;
    } else {
        script_ = Script::translit;
        services_.show_message(this, QString::fromUtf8(kTranslitWarning));
    }
    source_box_->setPlainText(QString());
    install_toolkit_translation(script_, *this);
    if (script_ == Script::translit)
        apply_translit_texts();
    reading_aids_->set_script(script_);
    pronunciation_->set_script(script_);
    dictionary_watch_->set_script(script_);
    const std::string separator = QLocale::system().decimalPoint().toStdString();
    widen_panel_for(*progress_panel_,
                    QString::fromStdString(progress_panel_text(script_, 99.99, separator)));
    widen_panel_for(*elapsed_panel_,
                    QString::fromStdString(elapsed_panel_text(script_, 999.99, separator)));
    source_box_->setFocus();
}

void MainWindow::apply_translit_texts() {
    source_box_->setToolTip(QString::fromUtf8(kSourceBoxToolTip.translit));
    translation_box_->setToolTip(QString::fromUtf8(kTranslationBoxToolTip.translit));
    setWindowTitle(QString::fromUtf8(kMainWindowTitle.translit));
    for (const auto& [action, text] : menu_texts_)
        action->setText(QString::fromUtf8(text->caption.translit));
}

void MainWindow::lay_out(double outer_width, double outer_height) {
    const QSize client = centralWidget()->size();
    boxes_ = fit_boxes_to_client(boxes_, outer_width, outer_height, pixels_to_twips(client.width()),
                                 pixels_to_twips(client.height()));
    apply_box_geometry();
}

void MainWindow::apply_box_geometry() {
    source_box_->setGeometry(0, 0, twips_to_pixels(boxes_.width1), twips_to_pixels(boxes_.height1));
    translation_box_->setGeometry(0, twips_to_pixels(boxes_.top2), twips_to_pixels(boxes_.width2),
                                  twips_to_pixels(boxes_.height2));
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    lay_out_for_frame();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        lay_out_for_frame();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::lay_out_for_frame() {
    // The rule is stated for the outer size: frame, title bar and menu bar.
    const QSize outer = frame_watch_.outer_size();
    frame_watch_.acted_on(outer);
    lay_out(pixels_to_twips(outer.width()), pixels_to_twips(outer.height()));
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // Escape stops the speech. Not a shortcut: that would take the key from
    // the article window too, where it closes the window.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        pronunciation_->stop();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    exit_program();
}

}  // namespace vorna::ui
