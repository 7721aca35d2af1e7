#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class Hunspell;

namespace vorna::forms {

// True when `stem` is `word` with an ending taken off: the word begins with
// the stem, or with all of it but a final "y" or "e" the ending replaced
// ("carried" -> "carry", "making" -> "make"). A stem reached by taking off a
// prefix ("unfortunately" -> "fortunate") is not: un-, in-, dis-, re- change
// the meaning, so such a stem would translate a word by its opposite.
bool is_suffix_stem(std::string_view word, std::string_view stem);

// The stems the Hunspell dictionary of American English gives for a word
// with regular endings: "tables" -> "table", "carried" -> "carry".
class HunspellStems {
  public:
    // Opens the `.aff` and `.dic` pair; usable() tells whether they loaded.
    HunspellStems(const std::string& affix_path, const std::string& words_path);
    ~HunspellStems();
    HunspellStems(const HunspellStems&) = delete;
    HunspellStems& operator=(const HunspellStems&) = delete;

    bool usable() const { return speller_ != nullptr; }
    // Only the stems that keep the word's beginning (see is_suffix_stem).
    std::vector<std::string> stems_of(const std::string& word) const;

  private:
    std::unique_ptr<Hunspell> speller_;
};

}  // namespace vorna::forms
