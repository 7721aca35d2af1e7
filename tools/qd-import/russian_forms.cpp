#include "russian_forms.h"

#include <array>
#include <string_view>

#include "utf8_text.h"

namespace qd_import {
namespace {

// Cyrillic letters take two bytes in UTF-8.
constexpr std::size_t kLetter = 2;

bool is_adjective(const std::string& word) {
    if (word.find_first_of(" -") != std::string::npos || word.size() < 4 * kLetter) {
        return false;
    }
    for (std::size_t i = 0; i < word.size(); ++i) {
        const auto byte = static_cast<unsigned char>(word[i]);
        if (byte != 0xD0 && byte != 0xD1) {
            return false;  // only Cyrillic letters
        }
        ++i;
    }
    return ends_with(word, "ый") || ends_with(word, "ий") || ends_with(word, "ой");
}

// ё is written е where the stress moves ("тёплый", "теплее"); plain е is
// never wrong.
std::string without_yo(std::string text) {
    for (std::size_t at = text.find("ё"); at != std::string::npos; at = text.find("ё", at)) {
        text.replace(at, kLetter, "е");
    }
    return text;
}

struct Irregular {
    const char* adjective;
    const char* comparative;
};

// Comparatives that change their stem, and the commonest whose stem ends
// in a letter that alternates (к/ч, г/ж, д/ж, ст/щ).
constexpr std::array<Irregular, 36> kComparatives = {{
    {"хороший", "лучше"},    {"плохой", "хуже"},    {"большой", "больше"},  {"великий", "больше"},
    {"маленький", "меньше"}, {"малый", "меньше"},   {"высокий", "выше"},    {"низкий", "ниже"},
    {"широкий", "шире"},     {"узкий", "уже"},      {"далёкий", "дальше"},  {"далекий", "дальше"},
    {"близкий", "ближе"},    {"старый", "старше"},  {"молодой", "моложе"},  {"короткий", "короче"},
    {"дорогой", "дороже"},   {"лёгкий", "легче"},   {"легкий", "легче"},    {"мягкий", "мягче"},
    {"громкий", "громче"},   {"тихий", "тише"},     {"глубокий", "глубже"}, {"ранний", "раньше"},
    {"поздний", "позже"},    {"простой", "проще"},  {"чистый", "чище"},     {"крутой", "круче"},
    {"жаркий", "жарче"},     {"богатый", "богаче"}, {"твёрдый", "твёрже"},  {"частый", "чаще"},
    {"толстый", "толще"},    {"тонкий", "тоньше"},  {"долгий", "дольше"},   {"крепкий", "крепче"},
}};

constexpr std::array<Irregular, 3> kSuperlatives = {{
    {"хороший", "лучший"},
    {"плохой", "худший"},
    {"великий", "величайший"},
}};

// Stems whose last letter alternates before -ее, or takes -е, not -ее.
bool has_alternating_stem(std::string_view stem) {
    for (const char* ending : {"к", "г", "х", "ж", "ш", "ч", "щ", "ц", "ст"}) {
        if (ends_with(stem, ending)) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::optional<std::string> comparative_of(const std::string& adjective) {
    if (!is_adjective(adjective)) {
        return std::nullopt;
    }
    for (const Irregular& irregular : kComparatives) {
        if (adjective == irregular.adjective) {
            return irregular.comparative;
        }
    }
    const std::string stem = adjective.substr(0, adjective.size() - 2 * kLetter);
    // Participles ("закрытый", "взволнованный") compare with "более".
    const bool participle = ends_with(stem, "ыт") || ends_with(stem, "ит") ||
                            ends_with(stem, "ут") || ends_with(stem, "анн") ||
                            ends_with(stem, "енн") || ends_with(stem, "ённ");
    if (ends_with(adjective, "ий") || participle || has_alternating_stem(stem)) {
        return "более " + adjective;
    }
    return without_yo(stem) + "ее";
}

std::optional<std::string> superlative_of(const std::string& adjective) {
    if (!is_adjective(adjective)) {
        return std::nullopt;
    }
    for (const Irregular& irregular : kSuperlatives) {
        if (adjective == irregular.adjective) {
            return irregular.comparative;
        }
    }
    return "самый " + adjective;
}

std::optional<std::string> adverb_of(const std::string& adjective) {
    if (!is_adjective(adjective)) {
        return std::nullopt;
    }
    const std::string stem = without_yo(adjective.substr(0, adjective.size() - 2 * kLetter));
    // -ский, -цкий: физически, по-детски is rarer than детски.
    if (ends_with(adjective, "ский") || ends_with(adjective, "цкий")) {
        return stem + "и";
    }
    if (ends_with(adjective, "ый") || ends_with(adjective, "ой")) {
        return ends_with(stem, "ц") ? std::optional<std::string>() : stem + "о";
    }
    // -ий: тихий тихо, искренний искренне. The hushing letters are left
    // alone (хороший хорошо but певучий певуче), and so are participles
    // (угрожающе is a word, ожидающе hardly).
    if (ends_with(stem, "к") || ends_with(stem, "г") || ends_with(stem, "х")) {
        return stem + "о";
    }
    if (ends_with(stem, "н")) {
        return stem + "е";
    }
    return std::nullopt;
}

}  // namespace qd_import
