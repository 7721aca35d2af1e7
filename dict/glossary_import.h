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
// one rewrite, in the glossary's order (a later line for the same word
// wins), keeping the previous file as `<file>.bak` once. Entries the rules
// refuse land in `refused` and the others still go in. The outcome is the
// file's: a dictionary that cannot be read or written is left as it was,
// and with nothing to put in it is not rewritten at all.
EditOutcome import_entries(const std::string& path, const std::vector<GlossaryEntry>& entries,
                           std::vector<RefusedEntry>& refused,
                           FileCalls& calls = system_file_calls());

}  // namespace vorna::dict
