#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/dictionary/dictionary_loader.h"
#include "core/dictionary/dictionary_store.h"
#include "importer.h"
#include "qd_writer.h"
#include "reviewed.h"
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
    for (const auto& [word, level] : levels)
        ranks.add(word, level);
    return ranks;
}

std::map<std::string, std::string> translations(const std::vector<QdRecord>& records) {
    std::map<std::string, std::string> out;
    for (const QdRecord& record : records)
        out[record.headword] = record.translation;
    return out;
}

// Stands for a word that must get no record.
const char* const kNone = "(none)";
using Expected = std::map<std::string, std::string>;

void expect_translations(const std::map<std::string, std::string>& by_headword,
                         const Expected& expected) {
    for (const auto& [word, translation] : expected) {
        const auto found = by_headword.find(word);
        EXPECT_EQ(found == by_headword.end() ? kNone : found->second, translation) << word;
    }
}

struct ImportRun {
    std::vector<QdRecord> records;
    std::map<std::string, std::string> by_headword;
    ImportFigures figures;
};

ImportRun import(const WordRanks& ranks, const WordUsage& usage, Overrides overrides = {},
                 std::size_t limit = kDefaultRecordLimit,
                 const std::vector<DictdArticle>& articles = kArticles) {
    Importer importer(ranks, usage, std::move(overrides));
    importer.add_articles(articles);
    ImportRun run;
    run.records = importer.records(limit, run.figures);
    run.by_headword = translations(run.records);
    return run;
}

}  // namespace

// For even the poetic homograph stands first in the source and the plain one
// wins; for say, the sense's own line, not the sub-senses of its example.
// References: went is "_p. от go 1" (the verb group), has is "гл. to have", and
// a lookup never sees the dot of mr. Descriptions of use (to), phrases, keys a
// word lookup never meets and circular references (loop, noose) are left out.
TEST(qd_import, picks_a_short_plain_first_sense_and_follows_references) {
    const Expected expected = {{"cat", "кот"},      {"have", "иметь"},  {"even", "ровный"},
                               {"say", "говорить"}, {"went", "идти"},   {"has", "иметь"},
                               {"mr.", "господин"}, {"mr", "господин"}, {"to", kNone},
                               {"'tis", kNone},     {"loop", kNone},    {"noose", kNone},
                               {"a priori", kNone}};
    expect_translations(import(WordRanks{}, WordUsage{}).by_headword, expected);

    WordUsage usage;  // the part of speech the word is mostly used as wins
    usage.set_tagged_count("even", PartOfSpeech::adverb, 20);
    usage.set_tagged_count("even", PartOfSpeech::adjective, 3);
    EXPECT_EQ(import(WordRanks{}, usage).by_headword.at("even"), "даже");
}

TEST(qd_import, adds_inflected_forms_the_word_list_confirms) {
    WordUsage usage;
    usage.add_irregular_form({"children", "child", PartOfSpeech::noun});
    usage.add_irregular_form({"gone", "go", PartOfSpeech::verb});
    const std::map<std::string, int> levels = {
        {"cats", 20},   {"catted", 80},  {"stopped", 20},  {"stopping", 20}, {"stops", 20},
        {"bigger", 20}, {"biggest", 20}, {"children", 10}, {"gone", 10},     {"goes", 10},
        {"cat's", 35},  {"child's", 35}, {"hoped", 10},    {"hopped", 20}};
    WordRanks ranks = ranks_of(levels);
    // Only a noun common in running text earns a possessive (cat's, not child's);
    // spellings the list does not confirm are not invented.
    ranks.add_count("cat", 5000, false);
    const std::pair<const char*, std::vector<const char*>> expected[] = {
        {"кот", {"cats", "cat's"}},
        {"бить плетью", {"catted"}},
        {"останавливать", {"stopped", "stopping", "stops"}},
        {"больше", {"bigger"}},
        {"самый большой", {"biggest"}},
        {"ребёнок", {"children"}},
        {"идти", {"gone"}},
        {"ход", {"goes"}},
        {"надеяться", {"hoped"}},
        {"прыгать", {"hopped"}},
        {kNone, {"stoped", "catts", "biger", "childs", "haves", "child's"}}};
    const auto by_headword = import(ranks, usage).by_headword;
    for (const auto& [translation, forms] : expected)
        for (const char* form : forms)
            EXPECT_EQ(by_headword.count(form) ? by_headword.at(form) : kNone, translation) << form;
}

TEST(qd_import, keeps_the_commonest_words_within_the_limit) {
    const auto ranks = ranks_of({{"cat", 10}, {"cats", 10}, {"go", 20}, {"big", 35}, {"have", 50}});
    const auto run = import(ranks, WordUsage{}, {}, 3);
    EXPECT_EQ(run.by_headword.size(), 3u);
    EXPECT_EQ(
        run.by_headword.count("cat") + run.by_headword.count("cats") + run.by_headword.count("go"),
        3u);
    EXPECT_GT(run.figures.left_out, 0u);

    // Among equal ranks, counts in running text decide.
    WordRanks counted = ranks_of({{"cat", 10}, {"go", 10}, {"big", 10}, {"have", 10}});
    counted.add_count("have", 300000, false);
    counted.add_count("big", 20000, false);
    const auto by_count = import(counted, WordUsage{}, {}, 2).by_headword;
    EXPECT_EQ(by_count.count("have") + by_count.count("big"), 2u);
}

TEST(qd_import, overrides_win_and_reach_references) {
    const auto run =
        import(WordRanks{}, WordUsage{}, {{"to", "к"}, {"go", "идти, ехать"}, {"new", "новый"}});
    EXPECT_EQ(run.by_headword.at("to"), "к");
    EXPECT_EQ(run.by_headword.at("went"), "идти, ехать");
    EXPECT_EQ(run.by_headword.at("new"), "новый");
}

// A reviewed word wins over the article's order and its forms follow it; a
// line for one part of speech serves the forms of that part, a form with a
// line of its own keeps it, and "none" leaves the headword without a record.
TEST(qd_import, reviewed_decisions_come_first_and_forms_follow) {
    TestFolder folder;
    folder.write("reviewed.txt",
                 "# comment\n"
                 "cat       sense  кошка\n"
                 "cat/v     sense  бить\n"
                 "stop      sense  останавливать\n"
                 "stopped   new    остановившийся\n"
                 "go        sense  ехать\n"
                 "mister    none\n"
                 "mr        new    мистер\n"
                 "tbsp      new    столовая ложка\n");
    const ReviewedWords reviewed = read_reviewed(folder.file("reviewed.txt"));
    EXPECT_EQ(reviewed.words.at("stopped").mark, ReviewMark::added);
    EXPECT_EQ(reviewed.words.at("mister").mark, ReviewMark::no_record);

    const auto ranks = ranks_of({{"cats", 20}, {"catted", 80}, {"stopped", 20}, {"stops", 20}});
    const WordUsage usage;
    Importer importer(ranks, usage, {});
    importer.add_reviewed(reviewed);
    importer.add_articles(kArticles);
    ImportFigures figures;
    const Expected expected = {{"cat", "кошка"},
                               {"cats", "кошка"},
                               {"catted", "бить"},
                               {"stops", "останавливать"},
                               {"stopped", "остановившийся"},
                               {"mister", kNone},
                               {"mr", "мистер"},
                               {"tbsp", "столовая ложка"}};
    expect_translations(translations(importer.records(kDefaultRecordLimit, figures)), expected);
    EXPECT_EQ(figures.reviewed_out, 1u);
    // "ехать" is not in the article of go: a slip the import reports.
    EXPECT_EQ(importer.unattested_senses(), std::vector<std::string>{"go ехать"});

    for (const char* wrong : {"cat  maybe  кот\n", "cat  sense\n", "cat  none  кот\n",
                              "cat/x  sense  кот\n", "cat  sense  кот\ncat  new  кошка\n"}) {
        folder.write("wrong.txt", wrong);
        EXPECT_THROW(read_reviewed(folder.file("wrong.txt")), std::runtime_error) << wrong;
    }
}

TEST(qd_import, writes_lines_with_commas_quoted_and_no_stray_quote) {
    EXPECT_EQ(qd_line({"cat", "кот"}), "cat,кот,kot");
    EXPECT_EQ(qd_line({"at", "в, у"}), "at,\"в, у\",\"v, u\"");
    EXPECT_EQ(qd_line({"bar", "\"цветной\" барьер, граница"}),
              "bar,\"«цветной» барьер, граница\",\"«cvetnoj» barjer, granica\"");
    EXPECT_EQ(qd_line({"tab", "  раз\tдва\r\n"}), "tab,раз два,raz dva");
}

TEST(qd_import, transliterates_by_the_programs_own_scheme) {
    EXPECT_EQ(transliterate("Сохранить неправильный Версия"), "Sohranitj nepraviljnij Versija");
    EXPECT_EQ(transliterate("Ёж, щёки, объём, цех, Юла, Щука, Ъ"),
              "Jozh, shjoki, objom, ceh, Jula, Shuka, ");
    EXPECT_EQ(transliterate("эхо-камера 2"), "eho-kamera 2");
}

TEST(qd_import, output_loads_in_the_programs_loader_unshifted) {
    WordUsage usage;
    usage.add_irregular_form({"children", "child", PartOfSpeech::noun});
    const WordRanks ranks = ranks_of({{"cats", 20}, {"children", 10}});
    const auto run = import(
        ranks, usage, {{"at", "в, у"}, {"bar", "\"цветной\" барьер"}, {"about", "о, об, около"}});
    const std::vector<QdRecord>& records = run.records;

    TestFolder folder;
    const auto written = write_qd_file(folder.file("qd.dat"), records);
    EXPECT_EQ(written.written, records.size());
    const std::string bytes = folder.read("qd.dat");
    EXPECT_NE(bytes.find("cat,\xEA\xEE\xF2,kot\r\n"), std::string::npos);  // Windows-1251, CR LF

    vorna::DictionaryStore store;
    SilentLoadSink sink;
    ASSERT_TRUE(vorna::load_dictionary(store, folder.path(), sink));
    ASSERT_EQ(store.entry_count, static_cast<int32_t>(records.size()));
    const auto& expected = run.by_headword;
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
    {"bear",
     "bear\n   _I [beɜ]\n   1. _n. медведь\n   2. _v. _бирж. играть на понижение\n"
     "   _II [beɜ] _v. носить\n"},
};

// A modal whatever the month is tagged as; the numeral, not the card; a
// rarely tagged function word in the article's order, and a preposition though
// tagged as adjective; a form of a commoner word, not the interjection; a label
// in the example does not make the sense rare, and the jargon of a trade is
// passed over. A name with only a slang sense
// is shown as written; labels and abbreviations are never a translation.
TEST(qd_import, chooses_the_sense_running_text_means) {
    WordRanks ranks;
    const std::map<std::string, long long> counts = {{"may", 90000},   {"where", 90000},
                                                     {"under", 13000}, {"law", 5000},
                                                     {"laws", 900},    {"two", 30000}};
    for (const auto& [form, count] : counts)
        ranks.add_count(form, count, false);
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
    usage.set_tagged_count("bear", PartOfSpeech::verb, 80);
    const auto run = import(ranks, usage, {}, kDefaultRecordLimit, kUsageArticles);
    const Expected expected = {{"may", "мочь"},   {"two", "два"},    {"where", "где"},
                               {"under", "под"},  {"laws", "закон"}, {"win", "выиграть"},
                               {"jane", kNone},   {"cannot", kNone}, {"sick", "больной"},
                               {"bear", "носить"}};
    expect_translations(run.by_headword, expected);
    EXPECT_EQ(run.figures.names, 1u);
}
