#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorna {

// What a word is, for every part of the program that cuts text into words or
// looks one up: the engine, the unknown-words list, the word at the caret,
// the coverage tool and the dictionary editor.
//
// A word is a maximal run of word characters: A-Z, a-z, the apostrophe and
// the hyphen. Pasted text writes the same letters and marks in other forms,
// which belong to the word as well and which the lookup reads as ASCII:
// - ’ (U+2019) and ʼ (U+02BC) between two letters are the apostrophe;
//   anywhere else, as a closing quotation mark, they separate words. ‘
//   (U+2018) always separates.
// - A soft hyphen (U+00AD) between two letters is read as nothing, a
//   non-breaking hyphen (U+2011) there as the hyphen.
// - The ligatures ﬀ ﬁ ﬂ ﬃ ﬄ ﬅ ﬆ are their letters.
// - The accented letters of Latin-1 (é, ï, ñ, ç ...) and æ, œ are letters;
//   a key that holds them is looked up as written, then without the marks.
// Text of ASCII characters only is cut and read exactly by the ASCII rule.

// The ASCII word characters.
constexpr bool is_word_character(char32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '\'' || c == '-';
}

constexpr bool is_ascii_letter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
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

// Byte offsets of a word in UTF-8 text: [start, end).
struct WordSpan {
    std::size_t start = 0;
    std::size_t end = 0;
};

namespace word_rule {

// The byte length of the letter outside ASCII that starts at `pos` (an
// accented Latin letter or a ligature), or 0.
std::size_t letter_length(std::string_view text, std::size_t pos);

// Where the word that reached a byte of 0x80 or above at `pos` ends.
std::size_t end_of_word(std::string_view text, std::size_t pos);

// What a byte is to the scan: one table load per byte of text, as the scan
// runs over every byte of a long text.
enum ByteClass : uint8_t { separator_byte, ascii_word_byte, high_byte };

constexpr std::array<uint8_t, 256> kByteClasses = [] {
    std::array<uint8_t, 256> classes{};
    for (std::size_t byte = 0; byte < classes.size(); ++byte) {
        classes[byte] = byte >= 0x80                                     ? high_byte
                        : is_word_character(static_cast<char32_t>(byte)) ? ascii_word_byte
                                                                         : separator_byte;
    }
    return classes;
}();

inline uint8_t byte_class(char byte) {
    return kByteClasses[static_cast<unsigned char>(byte)];
}

}  // namespace word_rule

// The first word at or after byte offset `pos`; false when there is none.
// Runs of ASCII are scanned byte by byte without decoding.
inline bool find_next_word(std::string_view text, std::size_t pos, WordSpan& span) {
    const std::size_t size = text.size();
    while (pos < size) {
        const uint8_t kind = word_rule::byte_class(text[pos]);
        if (kind == word_rule::ascii_word_byte)
            break;
        if (kind == word_rule::high_byte && word_rule::letter_length(text, pos) != 0)
            break;
        ++pos;
    }
    if (pos == size)
        return false;
    span.start = pos;
    while (pos < size && word_rule::byte_class(text[pos]) == word_rule::ascii_word_byte)
        ++pos;
    if (pos < size && word_rule::byte_class(text[pos]) == word_rule::high_byte)
        pos = word_rule::end_of_word(text, pos);
    span.end = pos;
    return true;
}

// Calls visit(start, end) with the byte offsets of every word of `text`, in order.
template <typename Visit>
void for_each_word(std::string_view text, Visit&& visit) {
    WordSpan span;
    std::size_t pos = 0;
    while (find_next_word(text, pos, span)) {
        visit(span.start, span.end);
        pos = span.end;
    }
}

// The word that holds byte offset `at` or touches it (a caret just before or
// just after the word); an empty span at `at` when there is none.
WordSpan word_at(std::string_view text, std::size_t at);

// The word with its other forms read as ASCII (’ as ', a ligature as its
// letters, no soft hyphen, U+2011 as -); capitals and accents stay. This is
// the spelling a correction or the speech is given.
std::string ascii_forms(std::string_view word);

// Writes the lookup key of `word` (a word as cut from the text) to `key`,
// which has room for word.size() bytes: the spelling of ascii_forms with A-Z
// and the accented capitals lowered. Returns the key's size, never more than
// the word's.
std::size_t write_lookup_key(std::string_view word, char* key);
std::string lookup_key(std::string_view word);

// A key without the marks of its letters: "café" -> "cafe", "æ" -> "ae".
// A key of ASCII characters comes back unchanged.
std::string without_marks(std::string_view key);

// True when a word with this key is looked up at all: at least two
// characters, at most one hyphen and at most one apostrophe. (A word that
// starts with an apostrophe or a hyphen passes here and is then left out by
// its prefix slot.)
bool passes_skip_rules(std::string_view key);

// True when the key can be looked up as it stands: it passes the skip rules
// and holds only a-z, apostrophes and hyphens. Dictionary forms must be such
// keys to count.
bool is_lookup_key(std::string_view key);

namespace word_rule {

// True when the word begins with an accented capital.
bool starts_with_accented_capital(std::string_view word);

}  // namespace word_rule

// True when the word begins with a capital: A-Z or an accented capital.
inline bool starts_with_capital(std::string_view word) {
    if (word.empty())
        return false;
    if (static_cast<unsigned char>(word[0]) < 0x80)
        return word[0] >= 'A' && word[0] <= 'Z';
    return word_rule::starts_with_accented_capital(word);
}

// True for a headword a lookup can find: Latin letters, apostrophes and
// hyphens, starting with a letter and holding at least two letters.
bool is_headword(std::string_view headword);

}  // namespace vorna
