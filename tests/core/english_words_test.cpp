#include "core/text/english_words.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace vorna {
namespace {

std::vector<std::string> words_of(std::string_view text) {
    std::vector<std::string> words;
    for_each_word(text, [&](std::size_t start, std::size_t end) {
        words.emplace_back(text.substr(start, end - start));
    });
    return words;
}

using Words = std::vector<std::string>;

// On ASCII the rule is exactly maximal runs of A-Z, a-z, ' and -.
TEST(english_words, ascii_text_is_cut_by_the_ascii_classes_alone) {
    std::mt19937 random(7);
    const std::string alphabet = "ab'- .,\t9Z\x7f";
    for (int round = 0; round < 2000; ++round) {
        std::string text(random() % 12, ' ');
        for (char& c : text)
            c = alphabet[random() % alphabet.size()];
        Words expected;
        std::string run;
        for (const char c : text + " ") {
            if (is_word_character(static_cast<char32_t>(c))) {
                run += c;
            } else if (!run.empty()) {
                expected.push_back(run);
                run.clear();
            }
        }
        ASSERT_EQ(words_of(text), expected) << text;
    }
}

TEST(english_words, typographic_forms_join_letters_and_nothing_else) {
    struct Case {
        const char* text;
        Words words;
    };
    for (const Case& c : std::vector<Case>{
             {"“I don’t think it’s Tom’s,” she said.",
              {"I", "don’t", "think", "it’s", "Tom’s", "she", "said"}},
             {"‘Don’t,’ the dogs’ bowls’", {"Don’t", "the", "dogs", "bowls"}},
             {"’tis ‘twas itʼs", {"tis", "twas", "itʼs"}},
             {"trans\u00ADlation -\u00AD ab\u00AD", {"trans\u00ADlation", "-", "ab"}},
             {"rock‑n‑roll a‑ ‑b", {"rock‑n‑roll", "a", "b"}},
             {"ﬁnd ﬂow oﬃce", {"ﬁnd", "ﬂow", "oﬃce"}},
             {"café, naïve, Éclair, œuvre ×÷ ß", {"café", "naïve", "Éclair", "œuvre"}},
             {"кот’s x’’y", {"s", "x", "y"}},
             {"caf\xE9 \xC3", {"caf"}},          // bytes that are not UTF-8 are no letters
             {"naïve ab\xC3", {"naïve", "ab"}},  // a sequence cut off by the end of the text
             {"ﬁ’\xE2\x80", {"ﬁ"}},
         }) {
        EXPECT_EQ(words_of(c.text), c.words) << c.text;
    }
}

TEST(english_words, the_lookup_reads_the_ascii_forms_and_keeps_the_marks) {
    EXPECT_EQ(lookup_key("Don’t"), "don't");
    EXPECT_EQ(lookup_key("ItʼS"), "it's");
    EXPECT_EQ(lookup_key("Trans\u00ADlation"), "translation");
    EXPECT_EQ(lookup_key("Rock‑n"), "rock-n");
    EXPECT_EQ(lookup_key("Oﬃce"), "office");
    EXPECT_EQ(lookup_key("ÉCLAIR"), "éclair");
    EXPECT_EQ(lookup_key("ŒUVRE"), "œuvre");
    EXPECT_EQ(ascii_forms("Don’t ﬁnd Café"), "Don't find Café");
    EXPECT_EQ(without_marks("résumé"), "resume");
    EXPECT_EQ(without_marks("naïve-œuvre"), "naive-oeuvre");
    EXPECT_EQ(without_marks("кот"), "кот");

    // The skip rules count the word as read: a ligature is two letters, a
    // soft hyphen none, typographic apostrophes count as apostrophes.
    for (const char* kept : {"ﬁ", "don’t", "ab\u00ADc", "éa"})
        EXPECT_TRUE(passes_skip_rules(lookup_key(kept))) << kept;
    for (const char* skipped : {"é", "x\u00AD", "rock’n’roll", "rock‑n‑roll"})
        EXPECT_FALSE(passes_skip_rules(lookup_key(skipped))) << skipped;
    EXPECT_TRUE(starts_with_capital("Éclair"));
    EXPECT_FALSE(starts_with_capital("éclair"));
    EXPECT_FALSE(starts_with_capital("ﬁnd"));
}

TEST(english_words, a_headword_needs_two_letters) {
    for (const char* refused : {"a-", "a'", "x--", "q-'-", "'ab", "-ab", "a", "c4t", "café"})
        EXPECT_FALSE(is_headword(refused)) << refused;
    for (const char* accepted : {"ab", "o'clock", "well-known", "dogs'", "mother-in-law"})
        EXPECT_TRUE(is_headword(accepted)) << accepted;
}

TEST(english_words, the_word_at_a_caret_touches_it_from_either_side) {
    const std::string text = "I don’t. ﬁnd";
    EXPECT_EQ(word_at(text, 2).start, 2u);
    const WordSpan inside = word_at(text, 5);
    EXPECT_EQ(text.substr(inside.start, inside.end - inside.start), "don’t");
    EXPECT_EQ(word_at(text, inside.end).start, inside.start);
    const WordSpan none = word_at(text, inside.end + 1);  // after the full stop
    EXPECT_EQ(none.start, none.end);
    EXPECT_EQ(word_at(text, text.size()).start, text.size() - 5);  // ﬁ is three bytes
}

}  // namespace
}  // namespace vorna
