#include "core/lookup_index.h"

#include <functional>

#include "core/dictionary_store.h"

namespace vorna {

namespace {

uint32_t hash_of(std::string_view key) {
    return static_cast<uint32_t>(std::hash<std::string_view>{}(key));
}

std::size_t table_size_for(int32_t entry_count) {
    std::size_t size = 16;
    while (size < static_cast<std::size_t>(entry_count) * 2)
        size *= 2;
    return size;
}

}  // namespace

void LookupIndex::build(const std::vector<DictionaryEntry>& entries, int32_t entry_count) {
    slots_.assign(table_size_for(entry_count), Slot{});
    keys_.clear();
    next_same_headword_.assign(static_cast<std::size_t>(entry_count) + 1, 0);
    std::vector<int32_t> last_row(slots_.size(), 0);  // per slot, to chain equal headwords
    for (int32_t row = 1; row <= entry_count; ++row) {
        const std::string& headword = entries[static_cast<std::size_t>(row)].word_eng;
        if (headword.size() < 2)
            continue;  // keys are never shorter than two characters
        const uint32_t hash = hash_of(headword);
        const std::size_t i = find_slot(headword, hash);
        Slot& slot = slots_[i];
        if (slot.first_row == 0) {
            slot = {hash, row, static_cast<uint32_t>(keys_.size()),
                    static_cast<uint32_t>(headword.size())};
            keys_ += headword;
        } else {
            next_same_headword_[static_cast<std::size_t>(last_row[i])] = row;
        }
        last_row[i] = row;
    }
    built_ = true;
}

std::size_t LookupIndex::find_slot(std::string_view key, uint32_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.first_row == 0)
            return i;
        if (slot.hash == hash && slot.key_length == key.size() &&
            keys_.compare(slot.key_offset, slot.key_length, key) == 0) {
            return i;
        }
    }
}

int32_t LookupIndex::find(std::string_view key, int32_t first, int32_t last) const {
    if (slots_.empty())
        return 0;
    const Slot& slot = slots_[find_slot(key, hash_of(key))];
    for (int32_t row = slot.first_row; row != 0 && row <= last;
         row = next_same_headword_[static_cast<std::size_t>(row)]) {
        if (row >= first)
            return row;
    }
    return 0;
}

}  // namespace vorna
