#include "core/text/transliteration.h"

#include <array>
#include <cstdint>

#include "core/text/text_case.h"

namespace vorna {

namespace {

// а..я in alphabet order (without ё).
constexpr std::array<const char*, 32> kSmallLetters = {
    "a", "b", "v", "g", "d", "e", "zh", "z",  "i",  "j",  "k", "l", "m", "n", "o",  "p",
    "r", "s", "t", "u", "f", "h", "c",  "ch", "sh", "sh", "",  "i", "j", "e", "ju", "ja"};

}  // namespace

std::string transliterate(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const uint32_t c = next_code_point(utf8, pos);
        std::string latin;
        bool capital = false;
        if (c >= 0x0430 && c <= 0x044F) {
            latin = kSmallLetters[c - 0x0430];
        } else if (c >= 0x0410 && c <= 0x042F) {
            latin = kSmallLetters[c - 0x0410];
            capital = true;
        } else if (c == 0x0451 || c == 0x0401) {
            latin = "jo";
            capital = c == 0x0401;
        } else {
            append_code_point(out, c);
            continue;
        }
        if (capital && !latin.empty()) {
            latin[0] = static_cast<char>(latin[0] - 'a' + 'A');
        }
        out += latin;
    }
    return out;
}

}  // namespace vorna
