#include "core/text_encoding.h"

#include <cerrno>
#include <stdexcept>

#include "core/text_case.h"

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

TextDecoder::TextDecoder(SourceEncoding encoding)
    : converter_(open_converter(kUtf8, encoding == SourceEncoding::utf8 ? kUtf8 : kWindows1251)),
      byte_converter_(open_converter(kUtf8, kWindows1251)) {}

TextDecoder::~TextDecoder() {
    iconv_close(converter_);
    iconv_close(byte_converter_);
}

std::size_t TextDecoder::convert(iconv_t converter, std::string_view bytes, std::string& out) {
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    // One source byte never needs more than three bytes of UTF-8 here.
    const std::size_t start = out.size();
    std::size_t out_left = bytes.size() * 3;
    out.resize(start + out_left);
    char* in = const_cast<char*>(bytes.data());  // iconv's interface is not const-correct
    std::size_t in_left = bytes.size();
    char* out_next = out.data() + start;
    iconv(converter, &in, &in_left, &out_next, &out_left);
    out.resize(out.size() - out_left);
    return bytes.size() - in_left;
}

void TextDecoder::append_undecodable_byte(unsigned char byte, std::string& out) {
    const char single = static_cast<char>(byte);
    if (convert(byte_converter_, std::string_view(&single, 1), out) == 1)
        return;
    // The one byte Windows-1251 leaves undefined keeps its value as a code point.
    append_code_point(out, byte);
}

std::string TextDecoder::decode(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    while (!bytes.empty()) {
        const std::size_t used = convert(converter_, bytes, out);
        if (used == bytes.size())
            break;
        append_undecodable_byte(static_cast<unsigned char>(bytes[used]), out);
        bytes.remove_prefix(used + 1);
    }
    return out;
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
