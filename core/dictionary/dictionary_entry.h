#pragma once

#include <string>

namespace vorna {

// One record of the dictionary, as loaded: the headword and its translation
// in both scripts.
struct DictionaryEntry {
    std::string word_eng;  // headword, lower-cased at load
    std::string word_rus;  // translation in Cyrillic, UTF-8
    std::string word_translit;
};

}  // namespace vorna
