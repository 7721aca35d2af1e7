#include "ui/popup/popup_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "ui/desktop/cyrillic_check.h"
#include "ui/popup/popup_placement.h"
#include "ui/popup/popup_texts.h"
#include "ui/windows/pronunciation.h"
#include "ui/windows/window_texts.h"

namespace vorna::ui {

namespace {

constexpr int kWidestText = 420;  // pixels; longer lines wrap

QLabel* make_label(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setMaximumWidth(kWidestText);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    return label;
}

QString plain(const QLabel& label) {
    if (label.isHidden() || label.text().isEmpty())
        return {};
    return label.textFormat() == Qt::RichText
               ? QTextDocumentFragment::fromHtml(label.text()).toPlainText()
               : label.text();
}

// A wrapping label takes the width its text needs on one line, up to the
// widest a popup allows, rather than the narrow width wrapping would choose.
void show_text_in(QLabel& label, const QString& text) {
    label.setText(text);
    label.setVisible(!text.isEmpty());
    QTextDocument document;
    document.setDefaultFont(label.font());
    if (label.textFormat() == Qt::RichText) {
        document.setHtml(text);
    } else {
        document.setPlainText(text);
    }
    const int natural = static_cast<int>(std::ceil(document.idealWidth()));
    label.setMinimumWidth(std::min(natural, kWidestText));
}

}  // namespace

PopupWindow::PopupWindow(DesktopServices& services)
    : QWidget(nullptr, Qt::Popup),
      heading_(make_label(this, "popup_translation")),
      form_(make_label(this, "popup_dictionary_form")),
      article_(make_label(this, "popup_article")),
      note_(make_label(this, "popup_note")),
      pronounce_button_(new QPushButton(this)),
      open_link_(make_label(this, "popup_open")),
      status_line_(new QStatusBar(this)),
      pronunciation_(new Pronunciation(this)) {
    setObjectName(QStringLiteral("vorna_popup"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    script_ =
        probe_cyrillic(*heading_, services, objectName()) ? Script::cyrillic : Script::translit;
    pronunciation_->set_script(script_);
    heading_->setTextFormat(Qt::RichText);
    QFont small = article_->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    article_->setFont(small);
    article_->setTextFormat(Qt::PlainText);
    form_->setTextFormat(Qt::PlainText);
    note_->setTextFormat(Qt::PlainText);
    note_->setFont(small);

    pronounce_button_->setObjectName(QStringLiteral("popup_pronounce"));
    pronounce_button_->setText(text_in(kPronounceText.caption, script_));
    pronounce_button_->setFocusPolicy(Qt::NoFocus);
    connect(pronounce_button_, &QPushButton::clicked, this,
            [this] { pronunciation_->say(content_.source, *status_line_); });
    // What stops the speech is said below the popup's texts, and only then.
    status_line_->setSizeGripEnabled(false);
    status_line_->hide();
    connect(status_line_, &QStatusBar::messageChanged, this, [this](const QString& message) {
        status_line_->setVisible(!message.isEmpty());
        adjustSize();
    });
    open_link_->setWordWrap(false);
    open_link_->setMaximumWidth(QWIDGETSIZE_MAX);
    open_link_->setTextFormat(Qt::RichText);
    open_link_->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    open_link_->setText(QStringLiteral("<a href=\"#\">") +
                        text_in(kOpenInMainWindow, script_).toHtmlEscaped() +
                        QStringLiteral("</a>"));
    connect(open_link_, &QLabel::linkActivated, this, [this] { open_in_main_window(); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(pronounce_button_);
    buttons->addStretch();
    buttons->addWidget(open_link_);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    for (QLabel* label : {heading_, form_, article_, note_})
        layout->addWidget(label);
    layout->addLayout(buttons);
    layout->addWidget(status_line_);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
}

PopupWindow::~PopupWindow() = default;

void PopupWindow::show_content(const PopupContent& content, const QString& note, QPoint pointer) {
    // A new popup takes the old one's place, as a window that comes anew.
    hide();
    content_ = content;
    const bool word = content.kind == PopupContent::Kind::word;
    QString heading;
    QString notes = note;
    const auto add_note = [&notes](const QString& line) {
        notes += (notes.isEmpty() ? QString() : QStringLiteral("\n")) + line;
    };
    switch (content.kind) {
        case PopupContent::Kind::nothing:
            heading = text_in(kNothingSelected, script_).toHtmlEscaped();
            break;
        case PopupContent::Kind::word:
            heading = QStringLiteral("<b>") + content.source.toHtmlEscaped() +
                      QStringLiteral("</b> — ") +
                      (content.found ? content.translation.toHtmlEscaped()
                                     : QStringLiteral("<i>") +
                                           text_in(kWordNotInDictionary, script_).toHtmlEscaped() +
                                           QStringLiteral("</i>"));
            break;
        case PopupContent::Kind::text:
            heading = content.marked_html;
            if (content.marked_html.contains(QStringLiteral("<u>")))
                add_note(text_in(kUnknownWordsMarked, script_));
            break;
    }
    if (content.cut)
        add_note(text_in(kTextWasCut, script_));
    show_text_in(*heading_, heading);
    show_text_in(*form_, content.dictionary_form.isEmpty()
                             ? QString()
                             : text_in(kFoundThroughForm, script_) + content.dictionary_form);
    show_text_in(*article_, content.article);
    show_text_in(*note_, notes);
    pronounce_button_->setVisible(word);
    open_link_->setVisible(content.kind != PopupContent::Kind::nothing);

    adjustSize();
    const QScreen* screen = QGuiApplication::screenAt(pointer);
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    move(popup_position(pointer, size(), screen->availableGeometry()));
    show();
    raise();
    activateWindow();
}

QString PopupWindow::shown_text() const {
    QStringList lines;
    for (const QLabel* label : {heading_, form_, article_, note_}) {
        const QString text = plain(*label);
        if (!text.isEmpty())
            lines << text;
    }
    return lines.join(u'\n');
}

void PopupWindow::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        if (!content_.translation.isEmpty())
            QGuiApplication::clipboard()->setText(content_.translation);
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        open_in_main_window();
        return;
    }
    QWidget::keyPressEvent(event);  // Esc closes a popup
}

void PopupWindow::open_in_main_window() {
    if (content_.kind == PopupContent::Kind::nothing)
        return;
    close();
    if (open_in_main_window_)
        open_in_main_window_(content_.source);
}

}  // namespace vorna::ui
