#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorna {

// Folds A-Z and the capitals of the Windows-1251 Cyrillic page (А-Я, Ё and
// the rest) to their small letters. Everything else is left as it is.
std::string lower_headword(const std::string& utf8);

// Raises the character at byte offset `from` when it is a-z, а-я or ё; any
// other character (a capital, a digit, a bracket, another script) is left as
// it is.
void raise_first_letter(std::string& utf8, std::size_t from = 0);

// Number of characters: every byte that does not continue a UTF-8 sequence
// starts one. For valid UTF-8 this is the number of code points.
std::size_t count_code_points(std::string_view utf8);

// Decodes the code point starting at `pos` and advances `pos` past it. A byte
// that starts no valid sequence decodes as itself, so no input is lost.
uint32_t next_code_point(std::string_view utf8, std::size_t& pos);

// Every CR LF pair becomes a lone LF; a lone CR stays.
std::string with_lf_line_ends(std::string text);

// True when every byte belongs to a well-formed UTF-8 sequence.
bool is_valid_utf8(const std::string& bytes);

// Appends the UTF-8 form of a code point.
void append_code_point(std::string& out, uint32_t code_point);

}  // namespace vorna
