#pragma once

#include <array>
#include <cstdint>
#include <string>
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
// so several stores can live side by side.
struct DictionaryStore {
    DictionaryStore() : entries(kEntryRows), repeat_count(kEntryRows, 0) {}

    std::vector<DictionaryEntry> entries;  // always kEntryRows rows
    // The occurrence counter of each row. It is the entry table's fourth
    // column, kept apart so that counting a word does not pull the row's
    // strings into the cache.
    std::vector<int32_t> repeat_count;
    std::array<PrefixSlot, kPrefixSlots> prefix_index{};
    std::array<uint8_t, kCharClassSize> char_class{};
    int32_t entry_count = 0;       // rows 1..entry_count are filled
    int32_t records_left_out = 0;  // accepted records that found no row past kMaxEntries
    LookupIndex lookup;            // headword -> rows, built after the load
};

// 26 * (c1 - 97) + (c2 - 97) over the first two characters of a lower-cased
// word. Only meaningful for words of two or more characters; callers check
// the range 0..705 themselves.
int32_t prefix_slot(const std::string& word);

// Marks A-Z, a-z, apostrophe and hyphen as word characters.
void build_char_classes(DictionaryStore& store);

// Carries the last known entry number into empty letter-pair slots so every
// slot 0..675 describes a (possibly empty) stretch of the entry table.
void fill_index_gaps(DictionaryStore& store);

// True for a code point that the character class table marks as a word character.
inline bool is_word_character(const DictionaryStore& store, uint32_t code_point) {
    return code_point >= 1 && code_point < kCharClassSize && store.char_class[code_point] == 1;
}

}  // namespace vorna
