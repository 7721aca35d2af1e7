#include "ui/boxes/text_box.h"

#include <QMimeData>
#include <QPointer>
#include <QScopedValueRollback>
#include <QTextCursor>

#include "ui/boxes/box_document.h"
#include "ui/boxes/plain_text_layout.h"

namespace vorna::ui {

namespace {

// Formatted text is pasted whole, formatting and all, up to this length; the
// toolkit reads it in one step, which takes seconds past it.
constexpr qsizetype kLongestFormattedPaste = 1024 * 1024;

}  // namespace

bool TextBox::replaces_everything(const QTextCursor& caret) const {
    // Text typed at the caret would take its format; a plain box has none.
    const QTextDocument& document = *this->document();
    const bool everything =
        document.isEmpty() ||
        (caret.selectionStart() == 0 && caret.selectionEnd() == document.characterCount() - 1);
    return everything && caret.charFormat().properties().isEmpty() && has_one_format(document);
}

void TextBox::paste_whole(const QString& text) {
    const QPointer<QTextDocument> before = document();
    const int revision = before->revision();
    std::unique_ptr<QTextDocument> pasted = plain_text_document(*this, text);
    // Whatever the reader did meanwhile wins over the paste.
    if (before != document() || before->revision() != revision) {
        free_document(std::move(pasted));
        return;
    }
    use_plain_layout(*pasted);
    give_document_to_box(*this, std::move(pasted));
    moveCursor(QTextCursor::End);
    ensureCursorVisible();
}

void TextBox::insertFromMimeData(const QMimeData* source) {
    if (pasting_)
        return;  // a paste from inside a long paste
    if (source == nullptr || isReadOnly() || !source->hasText()) {
        QTextEdit::insertFromMimeData(source);
        return;
    }
    const QString text = source->text();
    const bool formatted = acceptRichText() && source->hasHtml();
    if (text.size() < (formatted ? kLongestFormattedPaste : kPlainLayoutFrom)) {
        QTextEdit::insertFromMimeData(source);
        return;
    }
    const QScopedValueRollback<bool> busy(pasting_, true);
    if (replaces_everything(textCursor())) {
        paste_whole(text);
        return;
    }
    // Before the cursor: the document outlives it, whatever a command does
    // to the box meanwhile.
    const DocumentsInUse pasting;
    QTextDocument* const document = this->document();
    if (has_one_format(*document))
        use_plain_layout(*document);
    QTextCursor cursor = textCursor();
    pacer_.reset();
    insert_plain_text(cursor, text, [this, document] {
        pacer_.process_pending_events();
        return this->document() == document;
    });
    if (cursor.document() == this->document()) {
        setTextCursor(cursor);
        ensureCursorVisible();
    }
}

}  // namespace vorna::ui
