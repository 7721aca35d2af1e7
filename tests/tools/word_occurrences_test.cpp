#include "word_occurrences.h"

#include <gtest/gtest.h>

using vorna_tools::looked_up_words;

TEST(word_occurrences, counts_the_words_a_lookup_sees) {
    const std::string text =
        "Don't re-enter at Five o'clock; 'tis an x-ray-gun, a we''ll -dash 42 I café";
    const std::vector<std::string> expected = {"don't",   "re-enter", "at",  "five",
                                               "o'clock", "an",       "café"};
    EXPECT_EQ(looked_up_words(text), expected);
}
