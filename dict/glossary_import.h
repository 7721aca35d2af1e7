#pragma once

#include <string>
#include <vector>

#include "core/dictionary/dictionary_edit.h"
#include "core/io/file_calls.h"
#include "dict/glossary.h"

namespace vorna::dict {

// A glossary line the dictionary did not take, and why.
struct RefusedEntry {
    std::size_t line = 0;
    std::string headword;
    EditOutcome outcome;
};

// Puts every entry the edit rules accept into the dictionary at `path` in
// one rewrite (apply_records), in the glossary's order, so a later line for
// the same word wins. Entries the rules refuse land in `refused`, with
// their lines, and the others still go in. The outcome is the file's: a
// dictionary that cannot be read or written is left as it was.
EditOutcome import_entries(const std::string& path, const std::vector<GlossaryEntry>& entries,
                           std::vector<RefusedEntry>& refused,
                           FileCalls& calls = system_file_calls());

}  // namespace vorna::dict
