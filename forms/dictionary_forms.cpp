#include "forms/dictionary_forms.h"

#include <algorithm>

namespace vorna::forms {

void DictionaryForms::load() {
    loaded_ = true;
    has_exceptions_ = exceptions_.read_folder(sources_.wordnet_folder);
    stems_ = std::make_unique<HunspellStems>(sources_.hunspell_affixes, sources_.hunspell_words);
}

bool DictionaryForms::available() {
    if (!loaded_)
        load();
    return has_exceptions_ || stems_->usable();
}

const std::vector<std::string>& DictionaryForms::forms_of(std::string_view word) {
    if (!loaded_)
        load();
    const auto known = answers_.find(std::string(word));
    if (known != answers_.end())
        return known->second;
    std::vector<std::string> forms;
    const auto add = [&forms, word](const std::string& form) {
        if (form != word && form.size() >= 2 &&
            std::find(forms.begin(), forms.end(), form) == forms.end())
            forms.push_back(form);
    };
    if (const std::vector<std::string>* bases = exceptions_.bases_of(word)) {
        for (const std::string& base : *bases)
            add(base);
    }
    // A word the stemmer knows as a root has no other stem: "table" is not
    // "t" with a suffix, whatever the affix rules allow.
    const std::vector<std::string> stems = stems_->stems_of(std::string(word));
    if (std::find(stems.begin(), stems.end(), word) == stems.end()) {
        for (const std::string& stem : stems)
            add(stem);
    }
    return answers_.emplace(std::string(word), std::move(forms)).first->second;
}

}  // namespace vorna::forms
