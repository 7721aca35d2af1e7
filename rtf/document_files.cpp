#include "rtf/document_files.h"

#include "rtf/code_page_decoder.h"
#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return false;
    }
    if (bytes.startsWith("{\\rtf")) {
        read_rtf(bytes, document);
    } else {
        const bool undo_enabled = document.isUndoRedoEnabled();
        document.setUndoRedoEnabled(false);
        document.setPlainText(decode_plain_text(bytes));
        document.setUndoRedoEnabled(undo_enabled);
    }
    return true;
}

bool save_document_as_rtf(const QTextDocument& document, const QString& path) {
    QSaveFile file(path);
    // Unbuffered, so that a write the disk refuses shows up here and not in a
    // flush whose failure the commit would not notice.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return false;
    }
    const QByteArray rtf = write_rtf(document);
    if (file.write(rtf) != rtf.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace vorna::rtf
