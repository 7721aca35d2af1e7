#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/dictionary/word_forms.h"
#include "forms/hunspell_stems.h"
#include "forms/wordnet_exceptions.h"

namespace vorna::forms {

// Where the lists and the stemmer's dictionary live.
struct FormSources {
    std::string wordnet_folder = "/usr/share/wordnet";
    std::string hunspell_affixes = "/usr/share/hunspell/en_US.aff";
    std::string hunspell_words = "/usr/share/hunspell/en_US.dic";
};

// Dictionary forms: WordNet's irregular forms first ("went" -> "go"), then
// Hunspell's stems for regular endings. Nothing is read before the first
// question, so making one costs nothing at start-up; each word's answer is
// kept, so a run asks the stemmer once per distinct unknown word.
class DictionaryForms : public WordForms {
  public:
    explicit DictionaryForms(FormSources sources = {}) : sources_(std::move(sources)) {}

    const std::vector<std::string>& forms_of(std::string_view word) override;
    // True once loaded when either source could be read.
    bool available();

  private:
    void load();

    FormSources sources_;
    bool loaded_ = false;
    WordNetExceptions exceptions_;
    bool has_exceptions_ = false;
    std::unique_ptr<HunspellStems> stems_;
    std::unordered_map<std::string, std::vector<std::string>> answers_;
};

}  // namespace vorna::forms
