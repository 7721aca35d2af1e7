#include "rtf/document_files.h"

#include "core/io/atomic_write.h"
#include "core/io/file_bytes.h"
#include "core/text/text_case.h"
#include "core/text/text_encoding.h"
#include "rtf/code_page_decoder.h"
#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"

#include <QFile>

#include <cerrno>
#include <new>
#include <string>

namespace vorna::rtf {
namespace {

constexpr int kCyrillicCodePage = 1251;

}  // namespace

QString decode_plain_text(const std::string& bytes) {
    QString text;
    if (is_valid_utf8(bytes)) {
        std::string_view utf8 = bytes;
        if (starts_with_byte_order_mark(utf8))
            utf8.remove_prefix(kUtf8ByteOrderMark.size());
        text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    } else {
        text = CodePageDecoder().decode(kCyrillicCodePage, bytes.data(),
                                        static_cast<qsizetype>(bytes.size()));
    }
    // Files from Windows end their lines in CR LF, old Mac files in a bare CR.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar(u'\r'), QChar(u'\n'));
    return text;
}

Status load_document_file(const QString& path, QTextDocument& document,
                          const std::function<void()>& between_pieces) {
    // Only a regular file: a FIFO or a device would hold the windows until
    // something is written to it, or never end.
    const std::string name = QFile::encodeName(path).toStdString();
    std::string bytes;
    if (Status read = read_whole_file(name, bytes); !read)
        return read;
    const QByteArray content =
        QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    if (content.startsWith("{\\rtf")) {
        // A document cut short where memory ran out is no document loaded.
        if (Status read = read_rtf(content, document, between_pieces); !read)
            return Status::from_errno(read.error_number(), name);
        return {};
    }
    const bool undo_enabled = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    try {
        document.setPlainText(decode_plain_text(bytes));
    } catch (const std::bad_alloc&) {
        document.setUndoRedoEnabled(undo_enabled);
        return Status::from_errno(ENOMEM, name);
    }
    document.setUndoRedoEnabled(undo_enabled);
    return {};
}

Status save_document_as_rtf(const QTextDocument& document, const QString& path, FileCalls& calls) {
    const QByteArray rtf = write_rtf(document);
    return write_file_atomically(
        QFile::encodeName(path).toStdString(),
        std::string_view(rtf.constData(), static_cast<std::size_t>(rtf.size())), calls);
}

}  // namespace vorna::rtf
