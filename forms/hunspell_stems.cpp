#include "forms/hunspell_stems.h"

#include <hunspell.hxx>

#include "core/io/file_bytes.h"

namespace vorna::forms {

HunspellStems::HunspellStems(const std::string& affix_path, const std::string& words_path) {
    // Hunspell reports missing files only on its error output, so look first.
    if (check_readable_file(affix_path).ok() && check_readable_file(words_path).ok())
        speller_ = std::make_unique<Hunspell>(affix_path.c_str(), words_path.c_str());
}

HunspellStems::~HunspellStems() = default;

std::vector<std::string> HunspellStems::stems_of(const std::string& word) const {
    if (!speller_)
        return {};
    return speller_->stem(word);
}

}  // namespace vorna::forms
