#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace vorna {

struct DictionaryEntry;

// A hash from headword to the rows that hold it, built once after the load.
// It answers exactly what a linear scan of a prefix slot's stretch answers:
// the lowest row inside the stretch whose headword equals the key.
class LookupIndex {
  public:
    void build(const std::vector<DictionaryEntry>& entries, int32_t entry_count);

    // Lowest row r with first <= r <= last holding `key`, or 0 when none does.
    int32_t find(const std::string& key, int32_t first, int32_t last) const;

    // False until build() ran; a store filled by hand is then searched by the scan.
    bool is_built() const { return built_; }

  private:
    std::unordered_map<std::string, int32_t> first_row_;  // lowest row of each headword
    std::vector<int32_t> next_same_headword_;             // next row with that headword, or 0
    bool built_ = false;
};

}  // namespace vorna
