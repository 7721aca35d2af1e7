#include "core/text/text_encoding.h"

#include <algorithm>
#include <stdexcept>

#include "core/text/text_case.h"

namespace vorna {

namespace {

constexpr const char* kWindows1251 = "WINDOWS-1251";
constexpr const char* kUtf8 = "UTF-8";

// Both encodings are part of every iconv; a system without them cannot run us.
void require(const IconvConverter& converter, const char* from, const char* to) {
    if (!converter.valid())
        throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
}

}  // namespace

bool starts_with_byte_order_mark(std::string_view bytes) {
    return bytes.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark;
}

SourceEncoding detect_source_encoding(const std::string& bytes) {
    if (starts_with_byte_order_mark(bytes))
        return SourceEncoding::utf8;
    const bool has_multibyte = std::any_of(
        bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    return has_multibyte && is_valid_utf8(bytes) ? SourceEncoding::utf8
                                                 : SourceEncoding::windows_1251;
}

void ByteTexts::set(unsigned char byte, const std::string& utf8) {
    sizes[byte] = static_cast<uint8_t>(std::min<std::size_t>(utf8.size(), 3));
    std::copy_n(utf8.data(), sizes[byte], bytes[byte].data());
}

void ByteTexts::append_all(std::string_view source, std::string& out) const {
    const std::size_t start = out.size();
    out.resize(start + source.size() * 3);
    char* next = out.data() + start;
    for (const char c : source) {
        const auto byte = static_cast<unsigned char>(c);
        const std::array<char, 3>& text = bytes[byte];
        next[0] = text[0];
        next[1] = text[1];
        next[2] = text[2];
        next += sizes[byte];
    }
    out.resize(static_cast<std::size_t>(next - out.data()));
}

TextDecoder::TextDecoder(SourceEncoding encoding)
    : encoding_(encoding), utf8_converter_(kUtf8, kUtf8) {
    require(utf8_converter_, kUtf8, kUtf8);
    IconvConverter from_windows_1251(kUtf8, kWindows1251);
    require(from_windows_1251, kWindows1251, kUtf8);
    for (int value = 0; value < 256; ++value) {
        const char byte = static_cast<char>(value);
        std::string text;
        if (from_windows_1251.convert_prefix(std::string_view(&byte, 1), text) == 1) {
            byte_text_.set(static_cast<unsigned char>(value), text);
        } else {
            // The one byte the code page leaves undefined keeps its value as a code point.
            std::string own_value;
            append_code_point(own_value, static_cast<uint32_t>(value));
            byte_text_.set(static_cast<unsigned char>(value), own_value);
        }
    }
}

std::string TextDecoder::decode(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    if (encoding_ == SourceEncoding::windows_1251) {
        decode_windows_1251(bytes, out);
    } else {
        decode_utf8(bytes, out);
    }
    return out;
}

std::string TextDecoder::windows_1251_text(unsigned char byte) const {
    return std::string(byte_text_.bytes[byte].data(), byte_text_.sizes[byte]);
}

void TextDecoder::decode_windows_1251(std::string_view bytes, std::string& out) const {
    byte_text_.append_all(bytes, out);
}

void TextDecoder::decode_utf8(std::string_view bytes, std::string& out) {
    while (!bytes.empty()) {
        bytes.remove_prefix(utf8_converter_.convert_prefix(bytes, out));
        if (bytes.empty())
            break;
        // A byte that starts no valid sequence is read as Windows-1251.
        byte_text_.append_all(bytes.substr(0, 1), out);
        bytes.remove_prefix(1);
    }
}

std::optional<uint8_t> windows_1251_byte(uint32_t code_point) {
    if (code_point < 0x80)
        return static_cast<uint8_t>(code_point);
    std::string utf8;
    append_code_point(utf8, code_point);
    IconvConverter to_windows_1251(kWindows1251, kUtf8);
    std::string result;
    if (to_windows_1251.convert_prefix(utf8, result) != utf8.size() || result.size() != 1)
        return std::nullopt;
    return static_cast<uint8_t>(result[0]);
}

}  // namespace vorna
