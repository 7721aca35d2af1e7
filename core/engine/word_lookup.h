#pragma once

#include <cstdint>
#include <string_view>

#include "core/dictionary/lookup_index.h"
#include "core/text/english_words.h"

namespace vorna {

// A word made ready for the lookup: its key in small letters and the key's
// hash. `looked_up` is false when the skip rules leave the word alone.
struct WordKey {
    bool looked_up = false;
    uint32_t hash = 0;
};

// Writes the key of `word` to `key` (room for word.size() characters) and
// returns what it found. Words hold only ASCII letters, apostrophes and
// hyphens, so lower-casing is one pass that also checks the skip rules.
inline WordKey make_word_key(std::string_view word, int32_t length, char* key) {
    if (length < 2 || word.size() < 2)
        return {};
    int hyphens = 0;
    int apostrophes = 0;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const char c = word[i];
        hyphens += c == '-';
        apostrophes += c == '\'';
        key[i] = ascii_lower(c);
    }
    if (hyphens >= 2 || apostrophes >= 2)
        return {};  // words that are not looked up leave no trace
    return {true, LookupIndex::hash_of(std::string_view(key, word.size()))};
}

// What looking a word up came to; the counters are already updated.
struct WordLookup {
    enum class Outcome { not_looked_up, found, unknown };
    Outcome outcome = Outcome::not_looked_up;
    int32_t row = 0;  // the entry found
    // The translations of that entry, when the index handed them over.
    bool has_text = false;
    std::string_view word_rus;
    std::string_view word_translit;
};

}  // namespace vorna
