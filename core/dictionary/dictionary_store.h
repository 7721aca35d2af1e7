#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/dictionary/dictionary_entry.h"
#include "core/dictionary/lookup_index.h"

namespace vorna {

// Row 0 is never filled; entries occupy rows 1..kMaxEntries.
constexpr int32_t kMaxEntries = 60000;
constexpr int32_t kEntryRows = kMaxEntries + 1;
constexpr int32_t kPrefixSlots = 706;
// Slots 0..675 belong to the letter pairs aa..zz; only they take part in gap filling.
constexpr int32_t kLetterPairSlots = 676;
// The character class table has one entry per code 1..256; index 0 is unused.
constexpr int kCharClassSize = 257;

struct PrefixSlot {
    int32_t first_entry = 0;  // 0 means unset
    int32_t last_entry = 0;
};

// The whole vocabulary in memory. The caller owns it; nothing here is global,
// so several stores can live side by side. Only the load writes it: the
// counts of a translation run belong to the run's result.
struct DictionaryStore {
    DictionaryStore() : entries(kEntryRows) {}

    std::vector<DictionaryEntry> entries;  // always kEntryRows rows
    std::array<PrefixSlot, kPrefixSlots> prefix_index{};
    std::array<uint8_t, kCharClassSize> char_class{};
    int32_t entry_count = 0;       // rows 1..entry_count are filled
    int32_t records_left_out = 0;  // accepted records that found no row past kMaxEntries
    LookupIndex lookup;            // headword -> rows, built after the load
};

// The prefix formula over the codes of a word's first two characters.
constexpr int32_t letter_pair_slot(int32_t first, int32_t second) {
    return 26 * (first - 'a') + (second - 'a');
}

// letter_pair_slot over the first two characters of a lower-cased word, or
// -1 for a word of fewer than two characters; callers check the range
// 0..705 themselves.
int32_t prefix_slot(const std::string& word);

// Empties a store in place; its tables keep their fixed size.
void clear_store(DictionaryStore& store);

// Puts a record into the next free row, its headword lower-cased, and files
// the row under its prefix slot. When every row is taken the record is only
// counted in records_left_out and false is returned.
bool add_entry(DictionaryStore& store, const std::string& headword, std::string word_rus,
               std::string word_translit);

// After the last add_entry: marks the word characters, carries entry
// numbers into empty letter-pair slots so every slot 0..675 describes a
// (possibly empty) stretch of the table, and builds the lookup hash.
void finish_index(DictionaryStore& store);

// True for a code point that the character class table marks as a word character.
inline bool is_word_character(const DictionaryStore& store, uint32_t code_point) {
    return code_point >= 1 && code_point < kCharClassSize && store.char_class[code_point] == 1;
}

}  // namespace vorna
