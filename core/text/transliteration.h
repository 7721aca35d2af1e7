#pragma once

#include <string>
#include <string_view>

namespace vorna {

// The program's own Latin rendering of Russian, the one the translit column
// and the translit interface are written in: "Сохранить" -> "Sohranitj",
// "неправильный" -> "nepraviljnij". A capital gives a capital first letter;
// characters other than Cyrillic letters are kept as they are.
std::string transliterate(std::string_view utf8);

}  // namespace vorna
