#include "core/text/text_case.h"

namespace vorna {

namespace {

uint32_t lower_code_point(uint32_t c) {
    if (c >= 'A' && c <= 'Z')
        return c + 32;
    if (c >= 0x0410 && c <= 0x042F)
        return c + 0x20;  // А..Я
    if (c >= 0x0400 && c <= 0x040F)
        return c + 0x50;  // Ё, Ђ, Ѓ, Є ... Џ
    if (c == 0x0490)
        return 0x0491;  // Ґ
    return c;
}

uint32_t upper_code_point(uint32_t c) {
    if (c >= 'a' && c <= 'z')
        return c - 32;
    if (c >= 0x0430 && c <= 0x044F)
        return c - 0x20;  // а..я
    if (c == 0x0451)
        return 0x0401;  // ё
    return c;
}

bool is_continuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

}  // namespace

uint32_t next_code_point(std::string_view utf8, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(utf8[pos]);
    std::size_t length = 1;
    uint32_t code = lead;
    uint32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1Fu, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0Fu, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07u, minimum = 0x10000;
    }
    if (length == 1 || pos + length > utf8.size()) {
        ++pos;
        return lead;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(utf8[pos + i]);
        if (!is_continuation(byte)) {
            ++pos;
            return lead;
        }
        code = (code << 6) | (byte & 0x3Fu);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        ++pos;
        return lead;
    }
    pos += length;
    return code;
}

void append_code_point(std::string& out, uint32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string lower_headword(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t start = pos;
        const uint32_t c = next_code_point(utf8, pos);
        const uint32_t lower = lower_code_point(c);
        if (lower == c) {
            out.append(utf8, start, pos - start);  // keeps stray bytes untouched
        } else {
            append_code_point(out, lower);
        }
    }
    return out;
}

void raise_first_letter(std::string& utf8, std::size_t from) {
    if (from >= utf8.size())
        return;
    const auto first = static_cast<unsigned char>(utf8[from]);
    if (first >= 'a' && first <= 'z') {  // the common case, in place
        utf8[from] = static_cast<char>(first - 32);
        return;
    }
    std::size_t end = from;
    const uint32_t c = next_code_point(utf8, end);
    const uint32_t upper = upper_code_point(c);
    if (upper == c)
        return;
    std::string raised;
    append_code_point(raised, upper);
    utf8.replace(from, end - from, raised);
}

std::string with_lf_line_ends(std::string text) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            text[kept++] = text[i];
    }
    text.resize(kept);
    return text;
}

bool is_valid_utf8(const std::string& bytes) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t start = pos;
        const uint32_t c = next_code_point(bytes, pos);
        // A stray byte decodes as itself over one position; a real code point
        // of 0x80..0xFF always takes two bytes.
        if (c >= 0x80 && pos - start == 1)
            return false;
    }
    return true;
}

std::size_t count_code_points(std::string_view utf8) {
    std::size_t count = 0;
    for (const char byte : utf8)
        count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    return count;
}

}  // namespace vorna
