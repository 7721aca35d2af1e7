#pragma once

#include <cstdint>
#include <string>

#include "core/dictionary/dictionary_store.h"

namespace vorna {

// The statistics report of the last run, lines joined by CR LF, no final
// line break. `cyrillic_labels` comes from the statistics window's own check.
std::string statistics_report(const DictionaryStore& store, int32_t unknown_word_count,
                              bool cyrillic_labels, const std::string& decimal_separator);

}  // namespace vorna
