#include "core/text/text_encoding.h"

#include <algorithm>
#include <cerrno>
#include <stdexcept>

#include "core/text/text_case.h"

namespace vorna {

namespace {

constexpr const char* kWindows1251 = "WINDOWS-1251";
constexpr const char* kUtf8 = "UTF-8";

iconv_t open_converter(const char* to, const char* from) {
    iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    }
    return converter;
}

}  // namespace

bool starts_with_byte_order_mark(std::string_view bytes) {
    return bytes.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark;
}

SourceEncoding detect_source_encoding(const std::string& bytes) {
    if (starts_with_byte_order_mark(bytes))
        return SourceEncoding::utf8;
    bool has_multibyte = false;
    for (std::size_t pos = 0; pos < bytes.size();) {
        if (static_cast<unsigned char>(bytes[pos]) < 0x80) {
            ++pos;
            continue;
        }
        const std::size_t start = pos;
        next_code_point(bytes, pos);
        // A byte of 0x80 or more that decodes alone starts no valid sequence.
        if (pos - start == 1)
            return SourceEncoding::windows_1251;
        has_multibyte = true;
    }
    return has_multibyte ? SourceEncoding::utf8 : SourceEncoding::windows_1251;
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
    : encoding_(encoding), utf8_converter_(open_converter(kUtf8, kUtf8)) {
    iconv_t from_windows_1251 = open_converter(kUtf8, kWindows1251);
    for (int value = 0; value < 256; ++value) {
        char byte = static_cast<char>(value);
        char* in = &byte;
        std::size_t in_left = 1;
        char text[8];
        char* out = text;
        std::size_t out_left = sizeof text;
        iconv(from_windows_1251, nullptr, nullptr, nullptr, nullptr);
        if (iconv(from_windows_1251, &in, &in_left, &out, &out_left) == 0 && in_left == 0) {
            byte_text_.set(static_cast<unsigned char>(value),
                           std::string(text, sizeof text - out_left));
        } else {
            // The one byte the code page leaves undefined keeps its value as a code point.
            std::string own_value;
            append_code_point(own_value, static_cast<uint32_t>(value));
            byte_text_.set(static_cast<unsigned char>(value), own_value);
        }
    }
    iconv_close(from_windows_1251);
}

TextDecoder::~TextDecoder() {
    iconv_close(utf8_converter_);
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
        iconv(utf8_converter_, nullptr, nullptr, nullptr, nullptr);
        const std::size_t start = out.size();
        std::size_t out_left = bytes.size();
        out.resize(start + out_left);
        char* in = const_cast<char*>(bytes.data());  // iconv's interface is not const-correct
        std::size_t in_left = bytes.size();
        char* out_next = out.data() + start;
        iconv(utf8_converter_, &in, &in_left, &out_next, &out_left);
        out.resize(out.size() - out_left);
        bytes.remove_prefix(bytes.size() - in_left);
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
    iconv_t converter = open_converter(kWindows1251, kUtf8);
    char* in = utf8.data();
    std::size_t in_left = utf8.size();
    char result = 0;
    char* out = &result;
    std::size_t out_left = 1;
    const std::size_t status = iconv(converter, &in, &in_left, &out, &out_left);
    iconv_close(converter);
    if (status == static_cast<std::size_t>(-1) || out_left != 0)
        return std::nullopt;
    return static_cast<uint8_t>(result);
}

}  // namespace vorna
