#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/io/status.h"

namespace vorna {

// Where one article lies in the uncompressed text of a dictd data file.
struct DictdLocation {
    uint64_t offset = 0;
    uint64_t length = 0;
};

// One line of a dictd `.index` file: the headword key and its article.
struct DictdIndexRecord {
    std::string key;
    DictdLocation location;
};

// The number written in dictd's base-64 digits ("A".."Z","a".."z","0".."9","+","/").
bool decode_dictd_number(std::string_view digits, uint64_t& value);

// Parses the text of a `.index` file in file order. Lines without two tabs
// are not records and are passed over; the database's own "00-database-..."
// records are left out. A record whose offset or length is not a number
// fails the whole parse, naming its line in `reason`.
bool parse_dictd_index(std::string_view text, std::vector<DictdIndexRecord>& records,
                       std::string& reason);

// The records of an index file, read from `path`.
Status read_dictd_index(const std::string& path, std::vector<DictdIndexRecord>& records);

// The records of an index, searchable by headword regardless of letter case.
class DictdIndex {
  public:
    explicit DictdIndex(std::vector<DictdIndexRecord> records);

    // The articles filed under `key`, in index order.
    std::vector<DictdLocation> find(std::string_view key) const;
    std::size_t size() const { return records_.size(); }

  private:
    std::vector<DictdIndexRecord> records_;
    std::vector<uint32_t> by_key_;  // record numbers in case-blind key order
};

}  // namespace vorna
