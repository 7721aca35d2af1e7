#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "core/dictionary/dictionary_edit.h"

namespace vorna::dict {

// One record of a glossary and the line it came from (counted from 1).
struct GlossaryEntry {
    std::size_t line = 0;
    RecordText record;
};

enum class GlossaryFault {
    not_a_record,  // no tab between word and translation, or too many columns
    not_utf8,
};

struct GlossaryLineFault {
    std::size_t line = 0;
    GlossaryFault fault = GlossaryFault::not_a_record;
};

struct Glossary {
    std::vector<GlossaryEntry> entries;
    std::vector<GlossaryLineFault> faults;
    // Rows of an unknown-words table the reader left without a translation.
    std::size_t untranslated_rows = 0;
};

// Reads a glossary in UTF-8: one "word<TAB>translation[<TAB>translit]" a line,
// blank lines and lines starting with "#" passed over. A table of unknown
// words as the program saves it ("word<TAB>count<TAB>form<TAB>sentence") is
// read too: the reader types the translation into a fifth column and, if
// they like, a translit into a sixth. The fields are checked by the edit
// itself, with the same rules as a correction made in the window.
Glossary read_glossary(std::string_view text);

}  // namespace vorna::dict
