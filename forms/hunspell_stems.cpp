#include "forms/hunspell_stems.h"

#include <hunspell.hxx>

#include <algorithm>

#include "core/io/file_bytes.h"

namespace vorna::forms {

bool is_suffix_stem(std::string_view word, std::string_view stem) {
    if (stem.empty())
        return false;
    if (word.substr(0, stem.size()) == stem)
        return true;
    // The affix rules replace at most one final letter, always "y" or "e".
    const char last = stem.back();
    const std::string_view kept = stem.substr(0, stem.size() - 1);
    return (last == 'y' || last == 'e') && kept.size() >= 2 && word.substr(0, kept.size()) == kept;
}

HunspellStems::HunspellStems(const std::string& affix_path, const std::string& words_path) {
    // Hunspell reports missing files only on its error output, so look first.
    if (check_readable_file(affix_path).ok() && check_readable_file(words_path).ok())
        speller_ = std::make_unique<Hunspell>(affix_path.c_str(), words_path.c_str());
}

HunspellStems::~HunspellStems() = default;

std::vector<std::string> HunspellStems::stems_of(const std::string& word) const {
    if (!speller_)
        return {};
    std::vector<std::string> stems = speller_->stem(word);
    stems.erase(
        std::remove_if(stems.begin(), stems.end(),
                       [&word](const std::string& stem) { return !is_suffix_stem(word, stem); }),
        stems.end());
    return stems;
}

}  // namespace vorna::forms
