#pragma once

#include <string>

#include "core/dictionary/dictionary_edit.h"
#include "core/text/script.h"

namespace vorna {

// What the reader is told about an edit that changed nothing, in UTF-8: one
// sentence naming the field, the character or the file at fault. `headword`
// is the word the edit was about and `dictionary_path` the file it was made
// on. For the file refusals the system's reason is `outcome.status.reason()`,
// which each front end adds in its own way.
std::string edit_refusal_text(const EditOutcome& outcome, const std::string& headword,
                              const std::string& dictionary_path, Script script);

// Puts the three values in for %1, %2 and %3 in one pass, so that a "%" in
// a value the reader typed is never taken for a place marker.
std::string fill_markers(const char* pattern, const std::string& first, const std::string& second,
                         const std::string& third);

}  // namespace vorna
