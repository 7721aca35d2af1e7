#pragma once

#include <string>
#include <vector>

namespace vorna_tools {

// The lower-cased words of a text that a coverage count looks up: maximal
// runs of A-Z, a-z, apostrophe and hyphen, at least two characters long,
// with at most one hyphen and one apostrophe, not starting with either.
std::vector<std::string> looked_up_words(const std::string& text);

}  // namespace vorna_tools
