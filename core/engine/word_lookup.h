#pragma once

#include <cstdint>
#include <string_view>

#include "core/dictionary/lookup_index.h"
#include "core/text/english_words.h"

namespace vorna {

// A word made ready for the lookup: its key and the key's hash. `looked_up`
// is false when the skip rules leave the word alone.
struct WordKey {
    bool looked_up = false;
    uint32_t hash = 0;
    uint32_t size = 0;  // of the key, in bytes
};

// Writes the key of `word` to `key` (room for word.size() characters) and
// returns what it found. A word of ASCII letters, apostrophes and hyphens is
// lowered and checked against the skip rules in one pass; a word holding
// other forms of letters and marks is read by the word rule, its `length`
// then being the length of its key.
inline WordKey make_word_key(std::string_view word, int32_t length, char* key) {
    int hyphens = 0;
    int apostrophes = 0;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const char c = word[i];
        if (static_cast<unsigned char>(c) >= 0x80) {
            const auto size = static_cast<uint32_t>(write_lookup_key(word, key));
            const std::string_view read(key, size);
            if (!passes_skip_rules(read))
                return {false, 0, size};
            return {true, LookupIndex::hash_of(read), size};
        }
        hyphens += c == '-';
        apostrophes += c == '\'';
        key[i] = ascii_lower(c);
    }
    const auto size = static_cast<uint32_t>(word.size());
    if (length < 2 || word.size() < 2 || hyphens >= 2 || apostrophes >= 2)
        return {false, 0, size};  // words that are not looked up leave no trace
    return {true, LookupIndex::hash_of(std::string_view(key, word.size())), size};
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
    // A hyphenated word found by its parts: `row` is the first part's entry,
    // this the second's. 0 otherwise.
    int32_t second_row = 0;
};

}  // namespace vorna
