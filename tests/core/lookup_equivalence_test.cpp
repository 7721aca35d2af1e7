#include <gtest/gtest.h>

#include <random>

#include "engine_fixture.h"

namespace vorna {
namespace {

// Headwords crowd a few prefixes on purpose: d-, e-, c- and apostrophes land
// in the slots of other letter pairs or outside the index, next to duplicates,
// one-letter words and empty slots.
std::string random_headword(std::mt19937& random) {
    static const std::vector<std::string> starts = {"d-", "e-", "c-", "c'", "a'", "b-", "ba",
                                                    "ab", "ad", "ca", "z",  "e",  "ee", "x'"};
    static const std::string tail_letters = "ab-'";
    std::string word = starts[random() % starts.size()];
    const auto tail = random() % 3;
    for (unsigned i = 0; i < tail; ++i)
        word += tail_letters[random() % tail_letters.size()];
    if (random() % 4 == 0)
        word[0] = static_cast<char>(word[0] - 32);  // mixed case in the file
    return word;
}

TEST(lookup_index, answers_exactly_as_the_literal_scan_of_the_stretch) {
    std::mt19937 random(20261207);
    testing::EngineFixture scan({});
    testing::EngineFixture fast({});
    for (int dictionary = 0; dictionary < 2000; ++dictionary) {
        std::vector<testing::Row> rows;
        const auto size = random() % 40;
        for (unsigned i = 0; i < size; ++i)
            rows.push_back(
                {random_headword(random), "п" + std::to_string(i), "p" + std::to_string(i)});
        testing::fill_store(scan.store, rows);
        scan.drop_lookup_hash();
        testing::fill_store(fast.store, rows);
        if (dictionary % 7 == 0 && size > 3) {  // a hand-narrowed stretch must be honoured too
            const auto slot = static_cast<std::size_t>(random() % kLetterPairSlots);
            scan.store.prefix_index[slot].first_entry += 1;
            fast.store.prefix_index[slot].first_entry += 1;
        }
        for (int probe = 0; probe < 30; ++probe) {
            const std::string word = random_headword(random);
            ASSERT_EQ(fast.word(word), scan.word(word))
                << "dictionary " << dictionary << " word " << word;
        }
        ASSERT_EQ(fast.unknown_count(), scan.unknown_count());
        for (std::size_t row = 0; row <= size; ++row)
            ASSERT_EQ(fast.word_run->counts().repeats_of(row),
                      scan.word_run->counts().repeats_of(row));
    }
}

}  // namespace
}  // namespace vorna
