#include "rtf/document_files.h"

#include "core/io/atomic_write.h"
#include "core/io/file_bytes.h"
#include "rtf/code_page_decoder.h"
#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"

#include <QFile>
#include <QStringDecoder>

#include <string>

namespace vorna::rtf {
namespace {

constexpr int kCyrillicCodePage = 1251;

QString decode_plain_text(const QByteArray& bytes) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        text = CodePageDecoder().decode(kCyrillicCodePage, bytes);
    } else if (text.startsWith(QChar::ByteOrderMark)) {
        text.remove(0, 1);
    }
    // Files from Windows end their lines in CR LF, old Mac files in a bare CR.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar(u'\r'), QChar(u'\n'));
    return text;
}

}  // namespace

bool load_document_file(const QString& path, QTextDocument& document) {
    // Only a regular file: a FIFO or a device would hold the windows until
    // something is written to it, or never end.
    std::string bytes;
    if (!read_whole_file(QFile::encodeName(path).toStdString(), bytes).ok()) {
        return false;
    }
    const QByteArray content =
        QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    if (content.startsWith("{\\rtf")) {
        read_rtf(content, document);
    } else {
        const bool undo_enabled = document.isUndoRedoEnabled();
        document.setUndoRedoEnabled(false);
        document.setPlainText(decode_plain_text(content));
        document.setUndoRedoEnabled(undo_enabled);
    }
    return true;
}

bool save_document_as_rtf(const QTextDocument& document, const QString& path, FileCalls& calls) {
    const QByteArray rtf = write_rtf(document);
    return write_file_atomically(
               QFile::encodeName(path).toStdString(),
               std::string_view(rtf.constData(), static_cast<std::size_t>(rtf.size())), calls)
        .ok();
}

}  // namespace vorna::rtf
