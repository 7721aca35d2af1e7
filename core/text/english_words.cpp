#include "core/text/english_words.h"

#include <algorithm>

#include "core/text/text_case.h"

namespace vorna {

namespace {

constexpr char32_t kRightQuote = 0x2019;
constexpr char32_t kModifierApostrophe = 0x02BC;
constexpr char32_t kSoftHyphen = 0x00AD;
constexpr char32_t kNonBreakingHyphen = 0x2011;
constexpr char32_t kFirstLigature = 0xFB00;  // ﬀ; ﬁ ﬂ ﬃ ﬄ ﬅ ﬆ follow
constexpr char32_t kLastLigature = 0xFB06;
constexpr char32_t kCapitalOe = 0x0152;
constexpr char32_t kSmallOe = 0x0153;
constexpr char32_t kCapitalYDiaeresis = 0x0178;

// The base letter of each code point U+00C0..U+00FF; '?' where there is
// none (Ð, ×, Þ, ß, ð, ÷, þ) or where it is two letters (Æ, æ).
constexpr std::string_view kLatin1Bases =
    "AAAAAA?CEEEEIIII?NOOOOO?OUUUUY??"
    "aaaaaa?ceeeeiiii?nooooo?ouuuuy?y";

constexpr std::string_view kLigatureLetters[] = {"ff", "fi", "fl", "ffi", "ffl", "st", "st"};

// The code point of a well-formed multi-byte sequence at `pos`, with its
// length; length 0 for anything else, which is never part of a word.
char32_t decode_at(std::string_view text, std::size_t pos, std::size_t& length) {
    std::size_t next = pos;
    const uint32_t c = next_code_point(text, next);
    length = next - pos;
    if (length < 2) {
        length = 0;
        return 0;
    }
    return c;
}

// The letters a code point stands for when they are all ASCII (a ligature),
// or the empty view with a null data pointer when it has no such reading.
std::string_view ligature_letters(char32_t c) {
    if (c >= kFirstLigature && c <= kLastLigature)
        return kLigatureLetters[c - kFirstLigature];
    return {};
}

// The ASCII reading of a character that joins letters: ’ ʼ U+00AD U+2011.
bool joiner_reading(char32_t c, std::string_view& reading) {
    switch (c) {
        case kRightQuote:
        case kModifierApostrophe:
            reading = "'";
            return true;
        case kSoftHyphen:
            reading = "";
            return true;
        case kNonBreakingHyphen:
            reading = "-";
            return true;
        default:
            return false;
    }
}

bool is_accented_letter(char32_t c) {
    if (c >= 0xC0 && c <= 0xFF)
        return kLatin1Bases[c - 0xC0] != '?' || c == 0xC6 || c == 0xE6;
    return c == kCapitalOe || c == kSmallOe || c == kCapitalYDiaeresis;
}

bool is_accented_capital(char32_t c) {
    return (c >= 0xC0 && c <= 0xDE && is_accented_letter(c)) || c == kCapitalOe ||
           c == kCapitalYDiaeresis;
}

char32_t lower_accented(char32_t c) {
    if (c == kCapitalOe)
        return kSmallOe;
    if (c == kCapitalYDiaeresis)
        return 0xFF;
    return is_accented_capital(c) ? c + 0x20 : c;
}

bool letter_at(std::string_view text, std::size_t pos) {
    return pos < text.size() &&
           (is_ascii_letter(text[pos]) || word_rule::letter_length(text, pos) != 0);
}

std::size_t joiner_length(std::string_view text, std::size_t pos) {
    std::size_t length = 0;
    std::string_view reading;
    return joiner_reading(decode_at(text, pos, length), reading) ? length : 0;
}

// Rewrites the word character by character: ASCII through `ascii`, the
// joiners and ligatures as their ASCII reading, an accented letter through
// `accented`.
template <typename Ascii, typename Accented>
void read_word(std::string_view word, std::string& out, Ascii ascii, Accented accented) {
    for (std::size_t pos = 0; pos < word.size();) {
        const char byte = word[pos];
        std::size_t length = 0;
        const char32_t c =
            static_cast<unsigned char>(byte) < 0x80 ? 0 : decode_at(word, pos, length);
        if (length == 0) {
            out += ascii(byte);
            ++pos;
            continue;
        }
        pos += length;
        std::string_view reading = ligature_letters(c);
        if (reading.data() != nullptr || joiner_reading(c, reading)) {
            out += reading;
        } else {
            accented(out, c);
        }
    }
}

}  // namespace

namespace word_rule {

std::size_t letter_length(std::string_view text, std::size_t pos) {
    std::size_t length = 0;
    const char32_t c = decode_at(text, pos, length);
    return length != 0 && (is_accented_letter(c) || ligature_letters(c).data() != nullptr) ? length
                                                                                           : 0;
}

std::size_t end_of_word(std::string_view text, std::size_t pos) {
    bool after_letter = pos > 0 && is_ascii_letter(text[pos - 1]);
    while (pos < text.size()) {
        const char byte = text[pos];
        if (static_cast<unsigned char>(byte) < 0x80) {
            if (!is_word_character(static_cast<char32_t>(byte)))
                break;
            after_letter = is_ascii_letter(byte);
            ++pos;
            continue;
        }
        if (const std::size_t length = letter_length(text, pos)) {
            pos += length;
            after_letter = true;
            continue;
        }
        const std::size_t length = joiner_length(text, pos);
        if (length == 0 || !after_letter || !letter_at(text, pos + length))
            break;
        pos += length;
        after_letter = false;
    }
    return pos;
}

}  // namespace word_rule

WordSpan word_at(std::string_view text, std::size_t at) {
    WordSpan span;
    std::size_t pos = 0;
    while (find_next_word(text, pos, span) && span.start <= at) {
        if (at <= span.end)
            return span;
        pos = span.end;
    }
    return {at, at};
}

std::string ascii_forms(std::string_view word) {
    std::string out;
    out.reserve(word.size());
    read_word(
        word, out, [](char c) { return c; },
        [](std::string& text, char32_t c) { append_code_point(text, c); });
    return out;
}

std::size_t write_lookup_key(std::string_view word, char* key) {
    std::string out;
    out.reserve(word.size());
    read_word(
        word, out, [](char c) { return ascii_lower(c); },
        [](std::string& text, char32_t c) { append_code_point(text, lower_accented(c)); });
    // Every reading is at most as long as what it reads.
    std::copy(out.begin(), out.end(), key);
    return out.size();
}

std::string lookup_key(std::string_view word) {
    std::string key(word.size(), '\0');
    key.resize(write_lookup_key(word, key.data()));
    return key;
}

std::string without_marks(std::string_view key) {
    std::string out;
    out.reserve(key.size());
    for (std::size_t pos = 0; pos < key.size();) {
        std::size_t length = 0;
        const char32_t c =
            static_cast<unsigned char>(key[pos]) < 0x80 ? 0 : decode_at(key, pos, length);
        if (length == 0 || !is_accented_letter(c)) {
            out.append(key, pos, std::max<std::size_t>(length, 1));
            pos += std::max<std::size_t>(length, 1);
            continue;
        }
        pos += length;
        if (c == 0xC6 || c == 0xE6 || c == kCapitalOe || c == kSmallOe) {
            const bool capital = c == 0xC6 || c == kCapitalOe;
            out += capital ? (c == 0xC6 ? "AE" : "OE") : (c == 0xE6 ? "ae" : "oe");
        } else {
            out += c == kCapitalYDiaeresis ? 'Y' : kLatin1Bases[c - 0xC0];
        }
    }
    return out;
}

bool passes_skip_rules(std::string_view key) {
    return count_code_points(key) >= 2 && std::count(key.begin(), key.end(), '-') < 2 &&
           std::count(key.begin(), key.end(), '\'') < 2;
}

bool is_lookup_key(std::string_view key) {
    return passes_skip_rules(key) && std::all_of(key.begin(), key.end(), [](char c) {
               return (c >= 'a' && c <= 'z') || c == '\'' || c == '-';
           });
}

bool word_rule::starts_with_accented_capital(std::string_view word) {
    std::size_t length = 0;
    return is_accented_capital(decode_at(word, 0, length));
}

bool is_headword(std::string_view headword) {
    std::size_t letters = 0;
    for (std::size_t i = 0; i < headword.size(); ++i) {
        const char c = headword[i];
        if (is_ascii_letter(c)) {
            ++letters;
        } else if (i == 0 || (c != '\'' && c != '-')) {
            return false;
        }
    }
    return letters >= 2;
}

}  // namespace vorna
