#include "ui/boxes/box_document.h"

#include <QPointer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <algorithm>

#include "core/text/text_case.h"
#include "rtf/long_word_wrap.h"

namespace vorna::ui {

namespace {

// About the text a box lays out in a few tens of milliseconds.
constexpr std::size_t kPieceBytes = 8 * 1024;

bool continues_code_point(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The end of the piece that starts at `start`: after a line feed where one
// is near, otherwise at a character boundary outside a CR LF pair, so every
// piece converts and breaks into lines as the whole text would.
std::size_t piece_end(std::string_view text, std::size_t start) {
    if (text.size() - start <= kPieceBytes) {
        return text.size();
    }
    const std::size_t limit = start + kPieceBytes;
    const std::size_t line_feed = text.rfind('\n', limit - 1);
    if (line_feed != std::string_view::npos && line_feed >= start + kPieceBytes / 2) {
        return line_feed + 1;
    }
    std::size_t end = limit;
    while (end > start + 1 && (continues_code_point(text[end]) || text[end - 1] == '\r')) {
        --end;
    }
    return end;
}

QString with_line_feeds(std::string_view crlf_text) {
    const std::string text = with_lf_line_ends(std::string(crlf_text));
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

std::unique_ptr<QTextDocument> empty_document_like(const QTextEdit& box) {
    const QTextDocument& model = *box.document();
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(model.defaultFont());
    document->setDefaultTextOption(model.defaultTextOption());
    document->setDefaultStyleSheet(model.defaultStyleSheet());
    document->setDefaultCursorMoveStyle(model.defaultCursorMoveStyle());
    document->setDocumentMargin(model.documentMargin());
    document->setIndentWidth(model.indentWidth());
    document->setUseDesignMetrics(model.useDesignMetrics());
    document->setMaximumBlockCount(model.maximumBlockCount());
    document->setUndoRedoEnabled(model.isUndoRedoEnabled());
    return document;
}

void give_document_to_box(QTextEdit& box, std::unique_ptr<QTextDocument> document) {
    // The box deletes a document it made itself when it is given another;
    // one given to it earlier is its child and is deleted here.
    QPointer<QTextDocument> previous = box.document();
    document->setParent(&box);
    box.setDocument(document.release());
    if (previous != nullptr && previous->parent() == &box) {
        delete previous.data();
    }
}

bool append_plain_text(QTextDocument& document, std::string_view crlf_text,
                       const std::function<bool()>& between_pieces) {
    // Nothing to undo, as after setPlainText(): no undo steps are kept.
    const bool undo_enabled = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    int unchecked = cursor.block().position();  // paragraphs from here on are not checked yet
    bool whole = true;
    for (std::size_t start = 0; start < crlf_text.size();) {
        const std::size_t end = piece_end(crlf_text, start);
        cursor.insertText(with_line_feeds(crlf_text.substr(start, end - start)), QTextCharFormat());
        start = end;
        if (start < crlf_text.size()) {
            // The last paragraph may go on in the next piece: it is checked when whole.
            const int open_paragraph = cursor.block().position();
            if (open_paragraph > unchecked) {
                rtf::keep_long_words_on_one_line(document, unchecked, open_paragraph - 1);
                unchecked = open_paragraph;
            }
            const int length = document.characterCount();
            if (between_pieces && (!between_pieces() || document.characterCount() != length)) {
                whole = false;
                break;
            }
            cursor.movePosition(QTextCursor::End);
        }
    }
    if (whole)
        rtf::keep_long_words_on_one_line(document, unchecked);
    document.setUndoRedoEnabled(undo_enabled);
    return whole;
}

}  // namespace vorna::ui
