#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/dictionary/word_forms.h"
#include "core/engine/translation_result.h"

namespace vorna {

// A word the dictionary did not know, ready to be studied: how often it
// occurred and the sentence it first occurred in.
struct UnknownWordRow {
    std::string word;  // small letters
    int32_t count = 0;
    std::string sentence;
};

// How long a quoted sentence may be, in characters.
constexpr std::size_t kSentenceCharacters = 200;

// The sentence of `text` around byte `offset`: from the end of the sentence
// before (".", "!", "?" or "…" followed by a blank, or an empty line) to its
// own end, line breaks and tabs as blanks, at most `max_characters`
// characters (a long one is cut around the word).
std::string sentence_around(std::string_view text, uint64_t offset,
                            std::size_t max_characters = kSentenceCharacters);

// The run's unknown words, most frequent first, then alphabetically, each
// with the sentence of its first occurrence in the run's source text.
std::vector<UnknownWordRow> unknown_word_rows(const std::vector<UnknownWord>& words,
                                              std::string_view source_text);

// Tab-separated UTF-8 lines, LF-ended, that flash-card programs and
// spreadsheets import: word, count, dictionary form (empty when none is
// found; `forms` may be null), sentence. A cell that starts with "=", "+",
// "-" or "@" gets an apostrophe before it, so no spreadsheet takes it for a
// formula.
std::string unknown_words_tsv(const std::vector<UnknownWordRow>& rows, WordForms* forms);

}  // namespace vorna
