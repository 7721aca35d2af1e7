#include "core/dictionary_store.h"

#include <gtest/gtest.h>

namespace vorna {
namespace {

TEST(dictionary_store, prefix_slot_of_letter_pairs_and_odd_prefixes) {
    EXPECT_EQ(prefix_slot("aardvark"), 0);
    EXPECT_EQ(prefix_slot("az"), 25);
    EXPECT_EQ(prefix_slot("ba"), 26);
    EXPECT_EQ(prefix_slot("zz"), 675);
    EXPECT_EQ(prefix_slot("d-day"), 26);  // shares the slot of ba
    EXPECT_EQ(prefix_slot("z{"), 676);    // past the letter pairs, still a slot
    EXPECT_LT(prefix_slot("a priori"), 0);
    EXPECT_LT(prefix_slot("b'"), 0);
    // A Cyrillic second letter counts by its Windows-1251 byte (я is 255).
    EXPECT_EQ(prefix_slot(u8"dя"), 26 * 3 + 255 - 97);
    EXPECT_GT(prefix_slot(u8"d中"), 705);
    // One character has no prefix at all.
    EXPECT_LT(prefix_slot("a"), 0);
    EXPECT_LT(prefix_slot(u8"ё"), 0);
    EXPECT_LT(prefix_slot(""), 0);
}

TEST(dictionary_store, gaps_carry_the_last_entry_forward) {
    DictionaryStore store;
    auto slot = [&](const char* pair) -> PrefixSlot& {
        return store.prefix_index[static_cast<std::size_t>(prefix_slot(pair))];
    };
    slot("ab") = {1, 3};  // several entries
    slot("ad") = {4, 0};  // a single entry keeps last_entry unset until now
    slot("zy") = {9, 0};
    store.prefix_index[700] = {50, 0};  // past the letter pairs: never touched
    fill_index_gaps(store);

    EXPECT_EQ(slot("aa").first_entry, 0);  // before the first occupied slot
    EXPECT_EQ(slot("aa").last_entry, 0);
    EXPECT_EQ(slot("ac").first_entry, 3);
    EXPECT_EQ(slot("ac").last_entry, 3);
    EXPECT_EQ(slot("ad").first_entry, 4);
    EXPECT_EQ(slot("ad").last_entry, 4);
    EXPECT_EQ(slot("ae").first_entry, 4);
    EXPECT_EQ(slot("zx").last_entry, 4);
    EXPECT_EQ(slot("zz").first_entry, 9);
    EXPECT_EQ(slot("zz").last_entry, 9);
    EXPECT_EQ(store.prefix_index[700].last_entry, 0);
}

}  // namespace
}  // namespace vorna
