#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/text/iconv_converter.h"

namespace vorna {

// The two encodings a dictionary file may come in.
enum class SourceEncoding { windows_1251, utf8 };

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

bool starts_with_byte_order_mark(std::string_view bytes);

// UTF-8 when the bytes start with a byte order mark, or are valid UTF-8 and
// hold at least one multi-byte sequence; Windows-1251 otherwise.
SourceEncoding detect_source_encoding(const std::string& bytes);

// The UTF-8 text of each of the 256 byte values, at most three bytes each.
struct ByteTexts {
    std::array<std::array<char, 3>, 256> bytes{};
    std::array<uint8_t, 256> sizes{};

    void set(unsigned char byte, const std::string& utf8);
    // Appends the text of every byte of `source`.
    void append_all(std::string_view source, std::string& out) const;
};

// Turns text of one source encoding into UTF-8. A byte that the encoding
// cannot read is kept as the character of that byte value (for UTF-8 input,
// its Windows-1251 reading), so nothing of the source is dropped and the
// result is always valid UTF-8.
//
// iconv does every conversion. Windows-1251 maps byte by byte, so its 256
// answers are asked once and reused: a dictionary is decoded twice per load
// and asking iconv line by line would cost more than the rest of the load.
class TextDecoder {
  public:
    explicit TextDecoder(SourceEncoding encoding);
    TextDecoder(const TextDecoder&) = delete;
    TextDecoder& operator=(const TextDecoder&) = delete;

    SourceEncoding encoding() const { return encoding_; }
    std::string decode(std::string_view bytes);
    // UTF-8 of one Windows-1251 byte.
    std::string windows_1251_text(unsigned char byte) const;

  private:
    void decode_windows_1251(std::string_view bytes, std::string& out) const;
    void decode_utf8(std::string_view bytes, std::string& out);

    SourceEncoding encoding_;
    IconvConverter utf8_converter_;  // UTF-8 to UTF-8: iconv checks every sequence on the way
    ByteTexts byte_text_;
};

// The Windows-1251 byte of a code point, when the code page has one.
std::optional<uint8_t> windows_1251_byte(uint32_t code_point);

}  // namespace vorna
