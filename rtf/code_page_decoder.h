#pragma once

#include <QString>

#include <map>
#include <memory>

#include "core/text/iconv_converter.h"

namespace vorna::rtf {

// Decodes 8-bit text in a Windows code page (1251, 1252, 932, ...) through iconv.
// Converters are opened on first use and kept for the decoder's life, because an
// RTF document switches code pages with every font change.
class CodePageDecoder {
  public:
    CodePageDecoder() = default;
    CodePageDecoder(const CodePageDecoder&) = delete;
    CodePageDecoder& operator=(const CodePageDecoder&) = delete;

    // Bytes that are not valid in the code page become U+FFFD; an unknown code page
    // is read as Windows-1252.
    QString decode(int code_page, const char* bytes, qsizetype size);
    QString decode(int code_page, const QByteArray& bytes) {
        return decode(code_page, bytes.constData(), bytes.size());
    }

  private:
    IconvConverter* converter_for(int code_page);

    // By code page; null when iconv does not know the code page.
    std::map<int, std::unique_ptr<IconvConverter>> converters_;
};

// The Windows code page of an RTF \fcharset number; 0 when the charset does not
// name one (the document's own code page applies then).
int code_page_of_charset(int charset);

}  // namespace vorna::rtf
