#include <gtest/gtest.h>

#include <map>

#include "core/dictionary/article_text.h"
#include "core/dictionary/word_article.h"
#include "core/engine/unknown_words_table.h"
#include "dictzip_writer.h"
#include "engine_fixture.h"
#include "temp_folder.h"

namespace vorna {
namespace {

using testing::EngineFixture;

// Forms from a table, counting the questions.
struct TableForms : WordForms {
    explicit TableForms(std::map<std::string, std::vector<std::string>> forms)
        : table(std::move(forms)) {}
    const std::vector<std::string>& forms_of(std::string_view word) override {
        ++questions;
        const auto found = table.find(std::string(word));
        return found == table.end() ? none : found->second;
    }
    std::map<std::string, std::vector<std::string>> table;
    std::vector<std::string> none;
    int questions = 0;
};

TEST(article_text, renders_articles_without_markup_and_checks_their_words) {
    const std::string article =
        "cat\n   _I  [k\xE2\x86\x97\xC3\xA6t]\n      1. _n.\n"
        "         1) кот; кошка; tom cat кот; to be (или to sit) at\n"
        "         table быть за столом {см. тж. kitten}\n"
        "         2)_зоол. животное семейства кошачьих\n"
        "      2. _v. а) бить плетью\n"
        "   _II [kæt] _n. _ам. _разг. трактор\n";
    EXPECT_EQ(render_article(article),
              "cat\n"
              "I [kˈæt]\n"
              "   1. существительное\n"
              "      1) кот; кошка\n"
              "         tom cat — кот\n"
              "         to be (или to sit) at table — быть за столом (см. тж. kitten)\n"
              "      2) зоол. животное семейства кошачьих\n"
              "   2. глагол а) бить плетью\n"
              "\nII [kæt]\n"
              "   существительное ам. разг. трактор\n");
    EXPECT_EQ(render_article("went\n   [wɛnt] _p. от go 1\n"), "went [wɛnt]\nпрош. вр. от go 1\n");
    EXPECT_EQ(render_article(""), "\n");
    EXPECT_EQ(render_article("_\n_I\n9)\n_x"), "_\nI\n      9) _x\n");  // stray markup

    // Words that cannot be looked up say why.
    EXPECT_EQ(check_article_word(""), ArticleWordProblem::empty);
    EXPECT_EQ(check_article_word("a"), ArticleWordProblem::one_letter);
    for (const char* word : {"'-", "co2", "кот"})
        EXPECT_EQ(check_article_word(word), ArticleWordProblem::not_a_word) << word;
    for (const char* word : {"o'clock", "Well-known"})
        EXPECT_EQ(check_article_word(word), ArticleWordProblem::none) << word;
}

TEST(word_article, shows_the_forms_articles_and_falls_back_to_the_record) {
    testing::TempFolder folder;
    const std::string text = "go\n   _v. идти\nwent\n   _p. от go\n";
    folder.write("t.index", "go\tA\tT\nwent\tT\tU\n");
    folder.write("t.dict.dz", testing::dictzip(text, 8));
    DictdDictionary full({folder.file("t.index"), folder.file("t.dict.dz")});
    TableForms forms({{"went", {"go"}}, {"goes", {"go"}}});
    EngineFixture fixture({{"go", "идти", "idti"}});

    WordArticle went = find_word_article("Went", full, &forms, &fixture.store, Script::cyrillic);
    EXPECT_EQ(went.source, WordArticle::Source::full_dictionary);
    EXPECT_EQ(went.text, "went\nпрош. вр. от go\n\ngo\nглагол идти\n");
    EXPECT_EQ(find_word_article("goes", full, &forms, nullptr, Script::cyrillic).text,
              "go\nглагол идти\n");
    EXPECT_EQ(find_word_article("gone", full, &forms, nullptr, Script::cyrillic).source,
              WordArticle::Source::none);

    DictdDictionary missing({folder.file("none.index"), folder.file("t.dict.dz")});
    went = find_word_article("went", missing, &forms, &fixture.store, Script::translit);
    EXPECT_FALSE(went.full_dictionary_installed);
    EXPECT_EQ(went.source, WordArticle::Source::record);
    EXPECT_EQ(went.text, "go — idti\n");

    folder.write("cut.dict.dz", testing::dictzip(text, 8).substr(0, 30));
    DictdDictionary damaged({folder.file("t.index"), folder.file("cut.dict.dz")});
    const WordArticle go =
        find_word_article("go", damaged, &forms, &fixture.store, Script::cyrillic);
    EXPECT_TRUE(go.full_dictionary_installed);
    EXPECT_FALSE(go.full_dictionary_status.ok());
    EXPECT_EQ(go.text, "go — идти\n");
}

TEST(engine_forms, unknown_words_are_found_by_their_forms_only_when_asked) {
    EngineFixture fixture({{"go", "идти", "idti"}, {"child", "ребёнок", "rebjonok"}});
    TableForms forms({{"went", {"gone", "go"}}, {"children", {"child"}}, {"xy", {"x", "@b"}}});
    const std::string text = "Went went children xy zz go\n";
    EXPECT_EQ(fixture.text(text).text, "Went went children xy zz идти\r\n");
    EXPECT_EQ(forms.questions, 0);

    for (const bool literal : {false, true}) {
        if (literal)
            fixture.drop_lookup_hash();
        TranslationOptions options;
        options.word_forms = &forms;
        options.collect_unknown_words = true;
        fixture.set_options(options);
        const TranslationResult result = fixture.text(text);
        EXPECT_EQ(result.text, "Идти идти ребёнок xy zz идти\r\n");
        EXPECT_EQ(result.counts.unknown_word_count, 2);
        EXPECT_EQ(fixture.count_of("go", result.counts), 3);
        EXPECT_EQ(fixture.count_of("child", result.counts), 1);
        ASSERT_EQ(result.unknown_words.size(), 2u);
        EXPECT_EQ(result.unknown_words[0].word, "xy");
    }
}

TEST(unknown_words_table, most_frequent_first_with_forms_and_cut_first_sentences) {
    const std::string text =
        "The cat sat. Zebras ran! Yaks ran\nfar away.\n\nNew paragraph: zebras again; "
        "yaks again? Yes.";
    const std::vector<UnknownWord> words = {{"zebras", 2, 13}, {"yaks", 2, 25}, {"far", 1, 35}};
    const std::vector<UnknownWordRow> rows = unknown_word_rows(words, text);
    ASSERT_EQ(rows.size(), 3u);
    TableForms forms({{"zebras", {"zebra"}}, {"far", {}}});
    EXPECT_EQ(unknown_words_tsv(rows, &forms),
              "yaks\t2\t\tYaks ran far away.\n"
              "zebras\t2\tzebra\tZebras ran!\n"
              "far\t1\t\tYaks ran far away.\n");
    EXPECT_EQ(sentence_around(text, 70), "New paragraph: zebras again; yaks again?");
    // A title before a name ends no sentence; the same letters ending a word do.
    const std::string titles = "Mr. and Mrs. Bennet met Dr. Jones at St. Paul's. Hmm. Me.";
    EXPECT_EQ(sentence_around(titles, 24), "Mr. and Mrs. Bennet met Dr. Jones at St. Paul's.");
    EXPECT_EQ(sentence_around("It was his first. Mr. Smith came.", 25), "Mr. Smith came.");
    EXPECT_EQ(sentence_around("Go to Hamst. Then stop.", 19), "Then stop.");
    EXPECT_EQ(unknown_words_tsv({}, &forms), "");

    // A long sentence is cut around the word at word ends.
    std::string long_text;
    for (int i = 0; i < 60; ++i)
        long_text += "слово word ";
    long_text += "target";
    for (int i = 0; i < 60; ++i)
        long_text += " more слово";
    const std::string sentence = sentence_around(long_text, long_text.find("target"));
    EXPECT_NE(sentence.find("target"), std::string::npos);
    EXPECT_LE(count_code_points(sentence), 200u);
    EXPECT_GT(count_code_points(sentence), 150u);
    // Whole words at both ends.
    EXPECT_TRUE(sentence.rfind("слово ", 0) == 0 || sentence.rfind("word ", 0) == 0) << sentence;
    const std::string_view end = std::string_view(sentence).substr(sentence.rfind(' ') + 1);
    EXPECT_TRUE(end == "слово" || end == "more") << sentence;

    // Words far apart in one long sentence each get the stretch around them.
    const std::vector<UnknownWord> apart = {{"target", 1, long_text.find("target")},
                                            {"tail", 1, long_text.rfind("more")}};
    const std::vector<UnknownWordRow> apart_rows = unknown_word_rows(apart, long_text);
    EXPECT_EQ(apart_rows[1].sentence, sentence);
    EXPECT_NE(apart_rows[0].sentence.find("more слово"), std::string::npos);
    EXPECT_EQ(apart_rows[0].sentence.find("target"), std::string::npos);
}

TEST(unknown_words_table, cells_a_spreadsheet_would_run_get_an_apostrophe) {
    TableForms forms({{"x-ray", {"-ray"}}, {"plus", {}}});
    const std::vector<UnknownWordRow> rows = {{"x-ray", 1, "=HYPERLINK(\"x\")"},
                                              {"plus", 1, "+1 -1 @a"},
                                              {"minus", 1, "-2 degrees"},
                                              {"at", 1, "@SUM(A1)"},
                                              {"fine", 1, "A = b"}};
    EXPECT_EQ(unknown_words_tsv(rows, &forms),
              "x-ray\t1\t'-ray\t'=HYPERLINK(\"x\")\n"
              "plus\t1\t\t'+1 -1 @a\n"
              "minus\t1\t\t'-2 degrees\n"
              "at\t1\t\t'@SUM(A1)\n"
              "fine\t1\t\tA = b\n");
}

}  // namespace
}  // namespace vorna
