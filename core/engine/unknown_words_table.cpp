#include "core/engine/unknown_words_table.h"

#include <algorithm>

namespace vorna {

namespace {

bool continues_code_point(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool ends_sentence_at(std::string_view text, std::size_t at) {
    const char c = text[at];
    const bool mark =
        c == '.' || c == '!' || c == '?' || (text.substr(at, 3) == "\xE2\x80\xA6");  // …
    if (c == '\n')
        return at + 1 < text.size() && (text[at + 1] == '\n' || text[at + 1] == '\r');
    return mark;
}

std::size_t mark_length(std::string_view text, std::size_t at) {
    return text.substr(at, 3) == "\xE2\x80\xA6" ? 3 : 1;
}

bool is_ascii_letter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Whether the full stop at `at` closes a title written before a name
// ("Mr. Darcy", "St. Paul"), which ends no sentence.
bool closes_title(std::string_view text, std::size_t at) {
    std::size_t start = at;
    while (start > 0 && is_ascii_letter(text[start - 1]))
        --start;
    const std::string_view word = text.substr(start, at - start);
    return word == "Mr" || word == "Mrs" || word == "Ms" || word == "Dr" || word == "St";
}

// Whether a sentence ends at `at`: a mark followed by a blank or the end,
// or the first line break of an empty line.
bool sentence_break_at(std::string_view text, std::size_t at) {
    if (!ends_sentence_at(text, at) || (text[at] == '.' && closes_title(text, at)))
        return false;
    const std::size_t after = at + mark_length(text, at);
    return after >= text.size() || is_blank(text[after]) || text[at] == '\n';
}

// Where the sentence after the break at `at` starts.
std::size_t start_after_break(std::string_view text, std::size_t at) {
    return at + mark_length(text, at);
}

// Where the sentence that the break at `at` closes ends.
std::size_t end_at_break(std::string_view text, std::size_t at) {
    return text[at] == '\n' ? at : at + mark_length(text, at);
}

// The first break at or after `from`; the text's size when there is none.
std::size_t next_break(std::string_view text, std::size_t from) {
    while (from < text.size() && !sentence_break_at(text, from))
        ++from;
    return from;
}

// Steps `count` characters forward from `at`, or to the end.
std::size_t characters_forward(std::string_view text, std::size_t at, std::size_t count) {
    while (at < text.size() && count > 0) {
        ++at;
        while (at < text.size() && continues_code_point(text[at]))
            ++at;
        --count;
    }
    return at;
}

std::size_t characters_back(std::string_view text, std::size_t at, std::size_t count,
                            std::size_t floor) {
    while (at > floor && count > 0) {
        --at;
        while (at > floor && continues_code_point(text[at]))
            --at;
        --count;
    }
    return at;
}

// Blanks of any kind become single blanks between the words, none at the
// ends. Gives up, returning false, as soon as the line would run past
// `max_characters`, so a sentence as long as the text costs no more than a
// short one.
bool one_line_within(std::string_view text, std::size_t max_characters, std::string& line) {
    line.clear();
    std::size_t characters = 0;
    bool blank = false;
    for (const char c : text) {
        if (is_blank(c)) {
            blank = !line.empty();
            continue;
        }
        if (blank) {
            line += ' ';
            ++characters;
        }
        blank = false;
        line += c;
        characters += continues_code_point(c) ? 0 : 1;
        if (characters > max_characters)
            return false;
    }
    return true;
}

std::string one_line(std::string_view text) {
    std::string line;
    one_line_within(text, std::string::npos, line);
    return line;
}

std::size_t code_points(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return !continues_code_point(c); }));
}

// The stretch of a sentence too long to quote whole, [start, end), around
// the word at `at`: a third of it before the word, cut at word ends.
std::string stretch_around(std::string_view text, std::size_t start, std::size_t end,
                           std::size_t at, std::size_t max_characters) {
    const std::size_t sentence_begin = start;
    start = characters_back(text, at, max_characters / 3, start);
    // Whole words only: a cut inside a word moves to the blank next to it.
    while (start > sentence_begin && start < at && !is_blank(text[start - 1]))
        ++start;
    end = std::min(end, characters_forward(text, start, max_characters));
    const std::size_t cut = end;
    while (end < text.size() && end > at && !is_blank(text[end]) && !is_blank(text[end - 1]))
        --end;
    if (end <= at)
        end = cut;
    std::string sentence = one_line(text.substr(start, end - start));
    while (code_points(sentence) > max_characters) {
        sentence.pop_back();
        while (!sentence.empty() && continues_code_point(sentence.back()))
            sentence.pop_back();
        if (!sentence.empty() && static_cast<unsigned char>(sentence.back()) >= 0xC0)
            sentence.pop_back();
    }
    return sentence;
}

// Walks a text's sentences once, front to back, for offsets asked in
// ascending order; a sentence short enough to quote whole is put on one
// line once for all its words.
class SentenceWalk {
  public:
    SentenceWalk(std::string_view text, std::size_t max_characters)
        : text_(text), max_characters_(max_characters), break_(next_break(text, 0)) {}

    std::string sentence_around(std::size_t at) {
        while (break_ < text_.size() && break_ < at) {
            start_ = start_after_break(text_, break_);
            break_ = next_break(text_, break_ + 1);
        }
        const std::size_t end = break_ < text_.size() ? end_at_break(text_, break_) : text_.size();
        if (start_ != quoted_start_ || end != quoted_end_) {
            quoted_start_ = start_;
            quoted_end_ = end;
            quoted_whole_ =
                one_line_within(text_.substr(start_, end - start_), max_characters_, quoted_);
        }
        return quoted_whole_ ? quoted_ : stretch_around(text_, start_, end, at, max_characters_);
    }

  private:
    std::string_view text_;
    std::size_t max_characters_;
    std::size_t start_ = 0;  // of the sentence the walk is in
    std::size_t break_;      // the first break at or after the last offset asked
    std::size_t quoted_start_ = std::string::npos;
    std::size_t quoted_end_ = std::string::npos;
    bool quoted_whole_ = false;
    std::string quoted_;
};

}  // namespace

std::string sentence_around(std::string_view text, uint64_t offset, std::size_t max_characters) {
    const auto at = static_cast<std::size_t>(std::min<uint64_t>(offset, text.size()));
    return SentenceWalk(text, max_characters).sentence_around(at);
}

std::vector<UnknownWordRow> unknown_word_rows(const std::vector<UnknownWord>& words,
                                              std::string_view source_text) {
    std::vector<UnknownWordRow> rows;
    rows.reserve(words.size());
    // The sentences are found in one walk through the text, in the order the
    // words first stood in it.
    std::vector<std::size_t> by_offset(words.size());
    for (std::size_t i = 0; i < words.size(); ++i)
        by_offset[i] = i;
    std::stable_sort(by_offset.begin(), by_offset.end(), [&](std::size_t a, std::size_t b) {
        return words[a].first_offset < words[b].first_offset;
    });
    SentenceWalk walk(source_text, kSentenceCharacters);
    for (const std::size_t i : by_offset) {
        const auto at =
            static_cast<std::size_t>(std::min<uint64_t>(words[i].first_offset, source_text.size()));
        rows.push_back({words[i].word, words[i].count, walk.sentence_around(at)});
    }
    std::sort(rows.begin(), rows.end(), [](const UnknownWordRow& a, const UnknownWordRow& b) {
        return a.count != b.count ? a.count > b.count : a.word < b.word;
    });
    return rows;
}

namespace {

// Spreadsheets run a cell that starts so as a formula.
void append_cell(std::string& tsv, std::string_view cell) {
    if (!cell.empty() && (cell[0] == '=' || cell[0] == '+' || cell[0] == '-' || cell[0] == '@'))
        tsv += '\'';
    tsv += cell;
}

}  // namespace

std::string unknown_words_tsv(const std::vector<UnknownWordRow>& rows, WordForms* forms) {
    std::string tsv;
    for (const UnknownWordRow& row : rows) {
        const std::vector<std::string>* found = forms ? &forms->forms_of(row.word) : nullptr;
        append_cell(tsv, row.word);
        (tsv += '\t') += std::to_string(row.count);
        tsv += '\t';
        if (found != nullptr && !found->empty())
            append_cell(tsv, found->front());
        tsv += '\t';
        append_cell(tsv, row.sentence);
        tsv += '\n';
    }
    return tsv;
}

}  // namespace vorna
