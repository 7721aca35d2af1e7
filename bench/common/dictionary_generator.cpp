#include "common/dictionary_generator.h"

#include <iconv.h>

#include <array>
#include <random>
#include <stdexcept>
#include <string_view>

#include "core/text/english_words.h"

namespace vorna::bench {

namespace {

// Share of headwords per first letter, per mille, as in a general English word list.
constexpr std::array<int, 26> kFirstLetterWeights = {
    60, 57, 94, 60, 41, 42,  33, 37, 36, 8,  9, 33, 54,  // a..m
    21, 26, 82, 5,  50, 115, 52, 30, 15, 26, 1, 3,  3};  // n..z

// Consonants that may follow each first consonant in a cluster (sh, st, pr ...).
constexpr std::array<std::string_view, 26> kClusterSeconds = {
    "", "lr", "hlr",  "r", "",  "lr",        "lr",  "", "", "",   "ln", "", "",
    "", "",   "hlrs", "u", "h", "chklmnptw", "hrw", "", "", "hr", "",   "", ""};

constexpr std::string_view kVowels = "aeiouy";
constexpr std::string_view kVowelFollowers = "bcdglmnprstvx";

constexpr std::array<std::string_view, 48> kSyllables = {
    "a",    "e",   "i",  "o",  "er",  "en",  "in",  "on",  "an",  "ar",   "or",   "al",
    "el",   "le",  "re", "ri", "ro",  "ra",  "la",  "li",  "ma",  "me",   "na",   "ne",
    "ta",   "te",  "ti", "to", "st",  "nt",  "nd",  "ng",  "ck",  "tion", "ment", "ness",
    "able", "ing", "ed", "ly", "ous", "ive", "ate", "ize", "ure", "ist",  "ful",  "ity"};

struct RussianSyllable {
    std::string_view cyrillic;
    std::string_view translit;
};

constexpr std::array<RussianSyllable, 40> kRussianSyllables = {{
    {u8"ба", "ba"},     {u8"во", "vo"},  {u8"го", "go"},   {u8"да", "da"},     {u8"же", "zhe"},
    {u8"за", "za"},     {u8"ка", "ka"},  {u8"ло", "lo"},   {u8"ми", "mi"},     {u8"не", "ne"},
    {u8"по", "po"},     {u8"ра", "ra"},  {u8"ст", "st"},   {u8"те", "te"},     {u8"ть", "tj"},
    {u8"ни", "ni"},     {u8"ый", "ij"},  {u8"ая", "aja"},  {u8"ое", "oe"},     {u8"ение", "enie"},
    {u8"ость", "ostj"}, {u8"щи", "shi"}, {u8"ч", "ch"},    {u8"ш", "sh"},      {u8"ю", "ju"},
    {u8"ё", "jo"},      {u8"ы", "i"},    {u8"про", "pro"}, {u8"пере", "pere"}, {u8"вы", "vi"},
    {u8"ль", "lj"},     {u8"ну", "nu"},  {u8"ту", "tu"},   {u8"ру", "ru"},     {u8"ки", "ki"},
    {u8"хо", "ho"},     {u8"це", "ce"},  {u8"ов", "ov"},   {u8"ин", "in"},     {u8"ан", "an"},
}};

// Draws from the generator without the library's distributions, so a seed
// gives the same dictionary with every standard library.
class Draw {
  public:
    explicit Draw(uint32_t seed) : engine_(seed) {}
    std::size_t below(std::size_t bound) { return engine_() % bound; }
    bool percent(unsigned chance) { return below(100) < chance; }
    template <typename Container>
    const auto& pick(const Container& items) {
        return items[below(items.size())];
    }
    char first_letter() {
        std::size_t roll = below(1000);
        for (std::size_t letter = 0; letter < kFirstLetterWeights.size(); ++letter) {
            const auto weight = static_cast<std::size_t>(kFirstLetterWeights[letter]);
            if (roll < weight)
                return static_cast<char>('a' + letter);
            roll -= weight;
        }
        return 's';
    }

  private:
    std::mt19937 engine_;
};

bool is_vowel(char c) {
    return kVowels.find(c) != std::string_view::npos;
}

std::string english_word(Draw& draw) {
    std::string word(1, draw.first_letter());
    const std::string_view cluster = kClusterSeconds[static_cast<std::size_t>(word[0] - 'a')];
    if (is_vowel(word[0])) {
        word += draw.pick(kVowelFollowers);
    } else if (word[0] == 'q') {
        word += 'u';
    } else if (!cluster.empty() && draw.percent(30)) {
        word += draw.pick(cluster);
    } else {
        word += draw.pick(kVowels);
    }
    const std::size_t syllables = 1 + draw.below(3);
    for (std::size_t i = 0; i < syllables; ++i)
        word += draw.pick(kSyllables);
    return word;
}

void russian_word(Draw& draw, std::string& cyrillic, std::string& translit) {
    const std::size_t syllables = 3 + draw.below(4);
    for (std::size_t i = 0; i < syllables; ++i) {
        const RussianSyllable& syllable = draw.pick(kRussianSyllables);
        cyrillic += syllable.cyrillic;
        translit += syllable.translit;
    }
}

GeneratedEntry make_entry(Draw& draw, const std::vector<GeneratedEntry>& earlier) {
    GeneratedEntry entry;
    if (!earlier.empty() && draw.percent(6)) {
        entry.headword = earlier[draw.below(earlier.size())].headword;  // a homograph
    } else {
        entry.headword = english_word(draw);
        if (draw.percent(3))
            entry.headword += " " + english_word(draw);  // a phrase
        if (draw.percent(1))
            entry.headword += "-" + english_word(draw);
        if (draw.percent(2)) {
            char& inner = entry.headword[1 + draw.below(entry.headword.size() - 1)];
            if (inner >= 'a' && inner <= 'z')
                inner = static_cast<char>(inner - 32);
        }
    }
    const std::size_t words = 1 + draw.below(3);
    const bool alternatives = words > 1 && draw.percent(40);
    for (std::size_t i = 0; i < words; ++i) {
        if (i > 0) {
            entry.translation += alternatives ? ", " : " ";
            entry.translit += alternatives ? ", " : " ";
        }
        russian_word(draw, entry.translation, entry.translit);
    }
    return entry;
}

std::string to_windows_1251(const std::string& utf8) {
    iconv_t converter = iconv_open("WINDOWS-1251", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("no iconv");
    std::string out(utf8.size(), '\0');
    char* in = const_cast<char*>(utf8.data());
    std::size_t in_left = utf8.size();
    char* next = out.data();
    std::size_t out_left = out.size();
    const std::size_t status = iconv(converter, &in, &in_left, &next, &out_left);
    iconv_close(converter);
    if (status == static_cast<std::size_t>(-1))
        throw std::runtime_error("not Windows-1251 text");
    out.resize(out.size() - out_left);
    return out;
}

std::string quoted_if_needed(const std::string& field) {
    return field.find(',') == std::string::npos ? field : "\"" + field + "\"";
}

}  // namespace

std::vector<GeneratedEntry> generate_entries(std::size_t lines, uint32_t seed) {
    Draw draw(seed);
    std::vector<GeneratedEntry> entries;
    entries.reserve(lines);
    while (entries.size() < lines)
        entries.push_back(make_entry(draw, entries));
    return entries;
}

std::string generate_dictionary(std::size_t lines, uint32_t seed) {
    std::string utf8;
    for (const GeneratedEntry& entry : generate_entries(lines, seed)) {
        utf8 += entry.headword + "," + quoted_if_needed(entry.translation) + "," +
                quoted_if_needed(entry.translit) + "\r\n";
    }
    return to_windows_1251(utf8);
}

std::vector<std::string> generated_headwords(std::size_t lines, uint32_t seed) {
    std::vector<std::string> headwords;
    for (GeneratedEntry& entry : generate_entries(lines, seed)) {
        headwords.push_back(ascii_lower(entry.headword));
    }
    return headwords;
}

}  // namespace vorna::bench
