#include <gtest/gtest.h>

#include "engine_fixture.h"

namespace vorna {
namespace {

using testing::EngineFixture;
using testing::small_dictionary;

TEST(text_line_translate, text_output_keeps_every_separator_in_place) {
    EngineFixture f(small_dictionary());
    EXPECT_EQ(f.line("Hello, cat!"), "Привет, кошка!");
    EXPECT_EQ(f.line("  see 2 cats"), "  see 2 cats");
    EXPECT_EQ(f.line("cat123dog"), "кошка123собака");
    EXPECT_EQ(f.line("Кот и cat"), "Кот и кошка");
    EXPECT_EQ(f.line("I am here"), " являюсь здесь");
    EXPECT_EQ(f.line("a - b"), "  ");
    EXPECT_EQ(f.line("x rock'n'roll y"), "  ");
    EXPECT_EQ(f.line("..."), "...");
}

TEST(text_line_translate, any_other_character_passes_through_untouched) {
    EngineFixture f(small_dictionary());
    const std::string odd = std::string("\tкот 🐈 € ") + '\0' + "\xEF\xBF\xBF ";
    EXPECT_EQ(f.line(odd + "cat" + odd), odd + "кошка" + odd);
    const std::string broken = "\xFF\xC3 cat \xE2\x82";  // not UTF-8 at all
    EXPECT_EQ(f.line(broken), "\xFF\xC3 кошка \xE2\x82");
}

TEST(text_line_translate, word_list_gives_a_line_per_word_and_the_closing_separators) {
    EngineFixture f(small_dictionary());
    f.translator.type_of_translate = "\r\n";
    EXPECT_EQ(f.line("The cat, the dog."),
              "The - Этот\r\ncat - кошка\r\nthe - этот\r\ndog - собака\r\n.\r\n");
    EXPECT_EQ(f.line("  a cat"), "a - \r\ncat - кошка\r\n");
    EXPECT_EQ(f.line("(see below)"), "see - see\r\nbelow - below\r\n)\r\n");
    EXPECT_EQ(f.line("am 999 here"), "am - являюсь\r\nhere - здесь\r\n");
    EXPECT_EQ(f.line("am 999."), "am - являюсь\r\n 999.\r\n");
    EXPECT_EQ(f.line("123"), "123\r\n");
    EXPECT_EQ(f.line("a - b"), "a - \r\n- - \r\nb - \r\n");
}

TEST(text_line_translate, scans_only_the_characters_it_is_given) {
    EngineFixture f(small_dictionary());
    std::string out = "stale";
    text_line_translate(f.translator, f.host, "cat dog", 0, out);
    EXPECT_EQ(out, "");
    text_line_translate(f.translator, f.host, "cat dog", -5, out);
    EXPECT_EQ(out, "");
    text_line_translate(f.translator, f.host, "ёж cat dog", 6, out);
    EXPECT_EQ(out, "ёж кошка");
    EXPECT_EQ(f.count_of("dog"), 0);
}

}  // namespace
}  // namespace vorna
