#pragma once

#include <string>
#include <string_view>

#include "core/engine/translator.h"

namespace vorna {

// Line translation in two steps, so that a run can prepare the next line
// while it translates this one, and build its output without a copy per line.
// text_line_translate is both steps with the output emptied first and the line
// cut to `len_eng` characters.

// Cuts the whole line into words, makes their keys, and starts loading the
// dictionary memory the first of them will need. Changes no counter.
void prepare_line(const Translator& translator, std::string_view line, LineWorkspace& workspace);

// Translates a prepared line and appends the result to `out`.
void render_line(Translator& translator, TranslationHost& host, std::string_view line,
                 const LineWorkspace& workspace, std::string& out);

}  // namespace vorna
