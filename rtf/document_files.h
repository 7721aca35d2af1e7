#pragma once

#include <QString>
#include <QTextDocument>
#include <functional>

#include "core/io/file_calls.h"
#include "core/io/status.h"

namespace vorna::rtf {

// "Load a file" of a rich-text box: a file that starts with "{\rtf" is read as
// RTF, any other file as plain text (UTF-8 when it is valid UTF-8, otherwise
// Windows-1251). The whole content of `document` is replaced. A file that
// cannot be read or is not a regular file gives its reason and leaves the
// document untouched; one that memory runs out on gives ENOMEM, and the
// document then holds only part of it. `between_pieces` is handed to the RTF
// reader (see read_rtf).
Status load_document_file(const QString& path, QTextDocument& document,
                          const std::function<void()>& between_pieces = {});

// The text of a plain-text file as "load a file" reads it: UTF-8 when it is
// valid UTF-8 (without its byte order mark), otherwise Windows-1251; line
// ends CR LF and CR become line feeds.
QString decode_plain_text(const std::string& bytes);

// "Save as rich text": writes the document as RTF to a new file with a unique
// name beside `path`, with the permissions of the file it replaces, and
// renames it over `path`, so a failed save leaves any existing file as it
// was. A file that cannot be written gives its reason. The writes go through
// `calls`.
Status save_document_as_rtf(const QTextDocument& document, const QString& path,
                            FileCalls& calls = system_file_calls());

}  // namespace vorna::rtf
