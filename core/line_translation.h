#pragma once

#include <string>
#include <string_view>

#include "core/translator.h"

namespace vorna {

// Translates a whole line and appends the result to `out`, so that a run
// can build its output without a copy per line. text_line_translate is this
// with the output emptied first and the line cut to `len_eng` characters.
void append_translated_line(Translator& translator, TranslationHost& host, std::string_view line,
                            std::string& out);

}  // namespace vorna
