#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/dictionary/dictionary_loader.h"
#include "core/dictionary/dictionary_store.h"
#include "importer.h"
#include "qd_writer.h"
#include "silent_load_sink.h"
#include "test_folder.h"
#include "translit.h"

using namespace qd_import;

namespace {

// Articles in the shape the real package has: markers, transcriptions,
// labels, examples, references.
const std::vector<DictdArticle> kArticles = {
    {"cat",
     "cat\n   _I  [kæt]\n      1. _n.\n         1) кот; кошка; tom cat кот\n"
     "         2) _зоол. животное семейства кошачьих\n      2. _v.\n         1) бить плетью\n"
     "   _II [kæt] _n. (_сокр. от caterpillar tractor) _ам. _разг.\n         1) трактор\n"},
    {"even",
     "even\n   _I  [↗i:vɜn] _n. _поэт. вечер\n   _II [↗i:vɜn]\n      1. _a.\n"
     "         1) ровный, гладкий\n      2. _adv.\n         1) даже; even if даже если\n"},
    {"go", "go\n   [gɘʊ]\n   1. _v. (went; gone)\n      1) идти, ходить\n   2. _n. ход\n"},
    {"went", "went\n   [wɛnt] _p. от go 1\n"},
    {"have", "have\n   [hæv] _v. (had)\n   1) иметь; обладать\n"},
    {"has", "has\n   [hæz] (полная форма) 3-е л. ед. ч.\nнастоящего времени гл. to have\n"},
    {"loop", "loop\n   = noose\n"},
    {"noose", "noose\n   см. loop\n"},
    {"mr.", "Mr.\n   [↗mɪstɜ] _сокр. от mister 1\n"},
    {"mister", "mister\n   [↗mɪstɜ] _n. господин (_сокр. Mr.)\n"},
    {"to",
     "to\n   [tʊ:] (полная форма)\n   1. _prep.\n      1) указывает на направление к, в, на\n"},
    {"stop",
     "stop\n   [stɔp]\n   1. _v.\n      1) останавливать; stop the car остановите машину\n"},
    {"big", "big\n   [bɪg] _a.\n   1) большой, крупный\n"},
    {"hop", "hop\n   [hɔp] _v. прыгать\n"},
    {"hope", "hope\n   [hɘʊp] _v. надеяться\n"},
    {"child", "child\n   [tʃaɪld] _n. (_pl. children)\n   1) ребёнок, дитя\n"},
    {"a priori", "a priori\n   [↗ɛɪpraɪ↗ɔ:raɪ] _лат. _adv. априори\n"},
    {"'tis", "'tis\n   [tɪz] _сокр. от it is\n"},
    {"say",
     "say\n   [sɛɪ]\n   1. _v. (said)\n      1) говорить, сказать; to say no\n"
     "         а) отрицать;\n         б) отказать\n"},
};

WordRanks ranks_of(const std::map<std::string, int>& levels) {
    WordRanks ranks;
    for (const auto& [word, level] : levels) {
        ranks.add(word, level);
    }
    return ranks;
}

std::map<std::string, std::string> translations(const std::vector<QdRecord>& records) {
    std::map<std::string, std::string> out;
    for (const QdRecord& record : records) {
        out[record.headword] = record.translation;
    }
    return out;
}

struct ImportRun {
    std::map<std::string, std::string> by_headword;
    ImportFigures figures;
};

ImportRun import(const WordRanks& ranks, const WordUsage& usage, Overrides overrides = {},
                 std::size_t limit = kDefaultRecordLimit) {
    Importer importer(ranks, usage, std::move(overrides));
    importer.add_articles(kArticles);
    ImportRun run;
    run.by_headword = translations(importer.records(limit, run.figures));
    return run;
}

}  // namespace

TEST(qd_import, picks_a_short_first_sense_without_labels_or_examples) {
    const auto run = import(WordRanks{}, WordUsage{});
    EXPECT_EQ(run.by_headword.at("cat"), "кот");
    EXPECT_EQ(run.by_headword.at("have"), "иметь");
    // The poetic homograph stands first in the source; the plain one wins.
    EXPECT_EQ(run.by_headword.at("even"), "ровный");
    // The sense's own line, not the sub-senses of its example phrase.
    EXPECT_EQ(run.by_headword.at("say"), "говорить");
    // Descriptions of use, phrases and keys a word lookup never meets are left out.
    EXPECT_EQ(run.by_headword.count("to"), 0u);
    EXPECT_EQ(run.by_headword.count("a priori"), 0u);
    EXPECT_EQ(run.by_headword.count("'tis"), 0u);
}

TEST(qd_import, prefers_the_part_of_speech_the_word_is_mostly_used_as) {
    WordUsage usage;
    usage.set_tagged_count("even", PartOfSpeech::adverb, 20);
    usage.set_tagged_count("even", PartOfSpeech::adjective, 3);
    EXPECT_EQ(import(WordRanks{}, usage).by_headword.at("even"), "даже");
}

TEST(qd_import, follows_references_and_stops_circular_ones) {
    const auto run = import(WordRanks{}, WordUsage{});
    EXPECT_EQ(run.by_headword.at("went"), "идти");  // "_p. от go 1": the verb group
    EXPECT_EQ(run.by_headword.at("has"), "иметь");  // "гл. to have"
    EXPECT_EQ(run.by_headword.at("mr."), "господин");
    EXPECT_EQ(run.by_headword.at("mr"), "господин");  // a lookup never sees the dot
    EXPECT_EQ(run.by_headword.count("loop"), 0u);
    EXPECT_EQ(run.by_headword.count("noose"), 0u);
}

TEST(qd_import, adds_inflected_forms_the_word_list_confirms) {
    WordUsage usage;
    usage.add_irregular_form({"children", "child", PartOfSpeech::noun});
    usage.add_irregular_form({"gone", "go", PartOfSpeech::verb});
    WordRanks ranks = ranks_of({{"cats", 20},
                                {"catted", 80},
                                {"stopped", 20},
                                {"stopping", 20},
                                {"stops", 20},
                                {"bigger", 20},
                                {"biggest", 20},
                                {"children", 10},
                                {"gone", 10},
                                {"goes", 10},
                                {"cat's", 35},
                                {"child's", 35},
                                {"hoped", 10},
                                {"hopped", 20}});
    // Only a noun common in running text earns a possessive.
    ranks.add_count("cat", 5000, false);
    const auto run = import(ranks, usage);
    const std::map<std::string, std::string> expected = {{"cats", "кот"},
                                                         {"catted", "бить плетью"},
                                                         {"stopped", "останавливать"},
                                                         {"stopping", "останавливать"},
                                                         {"stops", "останавливать"},
                                                         {"bigger", "большой"},
                                                         {"biggest", "большой"},
                                                         {"children", "ребёнок"},
                                                         {"gone", "идти"},
                                                         {"goes", "ход"},
                                                         {"cat's", "кот"},
                                                         {"hoped", "надеяться"},
                                                         {"hopped", "прыгать"}};
    for (const auto& [form, translation] : expected) {
        EXPECT_EQ(run.by_headword.count(form) ? run.by_headword.at(form) : "(none)", translation)
            << form;
    }
    // Spellings the list does not confirm are not invented.
    for (const char* unconfirmed : {"stoped", "catts", "biger", "childs", "haves", "child's"}) {
        EXPECT_EQ(run.by_headword.count(unconfirmed), 0u) << unconfirmed;
    }
}

TEST(qd_import, keeps_the_commonest_words_within_the_limit) {
    const auto ranks = ranks_of({{"cat", 10}, {"cats", 10}, {"go", 20}, {"big", 35}, {"have", 50}});
    const auto run = import(ranks, WordUsage{}, {}, 3);
    EXPECT_EQ(run.by_headword.size(), 3u);
    EXPECT_EQ(run.by_headword.count("cat"), 1u);
    EXPECT_EQ(run.by_headword.count("cats"), 1u);
    EXPECT_EQ(run.by_headword.count("go"), 1u);
    EXPECT_GT(run.figures.left_out, 0u);
}

TEST(qd_import, overrides_win_and_reach_references) {
    const auto run =
        import(WordRanks{}, WordUsage{}, {{"to", "к"}, {"go", "идти, ехать"}, {"new", "новый"}});
    EXPECT_EQ(run.by_headword.at("to"), "к");
    EXPECT_EQ(run.by_headword.at("went"), "идти, ехать");
    EXPECT_EQ(run.by_headword.at("new"), "новый");
}

TEST(qd_import, writes_lines_with_commas_quoted_and_no_stray_quote) {
    EXPECT_EQ(qd_line({"cat", "кот"}), "cat,кот,kot");
    EXPECT_EQ(qd_line({"at", "в, у"}), "at,\"в, у\",\"v, u\"");
    EXPECT_EQ(qd_line({"bar", "\"цветной\" барьер, граница"}),
              "bar,\"«цветной» барьер, граница\",\"«cvetnoj» barjer, granica\"");
    EXPECT_EQ(qd_line({"tab", "  раз\tдва\r\n"}), "tab,раз два,raz dva");
}

TEST(qd_import, transliterates_by_the_programs_own_scheme) {
    EXPECT_EQ(transliterate("Сохранить"), "Sohranitj");
    EXPECT_EQ(transliterate("неправильный"), "nepraviljnij");
    EXPECT_EQ(transliterate("Версия"), "Versija");
    EXPECT_EQ(transliterate("Ёж, щёки, объём, цех, Юла, Щука, Ъ"),
              "Jozh, shjoki, objom, ceh, Jula, Shuka, ");
    EXPECT_EQ(transliterate("эхо-камера 2"), "eho-kamera 2");
}

TEST(qd_import, output_loads_in_the_programs_loader_unshifted) {
    WordUsage usage;
    usage.add_irregular_form({"children", "child", PartOfSpeech::noun});
    const WordRanks ranks = ranks_of({{"cats", 20}, {"children", 10}});
    Importer importer(ranks, usage,
                      {{"at", "в, у"}, {"bar", "\"цветной\" барьер"}, {"about", "о, об, около"}});
    importer.add_articles(kArticles);
    ImportFigures figures;
    const auto records = importer.records(kDefaultRecordLimit, figures);

    TestFolder folder;
    const auto written = write_qd_file(folder.file("qd.dat"), records);
    EXPECT_EQ(written.written, records.size());
    const std::string bytes = folder.read("qd.dat");
    EXPECT_NE(bytes.find("cat,\xEA\xEE\xF2,kot\r\n"), std::string::npos);  // Windows-1251, CR LF

    vorna::DictionaryStore store;
    SilentLoadSink sink;
    ASSERT_TRUE(vorna::load_dictionary(store, folder.path(), sink));
    ASSERT_EQ(store.entry_count, static_cast<int32_t>(records.size()));
    const auto expected = translations(records);
    for (int32_t row = 1; row <= store.entry_count; ++row) {
        const auto& entry = store.entries[static_cast<std::size_t>(row)];
        ASSERT_EQ(expected.count(entry.word_eng), 1u) << entry.word_eng;
        EXPECT_EQ(entry.word_rus, field_safe(expected.at(entry.word_eng))) << entry.word_eng;
        EXPECT_EQ(entry.word_translit, transliterate(entry.word_rus)) << entry.word_eng;
    }
}

// Articles where the first sense in the source is not what running text means.
const std::vector<DictdArticle> kUsageArticles = {
    {"may",
     "may\n   _I  [mɛɪ] _v. (might) модальный глагол\n      1) мочь, иметь возможность\n"
     "   _II [mɛɪ] _n. _поэт. дева\n"},
    {"May", "May\n   [mɛɪ] _n. май\n"},
    {"two", "two\n   [tʊ:]\n   1. _n-card. два\n   2. _n.\n      1) двойка\n"},
    {"where", "where\n   [weɜ]\n   1. _adv.\n      1) где\n   2. _cj. туда\n   3. _n. место\n"},
    {"under", "under\n   [↗ʌndɜ]\n   1. _prep. под\n   2. _adv. ниже\n   3. _a. нижний\n"},
    {"law", "law\n   [lɔ:] _n. закон\n"},
    {"laws", "laws\n   [lɔ:z] _int. _уст. неужто\n"},
    {"jane", "Jane\n   [dʒɛɪn] _n. _разг. бабёнка\n"},
    {"win",
     "win\n   [wɪn]\n   1. _n. выигрыш\n   2. _v. (won)\n"
     "      1) выиграть; to win the day _уст. одержать победу\n      2) добираться\n"},
    {"cannot", "cannot\n   [↗kænɘt] отриц. форма гл. can\n"},
    {"sick", "sick\n   [sɪk] _a. преим. больной\n"},
};

TEST(qd_import, chooses_the_sense_running_text_means) {
    WordRanks ranks;
    for (const auto& [form, count] : std::map<std::string, long long>{{"may", 90000},
                                                                      {"where", 90000},
                                                                      {"under", 13000},
                                                                      {"law", 5000},
                                                                      {"laws", 900},
                                                                      {"two", 30000}}) {
        ranks.add_count(form, count, false);
    }
    ranks.add_count("Jane", 4000, true);
    ranks.add("Jane", 50);
    WordUsage usage;
    usage.set_tagged_count("may", PartOfSpeech::noun, 29);  // the month
    usage.set_tagged_count("may", PartOfSpeech::verb, 7);
    usage.set_tagged_count("where", PartOfSpeech::noun, 1);
    usage.set_tagged_count("under", PartOfSpeech::adjective, 3);
    usage.set_tagged_count("law", PartOfSpeech::noun, 300);
    usage.set_tagged_count("two", PartOfSpeech::adjective, 500);
    usage.set_tagged_count("win", PartOfSpeech::verb, 60);
    Importer importer(ranks, usage, {});
    importer.add_articles(kUsageArticles);
    ImportFigures figures;
    const auto by_headword = translations(importer.records(kDefaultRecordLimit, figures));
    const std::map<std::string, std::string> expected = {
        {"may", "мочь"},     // a modal, whatever the month is tagged as
        {"two", "два"},      // the numeral, not the card
        {"where", "где"},    // rarely tagged: a function word in the article's order
        {"under", "под"},    // ... its preposition, though tagged as adjective
        {"laws", "закон"},   // a form of a commoner word, not the interjection
        {"win", "выиграть"}  // a label in the example does not make the sense rare
    };
    for (const auto& [word, translation] : expected) {
        EXPECT_EQ(by_headword.count(word) ? by_headword.at(word) : "(none)", translation) << word;
    }
    // A name with only a slang sense is shown as written; labels and
    // abbreviations are never a translation.
    EXPECT_EQ(by_headword.count("jane"), 0u);
    EXPECT_EQ(figures.names, 1u);
    EXPECT_EQ(by_headword.count("cannot"), 0u);
    EXPECT_EQ(by_headword.at("sick"), "больной");
}

TEST(qd_import, fills_the_records_by_counts_in_running_text) {
    WordRanks ranks = ranks_of({{"cat", 10}, {"go", 10}, {"big", 10}, {"have", 10}});
    ranks.add_count("have", 300000, false);
    ranks.add_count("big", 20000, false);
    const auto run = import(ranks, WordUsage{}, {}, 2);
    EXPECT_EQ(run.by_headword.count("have"), 1u);
    EXPECT_EQ(run.by_headword.count("big"), 1u);
}
