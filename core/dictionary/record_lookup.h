#pragma once

#include <optional>
#include <string>

#include "core/dictionary/dictionary_edit.h"
#include "core/io/status.h"

namespace vorna {

// The record of `headword` in the dictionary file at `path`, in UTF-8: the
// first of its lines, the one a translation uses; none when the file has no
// such line. The headword is matched as the load matches it, after blanks
// are dropped and letters lowered.
Status find_record(const std::string& path, const std::string& headword,
                   std::optional<RecordText>& record);

}  // namespace vorna
