#include "word_occurrences.h"

#include <algorithm>

namespace vorna_tools {
namespace {

bool is_word_character(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '\'' || c == '-';
}

}  // namespace

std::vector<std::string> looked_up_words(const std::string& text) {
    std::vector<std::string> words;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (!is_word_character(text[pos])) {
            ++pos;
            continue;
        }
        const std::size_t begin = pos;
        while (pos < text.size() && is_word_character(text[pos])) {
            ++pos;
        }
        std::string word = text.substr(begin, pos - begin);
        const auto hyphens = std::count(word.begin(), word.end(), '-');
        const auto apostrophes = std::count(word.begin(), word.end(), '\'');
        if (word.size() < 2 || hyphens > 1 || apostrophes > 1 || word[0] == '\'' ||
            word[0] == '-') {
            continue;
        }
        for (char& c : word) {
            if (c >= 'A' && c <= 'Z') {
                c = static_cast<char>(c - 'A' + 'a');
            }
        }
        words.push_back(std::move(word));
    }
    return words;
}

}  // namespace vorna_tools
