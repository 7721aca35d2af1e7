#include "ui/windows/article_window.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "ui/boxes/twips.h"
#include "ui/windows/window_texts.h"

namespace vorna::ui {

namespace {

constexpr ScriptedText kArticleWindowTitle = {"Словарная статья", "Slovarnaja statja"};

}  // namespace

ArticleWindow::ArticleWindow(Script script, QWidget* parent)
    : QWidget(parent, Qt::Tool), article_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("article_window"));
    setWindowTitle(text_in(kArticleWindowTitle, script));
    article_->setObjectName(QStringLiteral("article_text"));
    article_->setReadOnly(true);
    article_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(article_);
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
        show();
    }
    raise();
}

QString ArticleWindow::text() const {
    return article_->toPlainText();
}

}  // namespace vorna::ui
