#include "core/dictionary/lookup_index.h"

#include <cstring>

namespace vorna {

namespace {

std::size_t table_size_for(int32_t entry_count) {
    std::size_t size = 16;
    while (size < static_cast<std::size_t>(entry_count) * 2)
        size *= 2;
    return size;
}

}  // namespace

void LookupIndex::build(const std::vector<DictionaryEntry>& entries, int32_t entry_count) {
    entries_ = entries.data();
    slots_.assign(table_size_for(entry_count), Slot{});
    texts_.clear();
    next_same_headword_.assign(static_cast<std::size_t>(entry_count) + 1, 0);
    std::vector<int32_t> last_row(slots_.size(), 0);  // per slot, to chain equal headwords
    for (int32_t row = 1; row <= entry_count; ++row) {
        const DictionaryEntry& entry = entries[static_cast<std::size_t>(row)];
        if (entry.word_eng.size() < 2)
            continue;  // keys are never shorter than two characters
        const uint32_t hash = hash_of(entry.word_eng);
        const std::size_t i = find_slot(entry.word_eng, hash);
        Slot& slot = slots_[i];
        if (slot.first_row != 0) {
            next_same_headword_[static_cast<std::size_t>(last_row[i])] = row;
            last_row[i] = row;
            continue;
        }
        last_row[i] = row;
        slot = {hash, row, kNoText};
        const std::size_t record = sizeof(TextLengths) + entry.word_eng.size() +
                                   entry.word_rus.size() + entry.word_translit.size();
        if (texts_.size() + record >= kNoText)
            continue;  // beyond 4 GB the entry speaks for itself
        slot.text_offset = static_cast<uint32_t>(texts_.size());
        const TextLengths lengths{static_cast<uint32_t>(entry.word_eng.size()),
                                  static_cast<uint32_t>(entry.word_rus.size()),
                                  static_cast<uint32_t>(entry.word_translit.size())};
        texts_.append(reinterpret_cast<const char*>(&lengths), sizeof lengths);
        ((texts_ += entry.word_eng) += entry.word_rus) += entry.word_translit;
    }
    built_ = true;
}

LookupIndex::Match LookupIndex::find(std::string_view key, int32_t first, int32_t last) const {
    return find(key, hash_of(key), first, last);
}

}  // namespace vorna
