#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/text/text_case.h"

namespace qd_import {

// UTF-8 decoding and encoding are the core's.
using vorna::append_code_point;
using vorna::next_code_point;

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

// Whether `text` ends with `ending`, byte for byte.
bool ends_with(std::string_view text, std::string_view ending);

// Whether `word` is a-z only, and not empty.
bool only_small_letters(std::string_view word);

// Lower-cases A-Z only; headwords are English.
std::string ascii_lower(std::string_view text);

}  // namespace qd_import
