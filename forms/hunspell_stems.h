#pragma once

#include <memory>
#include <string>
#include <vector>

class Hunspell;

namespace vorna::forms {

// The stems the Hunspell dictionary of American English gives for a word
// with regular endings: "tables" -> "table", "running" -> "run".
class HunspellStems {
  public:
    // Opens the `.aff` and `.dic` pair; usable() tells whether they loaded.
    HunspellStems(const std::string& affix_path, const std::string& words_path);
    ~HunspellStems();
    HunspellStems(const HunspellStems&) = delete;
    HunspellStems& operator=(const HunspellStems&) = delete;

    bool usable() const { return speller_ != nullptr; }
    std::vector<std::string> stems_of(const std::string& word) const;

  private:
    std::unique_ptr<Hunspell> speller_;
};

}  // namespace vorna::forms
