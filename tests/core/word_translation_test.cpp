#include <gtest/gtest.h>

#include "engine_fixture.h"

namespace vorna {
namespace {

using testing::EngineFixture;
using testing::small_dictionary;

TEST(word_translate, words_that_are_not_looked_up_leave_nothing_and_count_nowhere) {
    EngineFixture f(small_dictionary());
    for (const char* word : {"a", "I", "mother-in-law", "rock'n'roll", "'em", "-ing", "a-", "b'"}) {
        EXPECT_EQ(f.word(word), "") << word;
    }
    EXPECT_EQ(f.translator.unknown_word_count, 0);
    f.translator.type_of_translate = "\r\n";
    EXPECT_EQ(f.word("a"), "a - ");
    EXPECT_EQ(f.word("rock'n'roll"), "rock'n'roll - ");
    EXPECT_EQ(f.translator.unknown_word_count, 0);
}

TEST(word_translate, one_hyphen_or_apostrophe_is_looked_up_whole) {
    EngineFixture f(small_dictionary());
    EXPECT_EQ(f.word("well-known"), "известный");
    EXPECT_EQ(f.word("Don't"), "Не делай");
    EXPECT_EQ(f.word("c-"), "c-");  // slot 0, looked up and not found
    EXPECT_EQ(f.translator.unknown_word_count, 1);
}

TEST(word_translate, first_capital_of_the_word_raises_the_first_letter_only) {
    EngineFixture f(small_dictionary());
    EXPECT_EQ(f.word("hello"), "привет");
    EXPECT_EQ(f.word("Hello"), "Привет");
    EXPECT_EQ(f.word("HELLO"), "Привет");
    EXPECT_EQ(f.word("hELLO"), "привет");
    EXPECT_EQ(f.word("Yolk"), "Ёлка");
    EXPECT_EQ(f.word("Zero"), "0 ноль");  // a digit first stays
    EXPECT_EQ(f.word("Empty"), "");       // found, empty translation
    EXPECT_EQ(f.count_of("hello"), 4);
    EXPECT_EQ(f.count_of("empty"), 1);
}

TEST(word_translate, only_mode_rus_gives_the_cyrillic_column) {
    EngineFixture f(small_dictionary());
    for (const char* mode : {"cyr", "", "RUS"}) {
        f.translator.interface_mode = mode;
        EXPECT_EQ(f.word("Hello"), "Privet") << mode;
    }
}

TEST(word_translate, unknown_words_stay_as_written_and_are_counted) {
    EngineFixture f(small_dictionary());
    EXPECT_EQ(f.word("Xyzzy"), "Xyzzy");
    EXPECT_EQ(f.word("aardvark"), "aardvark");  // slot before the first filled one
    EXPECT_EQ(f.translator.unknown_word_count, 2);
    f.translator.type_of_translate = "\r\n";
    EXPECT_EQ(f.word("Xyzzy"), "Xyzzy - Xyzzy");
    EXPECT_EQ(f.word("Cat"), "Cat - Кошка");
}

TEST(word_translate, empties_the_word_in_every_case) {
    EngineFixture f(small_dictionary());
    for (std::string word : {"a", "cat", "xyzzy", "rock'n'roll", "-ing"}) {
        std::string result = "stale";
        word_translate(f.translator, f.host, word, result, static_cast<int32_t>(word.size()));
        EXPECT_EQ(word, "");
    }
}

TEST(word_translate, the_lower_of_two_equal_headwords_wins) {
    EngineFixture f({{"cat", "первая", "pervaja"}, {"Cat", "вторая", "vtoraja"}});
    EXPECT_EQ(f.word("cat"), "первая");
    EXPECT_EQ(f.store.repeat_count[1], 1);
    EXPECT_EQ(f.store.repeat_count[2], 0);
}

TEST(word_translate, a_damaged_index_is_reported_with_the_dictionary_path) {
    for (bool literal : {false, true}) {
        EngineFixture f(small_dictionary(), "/opt/vorna");
        f.translator.use_literal_scan = literal;
        const auto slot = static_cast<std::size_t>(prefix_slot("ca"));
        f.store.prefix_index[slot] = {kMaxEntries - 1, kMaxEntries + 5};
        EXPECT_THROW(f.word("cat"), DictionaryDamaged);
        EXPECT_EQ(f.host.damaged_message,
                  "Проблема с файлом словаря \r\n/opt/vorna/qd.dat  неправильный формат данных. "
                  "Программа будет закрыта.");
        f.store.prefix_index[slot] = {-3, 2};
        EXPECT_THROW(f.word("cat"), DictionaryDamaged);
    }
}

}  // namespace
}  // namespace vorna
