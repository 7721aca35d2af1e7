#include "ui/boxes/text_box.h"

#include <QMimeData>
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
