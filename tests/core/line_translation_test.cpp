#include <gtest/gtest.h>

#include "engine_fixture.h"

namespace vorna {
namespace {

using testing::EngineFixture;
using testing::small_dictionary;

// Each line in both outputs: separators stay in place in the text; the word
// list has a line per word and keeps only a separator run that ends the line.
TEST(text_line_translate, renders_words_and_separators_in_both_outputs) {
    const struct {
        const char* line;
        const char* text;
        const char* word_list;
    } cases[] = {
        {"Hello, cat!", "Привет, кошка!", "Hello - Привет\r\ncat - кошка\r\n!\r\n"},
        {"The cat, the dog.", "Этот кошка, этот собака.",
         "The - Этот\r\ncat - кошка\r\nthe - этот\r\ndog - собака\r\n.\r\n"},
        {"  see 2 cats", "  see 2 cats", "see - see\r\ncats - cats\r\n"},
        {"cat123dog", "кошка123собака", "cat - кошка\r\ndog - собака\r\n"},
        {"Кот и cat", "Кот и кошка", "cat - кошка\r\n"},
        {"I am here", " являюсь здесь", "I - \r\nam - являюсь\r\nhere - здесь\r\n"},
        {"  a cat", "   кошка", "a - \r\ncat - кошка\r\n"},
        {"a - b", "  ", "a - \r\n- - \r\nb - \r\n"},
        {"x rock'n'roll y", "  ", "x - \r\nrock'n'roll - \r\ny - \r\n"},
        {"(see below)", "(see below)", "see - see\r\nbelow - below\r\n)\r\n"},
        {"am 999.", "являюсь 999.", "am - являюсь\r\n 999.\r\n"},
        {"am 999 here", "являюсь 999 здесь", "am - являюсь\r\nhere - здесь\r\n"},
        {"123", "123", "123\r\n"},
        {"...", "...", "...\r\n"},
    };
    EngineFixture f(small_dictionary());
    for (const auto& c : cases) {
        f.set_form(OutputForm::text);
        EXPECT_EQ(f.line(c.line), c.text) << c.line;
        f.set_form(OutputForm::word_list);
        EXPECT_EQ(f.line(c.line), c.word_list) << c.line;
    }
}

TEST(text_line_translate, scans_only_the_given_characters_and_passes_others_untouched) {
    EngineFixture f(small_dictionary());
    const std::string odd = std::string("\tкот 🐈 € ") + '\0' + "\xEF\xBF\xBF ";
    EXPECT_EQ(f.line(odd + "cat" + odd), odd + "кошка" + odd);
    const std::string broken = "\xFF\xC3 cat \xE2\x82";  // not UTF-8 at all
    EXPECT_EQ(f.line(broken), "\xFF\xC3 кошка \xE2\x82");

    // Only the characters it is given are scanned.
    std::string out = "stale";
    f.word_run->text_line_translate("cat dog", 0, out, f.host);
    EXPECT_EQ(out, "");
    f.word_run->text_line_translate("cat dog", -5, out, f.host);
    EXPECT_EQ(out, "");
    f.word_run->text_line_translate("ёж cat dog", 6, out, f.host);
    EXPECT_EQ(out, "ёж кошка");
    EXPECT_EQ(f.count_of("dog"), 0);
}

// A line of many thousand words is cut into pieces; every word, separator
// and word position must come out as if the words stood alone.
TEST(text_line_translate, a_line_longer_than_one_piece_reads_as_its_words_alone) {
    const char* words[] = {"Hello", "cat", "a", "xyzzy", "rock'n'roll", "dog"};
    const char* separators[] = {" ", ", ", " 12 ", "  ", "."};
    EngineFixture f(small_dictionary());
    std::string line;
    std::string text;
    std::string word_list;
    std::string separator;
    for (std::size_t i = 0; i < 3 * LineWorkspace::kMaxWords + 7; ++i) {
        const std::string word = words[i % 6];
        separator = separators[i % 5];
        line += word + separator;
        f.set_form(OutputForm::text);
        text += f.line(word) + separator;
        f.set_form(OutputForm::word_list);
        word_list += f.line(word);
    }
    word_list += separator + "\r\n";  // the separator run that ends the line
    f.set_form(OutputForm::text);
    EXPECT_EQ(f.line(line), text);
    f.set_form(OutputForm::word_list);
    EXPECT_EQ(f.line(line), word_list);

    TranslationOptions options;
    options.keep_word_positions = true;
    f.set_options(options);
    const TranslationResult result = f.text(line);
    EXPECT_EQ(result.text, text + "\r\n");
    ASSERT_FALSE(result.word_positions.empty());
    for (const WordPosition& at : result.word_positions) {
        const std::string english = line.substr(at.source_offset, at.source_length);
        EXPECT_EQ(f.line(english), result.text.substr(at.output_offset, at.output_length));
    }
}

}  // namespace
}  // namespace vorna
