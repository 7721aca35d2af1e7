#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorna {

// Finds the dictionary forms of an inflected English word: "went" -> "go",
// "tables" -> "table". The engine asks only about words the dictionary does
// not hold, so a provider may be slow the first time it meets a word.
class WordForms {
  public:
    virtual ~WordForms() = default;
    // The forms of `word` (small letters), most likely first, without the
    // word itself; empty when it has none.
    virtual const std::vector<std::string>& forms_of(std::string_view word) = 0;
};

}  // namespace vorna
