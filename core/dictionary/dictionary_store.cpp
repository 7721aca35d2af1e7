#include "core/dictionary/dictionary_store.h"

#include <algorithm>

#include "core/text/english_words.h"
#include "core/text/text_case.h"
#include "core/text/text_encoding.h"

namespace vorna {

namespace {

// The code the prefix formula uses for a character: its Windows-1251 byte
// where the code page has one, otherwise a number above 255, which only
// decides where such an odd headword lands.
int32_t prefix_code(uint32_t code_point) {
    if (code_point < 0x80)
        return static_cast<int32_t>(code_point);
    if (const auto byte = windows_1251_byte(code_point))
        return *byte;
    return static_cast<int32_t>(256 + code_point);
}

}  // namespace

int32_t prefix_slot(const std::string& word) {
    std::size_t pos = 0;
    if (word.empty())
        return -1;
    const uint32_t first = next_code_point(word, pos);
    if (pos >= word.size())
        return -1;  // one character has no prefix
    const uint32_t second = next_code_point(word, pos);
    return letter_pair_slot(prefix_code(first), prefix_code(second));
}

void clear_store(DictionaryStore& store) {
    for (int32_t row = 1; row <= store.entry_count; ++row)
        store.entries[static_cast<std::size_t>(row)] = DictionaryEntry();
    store.prefix_index.fill(PrefixSlot());
    store.char_class.fill(0);
    store.entry_count = 0;
    store.records_left_out = 0;
    store.lookup = LookupIndex();
}

bool add_entry(DictionaryStore& store, const std::string& headword, std::string word_rus,
               std::string word_translit) {
    if (store.entry_count >= kMaxEntries) {
        ++store.records_left_out;
        return false;
    }
    const int32_t row = ++store.entry_count;
    DictionaryEntry& entry = store.entries[static_cast<std::size_t>(row)];
    entry.word_eng = lower_headword(headword);
    entry.word_rus = std::move(word_rus);
    entry.word_translit = std::move(word_translit);
    const int32_t slot = prefix_slot(entry.word_eng);
    if (slot < 0 || slot >= kPrefixSlots)
        return true;  // one letter, or no slot for this prefix: in the table, unindexed
    PrefixSlot& prefix = store.prefix_index[static_cast<std::size_t>(slot)];
    if (prefix.first_entry == 0) {
        prefix.first_entry = row;
    } else {
        prefix.last_entry = row;
    }
    return true;
}

namespace {

void build_char_classes(DictionaryStore& store) {
    for (std::size_t code = 0; code < 128; ++code)
        store.char_class[code] = is_word_character(static_cast<char32_t>(code)) ? 1 : 0;
}

void fill_index_gaps(DictionaryStore& store) {
    int32_t carried = 0;
    for (int32_t slot = 0; slot < kLetterPairSlots; ++slot) {
        PrefixSlot& entry = store.prefix_index[static_cast<std::size_t>(slot)];
        if (entry.first_entry != 0) {
            carried = entry.first_entry;
        } else {
            entry.first_entry = carried;
        }
        if (entry.last_entry != 0) {
            carried = entry.last_entry;
        } else {
            entry.last_entry = carried;
        }
    }
}

}  // namespace

void finish_index(DictionaryStore& store) {
    build_char_classes(store);
    fill_index_gaps(store);
    store.lookup.build(store.entries, store.entry_count);
}

}  // namespace vorna
