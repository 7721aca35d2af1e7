#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vorna::forms {

// WordNet's lists of irregular forms (`verb.exc`, `noun.exc`, `adj.exc`,
// `adv.exc`): "went go", "children child". Forms that are phrases
// ("went_off") are left out: a word-by-word run never meets them.
class WordNetExceptions {
  public:
    // Reads the lists in `folder`; a missing list is passed over. Returns
    // false when none could be read.
    bool read_folder(const std::string& folder);
    // Adds the lines of one list, "inflected base [base...]".
    void add_list(std::string_view text);

    // The base forms of `word`, verbs first, then nouns, adjectives and adverbs.
    const std::vector<std::string>* bases_of(std::string_view word) const;

  private:
    std::unordered_map<std::string, std::vector<std::string>> bases_;
};

}  // namespace vorna::forms
