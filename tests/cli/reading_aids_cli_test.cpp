#include <cerrno>
#include <cstring>

#include "cli_fixture.h"
#include "core/dictionary/dictd_dictionary.h"

namespace vorna {
namespace {

namespace fs = std::filesystem;

class ReadingAidsCliTest : public testing::CliFixture {
  protected:
    void SetUp() override {
        CliFixture::SetUp();
        put("in.txt", "Ran feet. Tables! Zorbs ran\nzorbs, book\n");
    }
};

TEST_F(ReadingAidsCliTest, lemmas_and_unknown_words_follow_the_statistics) {
    ASSERT_EQ(translate("in.txt"), 0);
    EXPECT_EQ(read("out.txt"), "Ran feet. Tables! Zorbs ran\nzorbs, книга\n");
    ASSERT_EQ(translate("--lemmas --stats stats.txt in.txt"), 0);
    EXPECT_EQ(read("out.txt"), "Бежать нога. Стол! Zorbs бежать\nzorbs, книга\n");
    EXPECT_NE(read("stats.txt").find("run\t\t - \t2"), std::string::npos) << read("stats.txt");

    // Unknown words are counted as the statistics count them.
    ASSERT_EQ(translate("--unknown words.tsv --stats - in.txt"), 0);
    EXPECT_EQ(read("words.tsv"),
              "ran\t2\trun\tRan feet.\n"
              "zorbs\t2\t\tZorbs ran zorbs, book\n"
              "feet\t1\tfoot\tRan feet.\n"
              "tables\t1\ttable\tTables!\n");
    EXPECT_NE(read("err.txt").find(" 6\n"), std::string::npos) << read("err.txt");
    ASSERT_EQ(translate("--lemmas --unknown - in.txt"), 0);
    EXPECT_EQ(read("err.txt"), "zorbs\t2\t\tZorbs ran zorbs, book\n");
    EXPECT_EQ(translate("--unknown no-such-folder/words.tsv in.txt"), 3);
    EXPECT_FALSE(fs::exists(folder_ / "out.txt") && !read("out.txt").empty());
}

TEST_F(ReadingAidsCliTest, lemmas_never_translate_a_negated_word_by_its_positive) {
    put("qd.dat",
        "he,он,on\nwas,был,bil\nsuperior,высший,vysshij\nand,и,i\nhis,его,ego\n"
        "manner,манера,manera\nwere,были,bili\nfortunate,счастливый,schastlivyj\n"
        "finite,ограниченный,ogranichennyj\nvarying,менять,menyatj\n"
        "affected,затронутый,zatronutyj\nquester,искатель,iskatelj\n");
    put("austen.txt",
        "Unfortunately he was infinitely superior and unvarying. His manners were unaffected.\n"
        "The requester\n");
    ASSERT_EQ(translate("--lemmas austen.txt"), 0);
    EXPECT_EQ(read("out.txt"),
              "Unfortunately он был infinitely высший и unvarying. Его манера были unaffected.\n"
              "The requester\n");
}

TEST_F(ReadingAidsCliTest, article_prints_plain_text_or_says_why_not) {
    EXPECT_EQ(translate("--article x"), 2);
    EXPECT_EQ(read("err.txt"), "vorna-translate: Слово из одной буквы не ищется в словаре: x\n");
    EXPECT_EQ(translate("--translit --article 'co2'"), 2);
    EXPECT_EQ(read("err.txt"),
              "vorna-translate: V slove dopustimi toljko latinskie bukvi, apostrof i defis: co2\n");
    EXPECT_EQ(translate("--article go in.txt"), 2);  // an article is not a translation

    const int status = translate("--article Went");
    if (!DictdDictionary(installed_article_files()).installed()) {
        EXPECT_EQ(status, 5);
        EXPECT_EQ(read("out.txt"), "go — идти\n");
        // A qd.dat that cannot be read is named with the system's reason.
        dictionary_option_ = "--dictionary . ";
        EXPECT_EQ(translate("--article Went"), 1);
        EXPECT_NE(read("err.txt").find(std::string(".: ") + std::strerror(EISDIR)),
                  std::string::npos)
            << read("err.txt");
        return;
    }
    EXPECT_EQ(status, 0);
    const std::string article = read("out.txt");
    EXPECT_EQ(article.rfind("went [", 0), 0u) << article;
    EXPECT_NE(article.find("\ngo ["), std::string::npos);  // the headword of the form
    EXPECT_EQ(article.find('_'), std::string::npos);       // no markup left
    EXPECT_EQ(translate("--article zzxqv"), 4);
    EXPECT_EQ(read("out.txt"), "");
    EXPECT_EQ(read("err.txt"), "vorna-translate: В словаре нет статьи для слова: zzxqv\n");
}

}  // namespace
}  // namespace vorna
