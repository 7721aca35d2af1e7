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

// The first step of find_word, the one that finds nearly every word of a
// text: the key searched as written in the hash, within the stretch of the
// slot of its first two characters when both are ASCII. (A key with marks
// further on is filed under the same slot as its letters, so the step is
// the same for it.) Inline, for the engine takes it for every word.
enum class WrittenKey {
    found,   // `match` is set; find_word finds the same
    absent,  // a key of ASCII characters its slot does not hold: find_word
             // goes on only to its dictionary forms
    other,   // anything else is find_word's to judge
};

inline WrittenKey find_as_written(const DictionaryStore& store, std::string_view key, uint32_t hash,
                                  LookupIndex::Match& match) {
    if (key.size() < 2 || static_cast<unsigned char>(key[0]) >= 0x80 ||
        static_cast<unsigned char>(key[1]) >= 0x80 || !store.lookup.is_built())
        return WrittenKey::other;
    const int32_t slot =
        letter_pair_slot(static_cast<unsigned char>(key[0]), static_cast<unsigned char>(key[1]));
    if (slot < 0 || slot >= kPrefixSlots)
        return WrittenKey::other;
    const PrefixSlot& stretch = store.prefix_index[static_cast<std::size_t>(slot)];
    // A slot that is empty or reaches outside the table is find_word's to judge.
    if (stretch.first_entry > stretch.last_entry || stretch.first_entry < 0 ||
        stretch.last_entry > kMaxEntries)
        return WrittenKey::other;
    const LookupIndex::Match found =
        store.lookup.find(key, hash, stretch.first_entry, stretch.last_entry);
    if (found.row != 0) {
        match = found;
        return WrittenKey::found;
    }
    for (const char c : key.substr(2)) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return WrittenKey::other;  // it is searched again without its marks
    }
    return WrittenKey::absent;
}

// find_word for a key find_as_written calls absent: by its dictionary forms
// alone, without searching the key again.
WordMatch find_absent_word(const DictionaryStore& store, std::string_view key, WordForms* forms,
                           EventPump* pump);

}  // namespace vorna
