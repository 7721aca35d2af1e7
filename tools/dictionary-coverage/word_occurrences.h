#pragma once

#include <string>
#include <vector>

namespace vorna_tools {

// The lookup keys of the words of a text that a translation looks up: the
// words of the word rule (core/text/english_words.h) that pass its skip rules
// and whose prefix slot is not negative.
std::vector<std::string> looked_up_words(const std::string& text);

}  // namespace vorna_tools
