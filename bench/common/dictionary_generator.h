#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vorna::bench {

// One line of a generated dictionary, in UTF-8.
struct GeneratedEntry {
    std::string headword;
    std::string translation;  // Cyrillic
    std::string translit;
};

// `lines` entries with English-like headwords whose first letters follow the
// skew of a real English word list (many s-, c-, p- words, few x-, z-), a few
// phrases, homographs and capitals inside words, and Cyrillic translations
// with their transliteration, some of them quoted with a comma. In no
// particular order. The same seed always gives the same entries.
std::vector<GeneratedEntry> generate_entries(std::size_t lines, uint32_t seed);

// The bytes of a qd.dat holding generate_entries(lines, seed): Windows-1251,
// every line ended by CR LF, about 50 bytes a line.
std::string generate_dictionary(std::size_t lines, uint32_t seed);

// The headwords of generate_dictionary(lines, seed), lower-cased, in file order.
std::vector<std::string> generated_headwords(std::size_t lines, uint32_t seed);

}  // namespace vorna::bench
