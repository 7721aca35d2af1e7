#include "sense_text.h"

#include <array>
#include <vector>

#include "utf8_text.h"

namespace qd_import {
namespace {

// Drops everything in (), [] and {} (nested) and every "_label." token.
std::string without_brackets_and_labels(const std::string& text) {
    std::string out;
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '(' || c == '[' || c == '{') {
            ++depth;
            continue;
        }
        if ((c == ')' || c == ']' || c == '}') && depth > 0) {
            --depth;
            out += ' ';
            continue;
        }
        if (depth > 0) {
            continue;
        }
        if (c == '_') {
            while (i < text.size() && text[i] != ' ' && text[i] != '.') {
                ++i;
            }
            continue;  // the dot or blank that ends the label goes too
        }
        out += c;
    }
    return out;
}

// Words that open a description of use ("указывает на ...", "употр. перед
// ...") rather than a translation.
bool is_description(const std::string& candidate) {
    static const std::array<const char*, 36> kOpenings = {
        "напр",           "противопол",   "указыва",      "употр",     "служ",
        "выража",         "передаёт",     "передает",     "частица",   "вспомогательн",
        "модальн",        "соединительн", "противительн", "присоедин", "в сложных",
        "форма",          "прошедшее",    "настоящее",    "будущее",   "причастие",
        "ставится",       "обозначает",   "образует",     "означает",  "усилительн",
        "вводит",         "эмфатическ",   "буква",        "название",  "сокр",
        "неопределённ",   "определённ",   "союз",         "предлог",   "местоимение",
        "долженствование"};
    for (const char* opening : kOpenings) {
        if (candidate.rfind(opening, 0) == 0) {
            return true;
        }
    }
    return false;
}

std::size_t word_count(const std::string& text) {
    std::size_t words = 0;
    bool in_word = false;
    for (const char c : text) {
        const bool blank = c == ' ';
        if (!blank && !in_word) {
            ++words;
        }
        in_word = !blank;
    }
    return words;
}

// Cuts a "; "-piece at its first Latin letter, digit or reference sign: what
// follows is an example or a pointer, not the translation.
std::string russian_head(const std::string& piece) {
    std::string out;
    for (std::size_t pos = 0; pos < piece.size();) {
        const std::size_t start = pos;
        const uint32_t c = next_code_point(piece, pos);
        if (is_latin_letter(c) || is_ascii_digit(c) || c == '=' || c == ':') {
            break;
        }
        if (c == '"') {
            continue;  // quotes around a term add nothing to a short translation
        }
        out.append(piece, start, pos - start);
    }
    return out;
}

std::string tidy(std::string text) {
    // Collapse blanks and strip the punctuation a cut leaves behind.
    std::string out;
    for (const char c : text) {
        if (c == ' ' && (out.empty() || out.back() == ' ')) {
            continue;
        }
        out += c;
    }
    while (!out.empty() && (out.back() == ' ' || out.back() == ',' || out.back() == '-' ||
                            out.back() == '.' || out.back() == '!' || out.back() == '?')) {
        out.pop_back();
    }
    std::size_t begin = 0;
    while (begin < out.size() && (out[begin] == ' ' || out[begin] == ',' || out[begin] == '-')) {
        ++begin;
    }
    return out.substr(begin);
}

// "_p. и _p-p. от say": a piece whose Russian ends in a pointer to an
// English word is a reference, not a translation.
bool ends_in_pointer(const std::string& head) {
    static const std::array<const char*, 4> kPointers = {"от", "см", "ср", "тж"};
    const std::size_t blank = head.rfind(' ');
    const std::string last = blank == std::string::npos ? head : head.substr(blank + 1);
    for (const char* pointer : kPointers) {
        if (last == pointer) {
            return true;
        }
    }
    return false;
}

// "как сущ. каждый": the note on how the word is used goes, the translation stays.
std::string without_use_note(const std::string& piece) {
    static const std::array<const char*, 3> kNotes = {"как сущ.", "как прил.", "как нареч."};
    for (const char* note : kNotes) {
        if (piece.rfind(note, 0) == 0) {
            return piece.substr(std::string(note).size());
        }
    }
    return piece;
}

bool only_russian_words(const std::string& text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const uint32_t c = next_code_point(text, pos);
        if (!is_cyrillic_letter(c) && c != ' ' && c != '-' && c != '.' && c != '\'') {
            return false;
        }
    }
    return contains_cyrillic(text);
}

// "predic, испуганный": the note that an adjective is used only after a verb.
std::string without_latin_note(const std::string& piece) {
    for (const char* note : {"predic,", "predic.", "predic"}) {
        if (piece.rfind(note, 0) == 0) {
            return trim(piece.substr(std::string(note).size()));
        }
    }
    return piece;
}

// "преим. больной": a leading abbreviated note ("mostly", "usually") goes.
std::string without_leading_abbreviations(std::string text) {
    for (;;) {
        const std::size_t blank = text.find(' ');
        if (blank == std::string::npos || blank == 0 || text[blank - 1] != '.') {
            return text;
        }
        text.erase(0, blank + 1);
    }
}

// A reader can use a word or a phrase, not an abbreviation ("что-л.",
// "отриц. форма гл") nor a single letter left over from a cut.
bool is_usable_translation(const std::string& text) {
    // "чего-л" is "чего-либо" cut short, its dot already gone with the punctuation.
    const std::size_t cut = text.find("-л");
    if (text.find('.') != std::string::npos ||
        (cut != std::string::npos && (cut + 3 == text.size() || text[cut + 3] == ' '))) {
        return false;
    }
    std::size_t pos = 0;
    next_code_point(text, pos);
    return pos < text.size();
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t begin = 0;
    for (;;) {
        const std::size_t end = text.find(separator, begin);
        parts.push_back(text.substr(begin, end == std::string::npos ? end : end - begin));
        if (end == std::string::npos) {
            return parts;
        }
        begin = end + 1;
    }
}

// Reads an English headword that a reference names: letters, apostrophes,
// hyphens and inner dots.
std::string read_english_word(const std::string& text, std::size_t& pos) {
    const std::size_t begin = pos;
    while (pos < text.size() && (is_latin_letter(static_cast<unsigned char>(text[pos])) ||
                                 text[pos] == '\'' || text[pos] == '-' ||
                                 (text[pos] == '.' && pos + 1 < text.size() &&
                                  is_latin_letter(static_cast<unsigned char>(text[pos + 1]))))) {
        ++pos;
    }
    return ascii_lower(text.substr(begin, pos - begin));
}

void skip_blanks(const std::string& text, std::size_t& pos) {
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
}

// After the target: an optional homograph numeral ("II") and group number ("1").
void read_sense_hint(const std::string& text, std::size_t pos, Reference& reference) {
    skip_blanks(text, pos);
    std::size_t end = pos;
    while (end < text.size() && (text[end] == 'I' || text[end] == 'V' || text[end] == 'X')) {
        ++end;
    }
    if (end > pos && (end == text.size() || text[end] == ' ' || text[end] == ',')) {
        const std::string numeral = text.substr(pos, end - pos);
        static const std::array<const char*, 6> kNumerals = {"I", "II", "III", "IV", "V", "VI"};
        for (std::size_t i = 0; i < kNumerals.size(); ++i) {
            if (numeral == kNumerals[i]) {
                reference.homograph = static_cast<int>(i + 1);
            }
        }
        pos = end;
        if (pos < text.size() && text[pos] == ',') {
            ++pos;
        }
        skip_blanks(text, pos);
    }
    end = pos;
    while (end < text.size() && end < pos + 2 &&
           is_ascii_digit(static_cast<unsigned char>(text[end]))) {
        ++end;
    }
    if (end > pos &&
        (end == text.size() || !is_ascii_digit(static_cast<unsigned char>(text[end])))) {
        reference.group = std::stoi(text.substr(pos, end - pos));
    }
}

PartOfSpeech form_named_before(const std::string& text, std::size_t pos) {
    const std::string before = text.substr(0, pos);
    const auto has = [&before](const char* label) {
        return before.find(label) != std::string::npos;
    };
    if (has("_p.") || has("_p-p.") || has("_pres-p.") || has("гл.") || has("л. ед. ч.") ||
        has("_inf.")) {
        return PartOfSpeech::verb;
    }
    if (has("_pl.")) {
        return PartOfSpeech::noun;
    }
    if (has("_comp.") || has("_superl.")) {
        return PartOfSpeech::adjective;
    }
    return PartOfSpeech::unknown;
}

bool starts_word_at(const std::string& text, std::size_t pos) {
    return pos == 0 || text[pos - 1] == ' ' || text[pos - 1] == '(' || text[pos - 1] == ';';
}

}  // namespace

std::optional<std::string> short_translation(const std::string& sense_text) {
    const std::string plain = without_brackets_and_labels(sense_text);
    for (const std::string& raw_piece : split(plain, ';')) {
        const std::string piece = without_latin_note(trim(raw_piece));
        if (!piece.empty()) {
            std::size_t pos = 0;
            const uint32_t first_character = next_code_point(piece, pos);
            if (is_latin_letter(first_character) || is_ascii_digit(first_character)) {
                break;  // an example: the Russian that follows translates the example
            }
        }
        std::string head = russian_head(without_use_note(piece));
        // "долженствование: I must go" names a use, it does not translate.
        if (head.size() < piece.size() && piece[head.size()] == ':') {
            continue;
        }
        // Of "ровный, гладкий" only the first synonym: the output is word by word.
        const std::vector<std::string> synonyms = split(tidy(head), ',');
        std::string first = synonyms.front();
        // "время отдыха с пятницы ... до понедельника, уикенд": a long
        // explanation comes first, the word a reader can use after it.
        // "в, внутри": a single letter is no translation, the next synonym is.
        const std::string lead = tidy(trim(first));
        std::size_t after_first_letter = 0;
        next_code_point(lead, after_first_letter);
        const bool single_letter = !lead.empty() && after_first_letter == lead.size();
        if ((word_count(lead) > 3 && !is_description(lead)) || single_letter) {
            for (std::size_t i = 1; i < synonyms.size(); ++i) {
                const std::string later = tidy(trim(synonyms[i]));
                if (word_count(later) <= 2 && only_russian_words(later) && !is_description(later) &&
                    is_usable_translation(later)) {
                    first = later;
                    break;
                }
            }
        }
        for (const char* and_so_on : {" и т.", " и пр", " и др"}) {
            const std::size_t at = first.find(and_so_on);
            if (at != std::string::npos) {
                first.erase(at);
            }
        }
        first = without_leading_abbreviations(trim(first));
        // An abbreviation left inside ("что-л.", "косв.") is no word to read.
        if (first.find('.') != std::string::npos) {
            continue;
        }
        if (ends_in_pointer(tidy(head))) {
            continue;
        }
        first = tidy(first);
        if (first.empty() || !only_russian_words(first) || is_description(first) ||
            word_count(first) > 3 || !is_usable_translation(first)) {
            continue;
        }
        return first;
    }
    return std::nullopt;
}

std::optional<Reference> find_reference(const std::string& sense_text) {
    // Pointers in braces ("{см. bet 2}") only explain a sense that is already there.
    std::string text;
    int depth = 0;
    for (const char c : sense_text) {
        if (c == '{' || c == '[') {
            ++depth;
        } else if ((c == '}' || c == ']') && depth > 0) {
            --depth;
        } else if (depth == 0) {
            text += c;
        }
    }
    struct Pattern {
        const char* opener;
        bool needs_word_start;
    };
    static const std::array<Pattern, 4> kPatterns = {
        {{"от ", true}, {"гл. to ", false}, {"=", false}, {"см. ", true}}};
    std::optional<Reference> best;
    std::size_t best_at = std::string::npos;
    for (const Pattern& pattern : kPatterns) {
        for (std::size_t at = text.find(pattern.opener); at != std::string::npos;
             at = text.find(pattern.opener, at + 1)) {
            if (pattern.needs_word_start && !starts_word_at(text, at)) {
                continue;
            }
            std::size_t pos = at + std::string(pattern.opener).size();
            skip_blanks(text, pos);
            if (text.compare(pos, 3, "to ") == 0) {
                pos += 3;  // "= to go"
            }
            Reference reference;
            reference.target = read_english_word(text, pos);
            if (reference.target.empty()) {
                continue;
            }
            if (at < best_at) {
                read_sense_hint(text, pos, reference);
                reference.form_of = form_named_before(text, at);
                best = reference;
                best_at = at;
            }
            break;
        }
    }
    return best;
}

}  // namespace qd_import
