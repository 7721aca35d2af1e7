#pragma once

#include <QTextDocument>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "core/io/status.h"

class QTextCursor;
class QTextEdit;

namespace vorna::ui {

// Large content is built in a document that no box shows, so that neither
// layout nor painting runs while it grows and the event loop may turn between
// pieces, and is then given to the box in one step; the box lays it out a
// part at a time.

// An empty document with the box's settings (font, margins, wrapping, undo).
std::unique_ptr<QTextDocument> empty_document_like(const QTextEdit& box);

// An empty document with the settings of `model`; on any thread, while
// nothing changes the model.
std::unique_ptr<QTextDocument> empty_document_like(const QTextDocument& model);

// Shows `document` in the box in place of the box's document, which is
// freed (see free_document).
void give_document_to_box(QTextEdit& box, std::unique_ptr<QTextDocument> document);

// Frees a document no box shows. Freeing a book's takes up to a second (every
// paragraph is a node of its own), so one of 64 K characters or more is
// freed by a thread of its own; one that a DocumentsInUse stretch may still
// hold is freed when the last stretch ends.
void free_document(std::unique_ptr<QTextDocument> document);

// A stretch in which this thread turns the event loop while it holds cursors
// or paragraphs of a box's document (a long paste, a run reading its text).
// A command run meanwhile may take the document from the box; the stretch
// sees that by comparing the box's document, and the document lives on
// until no stretch is left.
class DocumentsInUse {
  public:
    DocumentsInUse();
    ~DocumentsInUse();
    DocumentsInUse(const DocumentsInUse&) = delete;
    DocumentsInUse& operator=(const DocumentsInUse&) = delete;
};

// Appends UTF-8 text whose lines end in CR LF as plain text with line feeds,
// unformatted, as a box's setPlainText() would, a piece of some kilobytes at
// a time; `between_pieces` (when given) is called after every piece. The
// appending stops, and false is returned, when `between_pieces` returns
// false or when something else changed the document meanwhile.
bool append_plain_text(QTextDocument& document, std::string_view crlf_text,
                       const std::function<bool()>& between_pieces);

// Reads a file as "load a file" of a box does (see rtf::load_document_file)
// into a new document with the box's settings, on another thread while the
// event loop turns. A long text of one format gets the plain layout. A file
// that cannot be read gives its reason.
Status load_box_file(const QString& path, const QTextEdit& box,
                     std::unique_ptr<QTextDocument>& loaded);

// The box's text as a run reads it, in UTF-8: paragraphs and line breaks
// become line feeds; unlike toPlainText(), no-break spaces stay what they
// are. Read a piece at a time with `between_pieces` in between; when the
// text changes meanwhile, it is read again.
std::string text_for_run(const QTextEdit& box, const std::function<void()>& between_pieces);

// Inserts plain text at the cursor in place of its selection, a piece at a
// time, as append_plain_text does; nothing of it can be undone. Stops, and
// gives false, when `between_pieces` (when given) returns false (the box no
// longer shows the document) or the document changed meanwhile; the caller
// holds a DocumentsInUse around it and the cursor.
bool insert_plain_text(QTextCursor& cursor, const QString& text,
                       const std::function<bool()>& between_pieces);

// A document with the box's settings holding `text` as insert_plain_text
// puts it into an empty one, made on another thread while the event loop
// turns.
std::unique_ptr<QTextDocument> plain_text_document(const QTextEdit& box, const QString& text);

}  // namespace vorna::ui
