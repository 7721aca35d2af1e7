#include "word_occurrences.h"

#include <algorithm>
#include <string_view>

#include "core/text/english_words.h"

namespace vorna_tools {

std::vector<std::string> looked_up_words(const std::string& text) {
    std::vector<std::string> words;
    vorna::for_each_word(text, [&](std::size_t start, std::size_t end) {
        const std::string_view word = std::string_view(text).substr(start, end - start);
        const auto hyphens = std::count(word.begin(), word.end(), '-');
        const auto apostrophes = std::count(word.begin(), word.end(), '\'');
        if (word.size() < 2 || hyphens > 1 || apostrophes > 1 || word[0] == '\'' ||
            word[0] == '-') {
            return;
        }
        words.push_back(vorna::ascii_lower(word));
    });
    return words;
}

}  // namespace vorna_tools
