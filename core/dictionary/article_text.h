#pragma once

#include <string>
#include <string_view>

namespace vorna {

// Renders one dictd article of the English-Russian dictionary as plain text a
// reader can take in: the headword with its transcription, then the numbered
// homographs, parts of speech and senses, one to a line, each example on a
// line of its own ("brown bread — хлеб из непросеянной муки"). Labels lose
// their markup ("_разг." -> "разг.", "_n." -> "существительное"), stress
// arrows become the phonetic stress marks and cross-references in braces
// are put in parentheses. Lines end in LF.
std::string render_article(std::string_view article);

}  // namespace vorna
