#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/dictionary/dictionary_store.h"
#include "core/dictionary/load_progress.h"
#include "core/dictionary/word_forms.h"

namespace vorna {

// Where a word was found, if anywhere.
struct WordMatch {
    enum class Outcome {
        not_looked_up,  // the key's prefix slot is negative ('em, -ing)
        found,
        not_found,
        damaged,  // the prefix index points past its slots or outside the entry table
    };
    Outcome outcome = Outcome::not_found;
    LookupIndex::Match entry;  // the row found, with its translations when the hash holds them
    // The key that matched when it is not the word's own: the word without
    // its marks, or a dictionary form. Empty when the word itself matched.
    std::string form;
};

// The prefix slot a key is filed under, by the rule the load files headwords
// by; -1 for a key of fewer than two characters.
int32_t key_slot(std::string_view key);

// The one lookup of a word, for the engine, the article, the correction and
// the coverage tool. `key` is the word's lookup key (lookup_key). It is
// searched as written, then without the marks of its letters, then, when
// `forms` is given, by the first of its dictionary forms that is a lookup
// key (is_lookup_key) and that the dictionary holds.
//
// Each key is searched in the stretch of rows its prefix slot names, for the
// lowest row that holds it: through the lookup hash, or in a store without
// it by the literal scan, which calls `pump` (when given) after every row
// that does not match. `hash` is LookupIndex::hash_of(key).
WordMatch find_word(const DictionaryStore& store, std::string_view key, uint32_t hash,
                    WordForms* forms, EventPump* pump);
WordMatch find_word(const DictionaryStore& store, std::string_view key, WordForms* forms = nullptr);

// The row find_word finds for `key` itself, or 0: a headword in small
// letters, neither without marks nor by its forms.
int32_t find_entry(const DictionaryStore& store, std::string_view key);

}  // namespace vorna
