#pragma once

#include <QTextDocument>
#include <functional>
#include <memory>
#include <string_view>

class QTextEdit;

namespace vorna::ui {

// Large content is built in a document that no box shows, so that neither
// layout nor painting runs while it grows and the event loop may turn between
// pieces, and is then given to the box in one step; the box lays it out a
// part at a time.

// An empty document with the box's settings (font, margins, wrapping, undo).
std::unique_ptr<QTextDocument> empty_document_like(const QTextEdit& box);

// Shows `document` in the box in place of the box's document, which is
// deleted.
void give_document_to_box(QTextEdit& box, std::unique_ptr<QTextDocument> document);

// Appends UTF-8 text whose lines end in CR LF as plain text with line feeds,
// unformatted, as a box's setPlainText() would; `between_pieces` is called
// after every piece of some kilobytes. Into a document a box shows, each
// piece is laid out as it comes, so no turn of the event loop waits long,
// however many lines the text has; the toolkit's own lazy layout takes ever
// longer steps over a document of a million lines. The appending stops, and
// false is returned, when `between_pieces` returns false or when something
// else changed the document meanwhile (a reader clearing the box).
bool append_plain_text(QTextDocument& document, std::string_view crlf_text,
                       const std::function<bool()>& between_pieces);

}  // namespace vorna::ui
