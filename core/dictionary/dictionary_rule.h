#pragma once

#include <string>
#include <string_view>

#include "core/io/status.h"

namespace vorna {

// What every reader and every writer of a dictionary takes for one.
enum class DictionaryFault {
    none,
    empty,      // not one line with anything on it: as good as missing
    no_record,  // lines, but none the load takes as a record (UTF-16, commas, NULs)
};

// Judges the whole bytes of a dictionary file (a byte order mark allowed).
DictionaryFault dictionary_fault(std::string_view bytes);

// The failure that `fault` of the file at `path` is; success for none.
Status dictionary_fault_status(DictionaryFault fault, const std::string& path);

}  // namespace vorna
