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
// Open addressing over one flat array, with the headwords copied back to back
// into one buffer, so a lookup touches two or three cache lines instead of
// chasing list nodes and separate string allocations.
class LookupIndex {
  public:
    void build(const std::vector<DictionaryEntry>& entries, int32_t entry_count);

    // Lowest row r with first <= r <= last holding `key`, or 0 when none does.
    int32_t find(std::string_view key, int32_t first, int32_t last) const;

    // False until build() ran; a store filled by hand is then searched by the scan.
    bool is_built() const { return built_; }

  private:
    struct Slot {
        uint32_t hash = 0;
        int32_t first_row = 0;  // 0 marks a free slot
        uint32_t key_offset = 0;
        uint32_t key_length = 0;
    };

    std::size_t find_slot(std::string_view key, uint32_t hash) const;  // free slot if absent

    std::vector<Slot> slots_;  // a power of two in size, at most half full
    std::string keys_;
    std::vector<int32_t> next_same_headword_;  // next row with the same headword, or 0
    bool built_ = false;
};

}  // namespace vorna
