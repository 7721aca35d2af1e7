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

// Where the sentence holding `offset` starts.
std::size_t sentence_start(std::string_view text, std::size_t offset) {
    for (std::size_t at = offset; at-- > 0;) {
        if (ends_sentence_at(text, at)) {
            const std::size_t after = at + mark_length(text, at);
            if (after >= text.size() || is_blank(text[after]) || text[at] == '\n')
                return after;
        }
    }
    return 0;
}

std::size_t sentence_end(std::string_view text, std::size_t offset) {
    for (std::size_t at = offset; at < text.size(); ++at) {
        if (ends_sentence_at(text, at)) {
            const std::size_t after = at + mark_length(text, at);
            if (after >= text.size() || is_blank(text[after]) || text[at] == '\n')
                return text[at] == '\n' ? at : after;
        }
    }
    return text.size();
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

std::string one_line(std::string_view text) {
    std::string line;
    bool blank = false;
    for (const char c : text) {
        if (is_blank(c)) {
            blank = !line.empty();
            continue;
        }
        if (blank)
            line += ' ';
        blank = false;
        line += c;
    }
    return line;
}

std::size_t code_points(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return !continues_code_point(c); }));
}

}  // namespace

std::string sentence_around(std::string_view text, uint64_t offset, std::size_t max_characters) {
    const auto at = static_cast<std::size_t>(std::min<uint64_t>(offset, text.size()));
    std::size_t start = sentence_start(text, at);
    std::size_t end = sentence_end(text, at);
    std::string sentence = one_line(text.substr(start, end - start));
    if (code_points(sentence) <= max_characters)
        return sentence;
    // Too long: the stretch around the word, a third of it before.
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
    sentence = one_line(text.substr(start, end - start));
    while (code_points(sentence) > max_characters) {
        sentence.pop_back();
        while (!sentence.empty() && continues_code_point(sentence.back()))
            sentence.pop_back();
        if (!sentence.empty() && static_cast<unsigned char>(sentence.back()) >= 0xC0)
            sentence.pop_back();
    }
    return sentence;
}

std::vector<UnknownWordRow> unknown_word_rows(const std::vector<UnknownWord>& words,
                                              std::string_view source_text) {
    std::vector<UnknownWordRow> rows;
    rows.reserve(words.size());
    for (const UnknownWord& word : words)
        rows.push_back({word.word, word.count, sentence_around(source_text, word.first_offset)});
    std::sort(rows.begin(), rows.end(), [](const UnknownWordRow& a, const UnknownWordRow& b) {
        return a.count != b.count ? a.count > b.count : a.word < b.word;
    });
    return rows;
}

std::string unknown_words_tsv(const std::vector<UnknownWordRow>& rows, WordForms* forms) {
    std::string tsv;
    for (const UnknownWordRow& row : rows) {
        const std::vector<std::string>* found = forms ? &forms->forms_of(row.word) : nullptr;
        tsv += row.word;
        (tsv += '\t') += std::to_string(row.count);
        tsv += '\t';
        if (found != nullptr && !found->empty())
            tsv += found->front();
        (tsv += '\t') += row.sentence;
        tsv += '\n';
    }
    return tsv;
}

}  // namespace vorna
