#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qd_import {

// Decodes the code point at `pos` and advances `pos` past it. A byte that
// starts no valid sequence decodes as itself.
uint32_t next_code_point(std::string_view text, std::size_t& pos);

void append_code_point(std::string& out, uint32_t code_point);

// а-я, ё and their capitals: the letters the translations are written in.
inline bool is_cyrillic_letter(uint32_t c) {
    return (c >= 0x0410 && c <= 0x044F) || c == 0x0401 || c == 0x0451;
}

inline bool is_latin_letter(uint32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

inline bool is_ascii_digit(uint32_t c) {
    return c >= '0' && c <= '9';
}

bool contains_cyrillic(std::string_view text);

std::string trim(std::string_view text);

// Lower-cases A-Z only; headwords are English.
std::string ascii_lower(std::string_view text);

}  // namespace qd_import
