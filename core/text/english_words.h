#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vorna {

// The characters English words are made of: A-Z, a-z, apostrophe and hyphen.
// Every other character separates words. In UTF-8 every byte of a multi-byte
// character is 0x80 or above, so the test serves bytes of text in any script.
constexpr bool is_word_character(char32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '\'' || c == '-';
}

// A-Z to a-z; every other byte stays as it is.
constexpr char ascii_lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string ascii_lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        c = ascii_lower(c);
    return lower;
}

// Calls visit(start, end) with the byte offsets of every maximal run of word
// characters in `text`, in order.
template <typename Visit>
void for_each_word(std::string_view text, Visit&& visit) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && !is_word_character(static_cast<unsigned char>(text[pos])))
            ++pos;
        const std::size_t start = pos;
        while (pos < text.size() && is_word_character(static_cast<unsigned char>(text[pos])))
            ++pos;
        if (pos > start)
            visit(start, pos);
    }
}

}  // namespace vorna
