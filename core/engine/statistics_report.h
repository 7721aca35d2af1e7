#pragma once

#include <cstdint>
#include <string>

#include "core/dictionary/dictionary_store.h"
#include "core/engine/translation_result.h"
#include "core/text/script.h"

namespace vorna {

// The statistics report of the last run, lines joined by CR LF, no final
// line break. The labels' script comes from the statistics window's own check.
std::string statistics_report(const DictionaryStore& store, const RunCounts& counts,
                              Script labels_script, const std::string& decimal_separator);

}  // namespace vorna
