#pragma once

#include <iconv.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorna {

// The two encodings a dictionary file may come in.
enum class SourceEncoding { windows_1251, utf8 };

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

bool starts_with_byte_order_mark(std::string_view bytes);

// UTF-8 when the bytes start with a byte order mark, or are valid UTF-8 and
// hold at least one multi-byte sequence; Windows-1251 otherwise.
SourceEncoding detect_source_encoding(const std::string& bytes);

// Turns text of one source encoding into UTF-8 through iconv. A byte that the
// encoding cannot read is kept as the character of that byte value (for UTF-8
// input, its Windows-1251 reading), so nothing of the source is dropped and
// the result is always valid UTF-8.
class TextDecoder {
  public:
    explicit TextDecoder(SourceEncoding encoding);
    ~TextDecoder();
    TextDecoder(const TextDecoder&) = delete;
    TextDecoder& operator=(const TextDecoder&) = delete;

    std::string decode(std::string_view bytes);

  private:
    // Appends the reading of `bytes` by `converter`; returns how many bytes it
    // took before the first one it could not convert.
    static std::size_t convert(iconv_t converter, std::string_view bytes, std::string& out);
    void append_undecodable_byte(unsigned char byte, std::string& out);

    iconv_t converter_;       // from the source encoding to UTF-8
    iconv_t byte_converter_;  // from Windows-1251, for bytes that are not UTF-8
};

// The Windows-1251 byte of a code point, when the code page has one.
std::optional<uint8_t> windows_1251_byte(uint32_t code_point);

}  // namespace vorna
