#include "ui/windows/article_window.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>

#include "ui/boxes/twips.h"
#include "ui/desktop/program_settings.h"
#include "ui/windows/window_texts.h"

namespace vorna::ui {

namespace {

constexpr ScriptedText kArticleWindowTitle = {"Словарная статья", "Slovarnaja statja"};
constexpr double kNarrowestTwips = 3600;  // narrower than this, an article is hard to read

}  // namespace

ArticleWindow::ArticleWindow(Script script, ProgramSettings& settings, QWidget& main_window)
    : QWidget(&main_window, Qt::Tool),
      settings_(settings),
      main_window_(main_window),
      article_(new QPlainTextEdit(this)),
      pronounce_button_(new QPushButton(text_in(kPronounceText.caption, script), this)),
      status_line_(new QStatusBar(this)) {
    setObjectName(QLatin1String(names::kArticleWindow));
    setWindowTitle(text_in(kArticleWindowTitle, script));
    article_->setObjectName(QLatin1String(names::kArticleText));
    article_->setReadOnly(true);
    article_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    pronounce_button_->setObjectName(QLatin1String(names::kPronounceHeadword));
    pronounce_button_->setEnabled(false);
    pronounce_button_->setFocusPolicy(Qt::TabFocus);  // a click leaves the focus where it was
    connect(pronounce_button_, &QPushButton::clicked, this, [this] {
        if (pronounce_ && !headword_.isEmpty())
            pronounce_(headword_, *status_line_);
    });
    status_line_->setObjectName(QLatin1String(names::kArticleStatus));
    status_line_->setSizeGripEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(article_);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(4, 0, 4, 4);
    buttons->addWidget(pronounce_button_);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addWidget(status_line_);
    resize(twips_to_pixels(6000), twips_to_pixels(5000));
}

void ArticleWindow::show_text(const QString& text) {
    QString shown = text;
    while (shown.endsWith(u'\n'))
        shown.chop(1);
    article_->setPlainText(shown);
    article_->moveCursor(QTextCursor::Start);
    if (!isVisible()) {
        setAttribute(Qt::WA_ShowWithoutActivating);
        if (!placed_)
            place();
        show();
    }
    raise();
}

void ArticleWindow::place() {
    placed_ = true;
    if (restoreGeometry(settings_.article_window_geometry()))
        return;
    const QScreen* screen =
        main_window_.screen() ? main_window_.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect room = screen->availableGeometry();
    const QRect main_frame = main_window_.frameGeometry();
    // The frame the window manager adds is not known before the first show;
    // the main window's stands for it.
    const QSize frame = main_frame.size() - main_window_.size();
    const int room_right = room.right() - main_frame.right() - frame.width();
    const int room_left = main_frame.left() - room.left() - frame.width();
    const int narrowest = twips_to_pixels(kNarrowestTwips);
    if (std::max(room_right, room_left) >= narrowest) {
        const bool on_right = room_right >= narrowest;
        resize(std::min(width(), on_right ? room_right : room_left), height());
        move(on_right ? main_frame.right() + 1 : main_frame.left() - width() - frame.width(),
             main_frame.top());
        return;
    }
    // Over the right of the upper box, so the translation stays in view.
    const auto* framed = qobject_cast<const QMainWindow*>(&main_window_);
    const QWidget& client =
        framed && framed->centralWidget() ? *framed->centralWidget() : main_window_;
    const int upper_height = std::max(client.height() / 2 - frame.height(), narrowest / 2);
    resize(std::min(width(), client.width() / 2), upper_height);
    const QPoint top_right = client.mapToGlobal(QPoint(client.width(), 0));
    move(top_right.x() - width() - frame.width(), top_right.y());
}

void ArticleWindow::remember_place() const {
    if (placed_)
        settings_.set_article_window_geometry(saveGeometry());
}

void ArticleWindow::keyPressEvent(QKeyEvent* event) {
    // As a dialog does; the article's text passes the key on to here.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ArticleWindow::hideEvent(QHideEvent* event) {
    remember_place();
    QWidget::hideEvent(event);
}

void ArticleWindow::moveEvent(QMoveEvent* event) {
    if (isVisible())
        remember_place();
    QWidget::moveEvent(event);
}

QString ArticleWindow::text() const {
    return article_->toPlainText();
}

void ArticleWindow::set_headword(const QString& word) {
    headword_ = word;
    pronounce_button_->setEnabled(!word.isEmpty());
}

}  // namespace vorna::ui
