#include "word_occurrences.h"

#include <string_view>

#include "core/dictionary/word_search.h"
#include "core/text/english_words.h"

namespace vorna_tools {

std::vector<std::string> looked_up_words(const std::string& text) {
    std::vector<std::string> words;
    vorna::for_each_word(text, [&](std::size_t start, std::size_t end) {
        std::string key = vorna::lookup_key(std::string_view(text).substr(start, end - start));
        if (vorna::passes_skip_rules(key) && vorna::key_slot(vorna::without_marks(key)) >= 0)
            words.push_back(std::move(key));
    });
    return words;
}

}  // namespace vorna_tools
