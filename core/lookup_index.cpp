#include "core/lookup_index.h"

#include "core/dictionary_store.h"

namespace vorna {

void LookupIndex::build(const std::vector<DictionaryEntry>& entries, int32_t entry_count) {
    first_row_.clear();
    first_row_.reserve(static_cast<std::size_t>(entry_count));
    next_same_headword_.assign(static_cast<std::size_t>(entry_count) + 1, 0);
    std::unordered_map<std::string, int32_t> last_row;
    for (int32_t row = 1; row <= entry_count; ++row) {
        const std::string& headword = entries[static_cast<std::size_t>(row)].word_eng;
        if (headword.size() < 2)
            continue;  // keys are never shorter than two characters
        auto [it, inserted] = first_row_.emplace(headword, row);
        if (!inserted)
            next_same_headword_[static_cast<std::size_t>(last_row[headword])] = row;
        last_row[headword] = row;
    }
    built_ = true;
}

int32_t LookupIndex::find(const std::string& key, int32_t first, int32_t last) const {
    const auto it = first_row_.find(key);
    if (it == first_row_.end())
        return 0;
    for (int32_t row = it->second; row != 0 && row <= last;
         row = next_same_headword_[static_cast<std::size_t>(row)]) {
        if (row >= first)
            return row;
    }
    return 0;
}

}  // namespace vorna
