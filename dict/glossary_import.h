#pragma once

#include <cstddef>
#include <functional>

#include "core/dictionary/dictionary_change.h"
#include "core/dictionary/dictionary_writer.h"
#include "dict/glossary.h"

namespace vorna::dict {

// A glossary line that did not go in: a fault of the line itself, or the
// refusal of the dictionary's rules.
struct SkippedLine {
    std::size_t number = 0;
    bool glossary_fault = false;
    GlossaryFault fault = GlossaryFault::not_a_record;
    EditOutcome outcome;
};

struct ImportOutcome {
    Status glossary;   // a glossary that failed to be read: nothing is written
    EditOutcome file;  // the dictionary's: one that cannot be read or written is left as it was
    ChangeCounts counts;
    std::size_t skipped = 0;       // lines
    std::size_t untranslated = 0;  // rows of an unknown-words table without a translation
};

// Puts every glossary entry the edit rules accept into the dictionary that
// `writer` picks, in one rewrite, in the glossary's order, so a later line
// for the same word wins. The glossary is read a line at a time and each
// line is merged at once through the headwords' hash, so the import takes
// time in proportion to the glossary and the dictionary, and memory for the
// dictionary and the words that change; the dictionary is locked only while
// it is written (see DictionaryWriter). Each line that does not go in is
// handed to `skipped` as soon as it is known.
ImportOutcome import_glossary(GlossaryReader& reader, DictionaryWriter& writer,
                              const std::function<void(const SkippedLine&)>& skipped);

}  // namespace vorna::dict
