#include "ui/boxes/box_document.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QThread>
#include <algorithm>
#include <vector>

#include "core/io/file_bytes.h"
#include "core/text/text_case.h"
#include "rtf/document_files.h"
#include "rtf/long_word_wrap.h"
#include "rtf/rtf_reader.h"
#include "ui/boxes/box_font.h"
#include "ui/boxes/plain_text_layout.h"
#include "ui/desktop/off_thread.h"

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

// A piece of text read or pasted between two turns of the event loop.
constexpr qsizetype kPieceChars = 8 * 1024;
constexpr qint64 kReadPieceMs = 10;

void copy_settings(const QTextDocument& model, QTextDocument* document) {
    document->setDefaultFont(model.defaultFont());
    document->setDefaultTextOption(model.defaultTextOption());
    document->setDefaultStyleSheet(model.defaultStyleSheet());
    document->setDefaultCursorMoveStyle(model.defaultCursorMoveStyle());
    document->setDocumentMargin(model.documentMargin());
    document->setIndentWidth(model.indentWidth());
    document->setUseDesignMetrics(model.useDesignMetrics());
    document->setMaximumBlockCount(model.maximumBlockCount());
    document->setUndoRedoEnabled(model.isUndoRedoEnabled());
}

}  // namespace

std::unique_ptr<QTextDocument> empty_document_like(const QTextDocument& model) {
    auto document = std::make_unique<QTextDocument>();
    copy_settings(model, document.get());
    return document;
}

std::unique_ptr<QTextDocument> empty_document_like(const QTextEdit& box) {
    return empty_document_like(*box.document());
}

namespace {

int stretches_in_use = 0;
// Documents taken from a box during a DocumentsInUse stretch. Never freed
// at exit: the toolkit may be gone by then.
std::vector<QTextDocument*>& documents_held() {
    static auto* held = new std::vector<QTextDocument*>;
    return *held;
}

void free_on_own_thread(std::unique_ptr<QTextDocument> document) {
    // Nothing hears from it any more, and it is deleted where it then lives.
    document->disconnect();
    for (QObject* child : document->children())
        child->disconnect();
    auto* thread = new QThread;
    QTextDocument* const doomed = document.release();
    doomed->moveToThread(thread);
    QObject::connect(doomed, &QObject::destroyed, thread, &QThread::quit, Qt::DirectConnection);
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start(QThread::LowPriority);
    doomed->deleteLater();
}

}  // namespace

void free_document(std::unique_ptr<QTextDocument> document) {
    if (document == nullptr)
        return;
    if (stretches_in_use > 0) {
        documents_held().push_back(document.release());
        return;
    }
    if (document->characterCount() < kPlainLayoutFrom)
        return;  // freed here and now
    free_on_own_thread(std::move(document));
}

DocumentsInUse::DocumentsInUse() {
    ++stretches_in_use;
}

DocumentsInUse::~DocumentsInUse() {
    if (--stretches_in_use > 0)
        return;
    std::vector<QTextDocument*> held;
    held.swap(documents_held());
    for (QTextDocument* document : held)
        free_document(std::unique_ptr<QTextDocument>(document));
}

void give_document_to_box(QTextEdit& box, std::unique_ptr<QTextDocument> document) {
    // The box's document is its own child, or the child of the box's text
    // control when the box made it; either is freed here, the control being
    // kept from deleting it itself. One somebody else owns stays theirs.
    std::unique_ptr<QTextDocument> previous;
    QTextDocument* shown = box.document();
    if (shown != nullptr && shown->parent() != nullptr &&
        (shown->parent() == &box || shown->parent()->parent() == &box)) {
        shown->setParent(nullptr);
        previous.reset(shown);
    }
    document->setParent(&box);
    box.setDocument(document.release());
    free_document(std::move(previous));
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

Status load_box_file(const QString& path, const QTextEdit& box,
                     std::unique_ptr<QTextDocument>& loaded) {
    // The other thread reads only this copy of the box's settings.
    const std::unique_ptr<QTextDocument> model = empty_document_like(box);
    QThread* const here = QThread::currentThread();
    Status read;
    std::unique_ptr<QTextDocument> document;
    run_off_thread([&] {
        std::string bytes;
        read = read_whole_file(QFile::encodeName(path).toStdString(), bytes);
        if (!read.ok())
            return;
        document = std::make_unique<QTextDocument>();
        copy_settings(*model, document.get());
        document->setUndoRedoEnabled(false);
        if (bytes.compare(0, 5, "{\\rtf") == 0) {
            // A document cut short where memory ran out is no document loaded.
            if (const Status whole = rtf::read_rtf(
                    QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())),
                    *document);
                !whole.ok()) {
                read =
                    Status::from_errno(whole.error_number(), QFile::encodeName(path).toStdString());
                document.reset();
                return;
            }
            keep_rtf_formatting(*document);
        } else {
            document->setPlainText(rtf::decode_plain_text(bytes));
        }
        rtf::keep_long_words_on_one_line(*document);
        document->setUndoRedoEnabled(model->isUndoRedoEnabled());
        document->moveToThread(here);
    });
    if (!read.ok())
        return read;
    if (document->characterCount() >= kPlainLayoutFrom && has_one_format(*document))
        use_plain_layout(*document);
    loaded = std::move(document);
    return {};
}

std::string text_for_run(const QTextEdit& box, const std::function<void()>& between_pieces) {
    const DocumentsInUse reading;
    for (;;) {
        const QPointer<QTextDocument> document = box.document();
        bool changed = false;
        const QMetaObject::Connection watch = QObject::connect(
            document, &QTextDocument::contentsChange, [&changed] { changed = true; });
        std::string text;
        // At least a byte a character: a book's text then grows without
        // being copied while the event loop waits.
        text.reserve(static_cast<std::size_t>(document->characterCount()));
        QElapsedTimer piece;
        piece.start();
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            if (block != document->begin())
                text += '\n';
            QString line = block.text();
            // Line breaks inside a paragraph; frames and tables end
            // paragraphs of their own.
            line.replace(QChar::LineSeparator, u'\n');
            text += line.toStdString();
            if (piece.elapsed() >= kReadPieceMs) {
                between_pieces();
                if (changed || document == nullptr || document != box.document())
                    break;
                piece.restart();
            }
        }
        QObject::disconnect(watch);
        if (!changed && document != nullptr && document == box.document())
            return text;
    }
}

bool insert_plain_text(QTextCursor& cursor, const QString& text,
                       const std::function<bool()>& between_pieces) {
    QTextDocument& document = *cursor.document();
    // Pieces of a long text would each be a step to undo.
    const bool undo_enabled = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    cursor.removeSelectedText();
    bool whole = true;
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = std::min(text.size(), start + kPieceChars);
        if (end < text.size()) {
            const qsizetype line_feed = text.lastIndexOf(u'\n', end - 1);
            if (line_feed >= start + kPieceChars / 2)
                end = line_feed + 1;
            else if (text[end - 1].isHighSurrogate())
                --end;
        }
        cursor.insertText(text.mid(start, end - start));
        start = end;
        if (start < text.size()) {
            const int length = document.characterCount();
            if (between_pieces && (!between_pieces() || document.characterCount() != length)) {
                whole = false;
                break;
            }
        }
    }
    document.setUndoRedoEnabled(undo_enabled);
    return whole;
}

std::unique_ptr<QTextDocument> plain_text_document(const QTextEdit& box, const QString& text) {
    // The other thread reads only this copy of the box's settings.
    const std::unique_ptr<QTextDocument> model = empty_document_like(box);
    QThread* const here = QThread::currentThread();
    std::unique_ptr<QTextDocument> document;
    run_off_thread([&] {
        document = empty_document_like(*model);
        QTextCursor cursor(document.get());
        insert_plain_text(cursor, text, nullptr);
        document->moveToThread(here);
    });
    return document;
}

}  // namespace vorna::ui
