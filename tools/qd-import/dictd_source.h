#pragma once

#include <string>
#include <vector>

namespace qd_import {

// One article of a dictd dictionary under its index key.
struct DictdArticle {
    std::string key;   // as the index has it (lower-cased by the index)
    std::string text;  // UTF-8, the headword on its first line
};

// Reads the `.index` and the `.dict` or `.dict.dz` of a dictd dictionary (a
// dictzip file is a gzip file, so zlib reads either). The database's own
// "00-database-..." records are left out. Throws std::runtime_error naming
// the file when one cannot be read or the index points outside the data.
std::vector<DictdArticle> read_dictd(const std::string& index_path, const std::string& dict_path);

// The number written in dictd's base-64 digits ("A".."Z","a".."z","0".."9","+","/").
bool decode_dictd_number(const std::string& digits, unsigned long long& value);

}  // namespace qd_import
