#pragma once

#include <string>
#include <vector>

namespace qd_import {

struct QdRecord {
    std::string headword;     // lower-case English, first character a-z
    std::string translation;  // UTF-8 Russian
};

// What a translation may hold in a qd.dat field: no double quote (the
// format has no escape for it, so quotes become « »), no line breaks or
// tabs, no leading blanks.
std::string field_safe(const std::string& text);

// The qd.dat line of a record, in UTF-8 without its line end:
// headword,translation,translit — a field holding a comma is quoted.
std::string qd_line(const QdRecord& record);

struct WriteResult {
    std::size_t written = 0;
    std::vector<std::string> refused;  // headwords that Windows-1251 cannot hold
};

// Writes the records as Windows-1251 CR LF lines (through iconv) to a
// temporary file beside `path` and renames it over `path`, so a failed run
// never leaves a half-written dictionary. Throws std::runtime_error.
WriteResult write_qd_file(const std::string& path, const std::vector<QdRecord>& records);

}  // namespace qd_import
