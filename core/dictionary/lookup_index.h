#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "core/dictionary/dictionary_entry.h"

namespace vorna {

// A hash from headword to the rows that hold it, built once after the load.
// It answers exactly what a linear scan of a prefix slot's stretch answers:
// the lowest row inside the stretch whose headword equals the key.
//
// Open addressing over one flat array. Each headword is copied, with the
// translations of its first row, into one buffer, so that a lookup touches
// two cache lines instead of chasing list nodes and separate strings.
class LookupIndex {
  public:
    struct Match {
        int32_t row = 0;  // 0 when nothing matched
        // The row's translations when the index holds them (the first row of
        // a headword, nearly always); otherwise the caller reads the entry.
        bool has_text = false;
        std::string_view word_rus;
        std::string_view word_translit;
    };

    LookupIndex() = default;
    LookupIndex(LookupIndex&&) = default;
    LookupIndex& operator=(LookupIndex&&) = default;
    // A copy would still read the rows of the table it was copied from.
    LookupIndex(const LookupIndex&) = delete;
    LookupIndex& operator=(const LookupIndex&) = delete;

    // Indexes rows 1..entry_count. The index reads the table's rows later, so
    // the table must stay in place (moving its vector is fine) and unchanged.
    void build(const std::vector<DictionaryEntry>& entries, int32_t entry_count);

    // Lowest row r with first <= r <= last holding `key`.
    Match find(std::string_view key, int32_t first, int32_t last) const;
    // The same, with the key's hash_of already at hand.
    Match find(std::string_view key, uint32_t hash, int32_t first, int32_t last) const;

    // The hash a key is filed under.
    static uint32_t hash_of(std::string_view key);
    // Start loading the memory a later find of a key with this hash reads:
    // first its slot, then, once the slot is near, the texts behind it.
    // Hints only; they change no result.
    void prefetch(uint32_t hash) const;
    void prefetch_texts(uint32_t hash) const;

    // False until build() ran; a store filled by hand is then searched by the scan.
    bool is_built() const { return built_; }

  private:
    struct Slot {
        uint32_t hash = 0;
        int32_t first_row = 0;     // 0 marks a free slot
        uint32_t text_offset = 0;  // lengths, headword, word_rus, word_translit
    };
    struct TextLengths {
        uint32_t key, rus, translit;
    };
    static constexpr uint32_t kNoText = UINT32_MAX;

    std::size_t find_slot(std::string_view key, uint32_t hash) const;
    std::string_view key_of(const Slot& slot) const;
    TextLengths lengths_at(uint32_t offset) const;

    std::vector<Slot> slots_;  // a power of two in size, at most half full
    std::string texts_;
    std::vector<int32_t> next_same_headword_;   // next row with the same headword, or 0
    const DictionaryEntry* entries_ = nullptr;  // the rows of the table it was built from
    bool built_ = false;
};

// The lookup itself is inline: it runs for every word of a text.

// Keys are short words, so eight bytes are mixed at a time with a multiply;
// the library's general-purpose string hash costs several times as much here.
inline uint32_t LookupIndex::hash_of(std::string_view key) {
    constexpr uint64_t kMultiplier = 0x9E3779B97F4A7C15u;
    uint64_t hash = key.size() * kMultiplier;
    std::size_t pos = 0;
    for (; pos + 8 <= key.size(); pos += 8) {
        uint64_t chunk;
        std::memcpy(&chunk, key.data() + pos, 8);
        hash = (hash ^ chunk) * kMultiplier;
        hash ^= hash >> 29;
    }
    if (pos < key.size()) {
        uint64_t chunk = 0;
        std::memcpy(&chunk, key.data() + pos, key.size() - pos);
        hash = (hash ^ chunk) * kMultiplier;
        hash ^= hash >> 29;
    }
    return static_cast<uint32_t>(hash >> 32);
}

inline LookupIndex::TextLengths LookupIndex::lengths_at(uint32_t offset) const {
    TextLengths lengths;
    std::memcpy(&lengths, texts_.data() + offset, sizeof lengths);
    return lengths;
}

inline std::string_view LookupIndex::key_of(const Slot& slot) const {
    if (slot.text_offset == kNoText)
        return entries_[slot.first_row].word_eng;
    return std::string_view(texts_).substr(slot.text_offset + sizeof(TextLengths),
                                           lengths_at(slot.text_offset).key);
}

inline std::size_t LookupIndex::find_slot(std::string_view key, uint32_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.first_row == 0)
            return i;
        if (slot.hash == hash && key_of(slot) == key)
            return i;
    }
}

inline LookupIndex::Match LookupIndex::find(std::string_view key, uint32_t hash, int32_t first,
                                            int32_t last) const {
    if (slots_.empty())
        return {};
    const Slot& slot = slots_[find_slot(key, hash)];
    for (int32_t row = slot.first_row; row != 0 && row <= last;
         row = next_same_headword_[static_cast<std::size_t>(row)]) {
        if (row < first)
            continue;
        if (row != slot.first_row || slot.text_offset == kNoText)
            return {row, false, {}, {}};
        const TextLengths lengths = lengths_at(slot.text_offset);
        const std::string_view texts =
            std::string_view(texts_).substr(slot.text_offset + sizeof(TextLengths) + lengths.key);
        return {row, true, texts.substr(0, lengths.rus),
                texts.substr(lengths.rus, lengths.translit)};
    }
    return {};
}

inline void LookupIndex::prefetch(uint32_t hash) const {
    if (!slots_.empty())
        __builtin_prefetch(&slots_[hash & (slots_.size() - 1)]);
}

inline void LookupIndex::prefetch_texts(uint32_t hash) const {
    if (slots_.empty())
        return;
    const Slot& slot = slots_[hash & (slots_.size() - 1)];
    if (slot.first_row != 0 && slot.text_offset != kNoText)
        __builtin_prefetch(texts_.data() + slot.text_offset);
}

}  // namespace vorna
