#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "adverbs.h"
#include "importer.h"
#include "russian_forms.h"
#include "spelling_variants.h"

using namespace qd_import;

namespace {

std::string or_none(const std::optional<std::string>& text) {
    return text ? *text : "(none)";
}

std::map<std::string, std::string> import(const std::vector<DictdArticle>& articles,
                                          const WordRanks& ranks, const WordUsage& usage,
                                          const Overrides& supplement = {}) {
    Importer importer(ranks, usage, {});
    importer.add_articles(articles);
    importer.add_supplement(supplement);
    ImportFigures figures;
    std::map<std::string, std::string> out;
    for (const QdRecord& record : importer.records(kDefaultRecordLimit, figures))
        out[record.headword] = record.translation;
    return out;
}

}  // namespace

// Irregular stems, the regular -ее, "более" where the stem alternates, and
// nothing for what is not one adjective.
TEST(russian_forms, makes_comparatives_superlatives_and_adverbs) {
    const struct {
        const char* adjective;
        const char* comparative;
        const char* superlative;
        const char* adverb;
    } cases[] = {
        {"хороший", "лучше", "лучший", "(none)"},
        {"длинный", "длиннее", "самый длинный", "длинно"},
        {"тёплый", "теплее", "самый тёплый", "тепло"},
        {"мягкий", "мягче", "самый мягкий", "мягко"},
        {"жаркий", "жарче", "самый жаркий", "жарко"},
        {"резкий", "более резкий", "самый резкий", "резко"},
        {"физический", "более физический", "самый физический", "физически"},
        {"искренний", "более искренний", "самый искренний", "искренне"},
        {"угрожающий", "более угрожающий", "самый угрожающий", "(none)"},
        {"быстро бегущий", "(none)", "(none)", "(none)"},
        {"дом", "(none)", "(none)", "(none)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(or_none(comparative_of(c.adjective)), c.comparative) << c.adjective;
        EXPECT_EQ(or_none(superlative_of(c.adjective)), c.superlative) << c.adjective;
        EXPECT_EQ(or_none(adverb_of(c.adjective)), c.adverb) << c.adjective;
    }
}

TEST(adverbs, finds_the_adjective_and_refuses_an_added_negation) {
    EXPECT_EQ(adjectives_of_adverb("happily"), (std::vector<std::string>{"happi", "happy"}));
    EXPECT_EQ(adjectives_of_adverb("terribly"), (std::vector<std::string>{"terrib", "terrible"}));
    EXPECT_EQ(adjectives_of_adverb("basically"), (std::vector<std::string>{"basical", "basic"}));
    EXPECT_TRUE(adjectives_of_adverb("fly").empty());
    EXPECT_TRUE(adds_negation("неспособный", "ably"));
    EXPECT_FALSE(adds_negation("неспособный", "unably"));
    EXPECT_FALSE(adds_negation("способный", "ably"));
}

// Only pairs the lists confirm: "meter" has no British spelling here, and
// "realize", which the lists of both spellings know, pairs with "realise".
TEST(spelling_variants, pairs_what_both_lists_confirm) {
    const auto listed = [](const std::string& word) { return word == "realize"; };
    const auto pairs = american_british_pairs({"color", "center", "traveled", "meter"},
                                              {"colour", "centre", "travelled", "realise"}, listed);
    std::map<std::string, std::string> british_of;
    for (const SpellingPair& pair : pairs)
        british_of[pair.american] = pair.british;
    const std::map<std::string, std::string> expected = {{"center", "centre"},
                                                         {"color", "colour"},
                                                         {"realize", "realise"},
                                                         {"traveled", "travelled"}};
    EXPECT_EQ(british_of, expected);
}

// The tagged lexicon ranks each form: tunnel is a noun though the database
// counts the verb a little more often (not twice as often), trains the
// plural, longer the comparative. -ly adverbs, negated auxiliaries, the
// supplement and its forms fill what the source lacks, and the supplement
// never replaces an article.
TEST(qd_import, adds_what_running_text_needs_beyond_the_articles) {
    const std::vector<DictdArticle> articles = {
        {"tunnel", "tunnel\n   [↗tʌnl]\n   1. _n. туннель\n   2. _v. прокладывать туннель\n"},
        {"train", "train\n   [trɛɪn]\n   1. _n. поезд\n   2. _v. воспитывать\n"},
        {"long", "long\n   [lɘŋ] _a. длинный\n"},
        {"slow", "slow\n   [slɘʊ] _a. медленный\n"},
        {"cat", "cat\n   [kæt] _n. кот\n"},
    };
    WordRanks ranks;
    for (const char* form : {"trains", "longer", "slowly"})
        ranks.add(form, 20);
    ranks.add_count("slowly", 900, false);
    ranks.add_count("pizzas", 300, false);
    ranks.add_count("didn't", 9000, false);
    WordUsage usage;
    for (const char* word : {"tunnel", "train"}) {
        usage.set_tagged_count(word, PartOfSpeech::verb, 10);
        usage.set_tagged_count(word, PartOfSpeech::noun, 6);
    }
    usage.set_form_tags("tunnel", {"NN", "VBP"});
    usage.set_form_tags("train", {"NN", "VB", "VBP"});
    usage.set_form_tags("trains", {"NNS", "VBZ"});
    usage.set_form_tags("longer", {"JJR", "RBR"});
    const std::map<std::string, std::string> records =
        import(articles, ranks, usage, {{"pizza", "пицца"}, {"cat", "пицца"}});
    const std::map<std::string, std::string> expected = {
        {"tunnel", "туннель"}, {"train", "поезд"},     {"trains", "поезд"},
        {"longer", "длиннее"}, {"slowly", "медленно"}, {"pizza", "пицца"},
        {"pizzas", "пицца"},   {"cat", "кот"},         {"didn't", "не"}};
    for (const auto& [word, translation] : expected)
        EXPECT_EQ(records.count(word) ? records.at(word) : "(none)", translation) << word;
}
