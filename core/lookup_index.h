#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorna {

struct DictionaryEntry;

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

    void build(const std::vector<DictionaryEntry>& entries, int32_t entry_count);

    // Lowest row r with first <= r <= last holding `key`. `entries` must be
    // the table the index was built from.
    Match find(const std::vector<DictionaryEntry>& entries, std::string_view key, int32_t first,
               int32_t last) const;
    // The same, with the key's hash_of already at hand.
    Match find(const std::vector<DictionaryEntry>& entries, std::string_view key, uint32_t hash,
               int32_t first, int32_t last) const;

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

    std::size_t find_slot(const std::vector<DictionaryEntry>* entries, std::string_view key,
                          uint32_t hash) const;
    std::string_view key_of(const std::vector<DictionaryEntry>* entries, const Slot& slot) const;
    TextLengths lengths_at(uint32_t offset) const;

    std::vector<Slot> slots_;  // a power of two in size, at most half full
    std::string texts_;
    std::vector<int32_t> next_same_headword_;  // next row with the same headword, or 0
    bool built_ = false;
};

}  // namespace vorna
