#include <gtest/gtest.h>

#include "engine_fixture.h"

namespace vorna {
namespace {

using testing::EngineFixture;
using testing::small_dictionary;

TEST(word_translate, words_that_are_not_looked_up_leave_nothing_and_count_nowhere) {
    EngineFixture f(small_dictionary());
    for (const char* word : {"a", "I", "mother-in-law", "rock'n'roll", "'em", "-ing", "a-", "b'"})
        EXPECT_EQ(f.word(word), "") << word;
    EXPECT_EQ(f.unknown_count(), 0);
    f.set_form(OutputForm::word_list);
    EXPECT_EQ(f.word("a"), "a - ");
    EXPECT_EQ(f.word("rock'n'roll"), "rock'n'roll - ");
    EXPECT_EQ(f.unknown_count(), 0);
}

// One hyphen or apostrophe is looked up whole; a first capital raises the
// first letter of the translation only.
TEST(word_translate, found_words_take_their_translation_and_first_capital) {
    EngineFixture f(small_dictionary());
    EXPECT_EQ(f.word("well-known"), "известный");
    EXPECT_EQ(f.word("Don't"), "Не делай");
    EXPECT_EQ(f.word("hello"), "привет");
    EXPECT_EQ(f.word("Hello"), "Привет");
    EXPECT_EQ(f.word("HELLO"), "Привет");
    EXPECT_EQ(f.word("hELLO"), "привет");
    EXPECT_EQ(f.word("Yolk"), "Ёлка");
    EXPECT_EQ(f.word("Zero"), "0 ноль");  // a digit first stays
    EXPECT_EQ(f.word("Empty"), "");       // found, empty translation
    EXPECT_EQ(f.count_of("hello"), 4);
    EXPECT_EQ(f.count_of("empty"), 1);
    EXPECT_EQ(f.unknown_count(), 0);
    f.set_options({Script::translit});
    EXPECT_EQ(f.word("Hello"), "Privet");
}

TEST(word_translate, unknown_words_stay_as_written_and_are_counted) {
    EngineFixture f(small_dictionary());
    EXPECT_EQ(f.word("Xyzzy"), "Xyzzy");
    EXPECT_EQ(f.word("aardvark"), "aardvark");  // slot before the first filled one
    EXPECT_EQ(f.word("c-"), "c-");              // slot 0, looked up and not found
    EXPECT_EQ(f.unknown_count(), 3);
    f.set_form(OutputForm::word_list);
    EXPECT_EQ(f.word("Xyzzy"), "Xyzzy - Xyzzy");
    EXPECT_EQ(f.word("Cat"), "Cat - Кошка");
}

TEST(word_translate, empties_the_word_in_every_case) {
    EngineFixture f(small_dictionary());
    for (std::string word : {"a", "cat", "xyzzy", "rock'n'roll", "-ing"}) {
        std::string result = "stale";
        f.word_run->word_translate(word, result, static_cast<int32_t>(word.size()), f.host);
        EXPECT_EQ(word, "");
    }
}

TEST(word_translate, the_lower_of_two_equal_headwords_wins) {
    EngineFixture f({{"cat", "первая", "pervaja"}, {"Cat", "вторая", "vtoraja"}});
    EXPECT_EQ(f.word("cat"), "первая");
    EXPECT_EQ(f.word_run->counts().repeats_of(1), 1);
    EXPECT_EQ(f.word_run->counts().repeats_of(2), 0);
}

TEST(word_translate, a_damaged_index_is_reported_and_nothing_is_counted) {
    for (bool literal : {false, true}) {
        for (PrefixSlot damage :
             {PrefixSlot{kMaxEntries - 1, kMaxEntries + 5}, PrefixSlot{-3, 2}}) {
            EngineFixture f(small_dictionary(), "/opt/vorna");
            if (literal)
                f.drop_lookup_hash();
            f.store.prefix_index[static_cast<std::size_t>(prefix_slot("ca"))] = damage;
            EXPECT_EQ(f.word("cat"), "");
            EXPECT_TRUE(f.word_run->dictionary_damaged());
            EXPECT_EQ(f.unknown_count(), 0);
        }
    }
}

}  // namespace
}  // namespace vorna
