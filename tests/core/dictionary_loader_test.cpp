#include "core/dictionary/dictionary_loader.h"
#include "core/dictionary/word_search.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "core/dictionary/load_progress.h"
#include "failing_calls.h"
#include "temp_folder.h"

namespace vorna {
namespace {

using testing::TempFolder;
using Rows = std::vector<std::string>;
using Stretch = std::pair<int32_t, int32_t>;

// Records what the load reports, in order.
struct RecordingSink : LoadProgressSink {
    void process_pending_events() override { ++pumps; }
    void dictionary_missing() override { events.push_back("missing"); }
    void letter_done(char letter, int32_t running_count) override {
        events.push_back(std::string(1, letter));
        counts.push_back(running_count);
        if (on_letter)
            on_letter(letter);
    }
    void indexing_started() override { events.push_back("indexing"); }
    void records_left_out(int32_t count) override {
        events.push_back("left out " + std::to_string(count));
    }

    std::vector<std::string> events;
    std::vector<int32_t> counts;
    int pumps = 0;
    std::function<void(char)> on_letter;
};

struct Loaded {
    DictionaryStore store;
    RecordingSink sink;
    bool found = false;
};

// Loads `source` as the folder's qd.dat, through `calls` when given.
std::unique_ptr<Loaded> load(const TempFolder& folder, const std::string& source,
                             FileCalls* calls = nullptr) {
    folder.write("qd.dat", source);
    auto loaded = std::make_unique<Loaded>();
    loaded->found = (calls ? load_dictionary_file(loaded->store, folder.file("qd.dat"),
                                                  folder.path(), loaded->sink, *calls)
                           : load_dictionary(loaded->store, folder.path(), loaded->sink))
                        .ok();
    return loaded;
}

// Every entry as a line "headword,translation,translit", in row order.
Rows rows(const DictionaryStore& store) {
    Rows result;
    for (int32_t row = 1; row <= store.entry_count; ++row) {
        const DictionaryEntry& entry = store.entries[row];
        result.push_back(entry.word_eng + "," + entry.word_rus + "," + entry.word_translit);
    }
    return result;
}

Stretch stretch(const DictionaryStore& store, const char* word) {
    const PrefixSlot& slot = store.prefix_index[static_cast<std::size_t>(prefix_slot(word))];
    return {slot.first_entry, slot.last_entry};
}

TEST(dictionary_loader, accepted_lines_become_sorted_entries) {
    TempFolder folder;
    folder.write("qd1.dat", "aaa,left,behind\r\n");  // an interrupted start's copy
    const std::string source =
        "dog,\xF1\xEE\xE1\xE0\xEA\xE0,sobaka\r\n"
        "Cat,upper case first letter,refused\r\n"
        "\r\n"
        "cAT,\xEA\xEE\xF8\xEA\xE0,koshka\r\n"
        "7up,digit,refused\r\n"
        " bee,blank,refused\r\n"
        "\"quote\",quote,refused\r\n"
        "\xEA\xEE\xF2,cyrillic,refused\r\n"
        "a,\"\xEE\xE4\xE8\xED, \xEE\xE4\xED\xE0\",\"odin, odna\"\n"
        "cat,second,dup\r\n"
        "i,\xFF,ja";  // last line without a line end
    auto loaded = load(folder, source);
    const DictionaryStore& store = loaded->store;

    ASSERT_TRUE(loaded->found);
    // Equal headwords: the whole lines decide, case-blind, by code point (Latin
    // before Cyrillic).
    EXPECT_EQ(rows(store), (Rows{u8"a,один, одна,odin, odna", "cat,second,dup",
                                 u8"cat,кошка,koshka", u8"dog,собака,sobaka", u8"i,я,ja"}));
    // One-letter words are stored but reach no slot; the rest are found.
    EXPECT_EQ(find_entry(store, "cat"), 2);
    EXPECT_EQ(store.lookup.find("cat", 1, 5).row, 2);

    // 26 letters in order with the running count, then indexing, nothing else.
    std::vector<std::string> expected_events;
    for (char letter = 'a'; letter <= 'z'; ++letter)
        expected_events.emplace_back(1, letter);
    expected_events.push_back("indexing");
    EXPECT_EQ(loaded->sink.events, expected_events);
    EXPECT_EQ(loaded->sink.counts[2], 3);
    EXPECT_EQ(loaded->sink.counts.back(), 5);
    EXPECT_EQ(loaded->sink.pumps, 2 * 5);  // each accepted line, then each loaded record

    EXPECT_FALSE(folder.exists("qd1.dat"));
    EXPECT_EQ(folder.read("qd.dat"), source);
}

TEST(dictionary_loader, missing_dictionary_is_reported_once_and_creates_nothing) {
    TempFolder folder;
    DictionaryStore store;
    RecordingSink sink;
    EXPECT_FALSE(load_dictionary(store, folder.path(), sink));
    EXPECT_EQ(sink.events, std::vector<std::string>{"missing"});
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));

    // A folder named qd.dat cannot be read as a dictionary either.
    std::filesystem::create_directory(folder.file("qd.dat"));
    EXPECT_FALSE(load_dictionary(store, folder.path(), sink));
    EXPECT_FALSE(folder.exists("qd1.dat"));

    // Lines without a single record are no dictionary either.
    std::filesystem::remove(folder.file("qd.dat"));
    for (const std::string& bytes : {std::string("\xFF\xFE"
                                                 "c\0a\0t\0,\0x\0\r\0\n\0d\0o\0g\0",
                                                 20),
                                     std::string(",,,\n,,,\n"), std::string("Cat,x,x\r\n")}) {
        folder.write("qd.dat", bytes);
        RecordingSink no_record;
        EXPECT_FALSE(load_dictionary(store, folder.path(), no_record));
        EXPECT_EQ(no_record.events, std::vector<std::string>{"missing"});
        EXPECT_EQ(folder.names(), std::vector<std::string>{"qd.dat"});
    }
}

TEST(dictionary_loader, empty_dictionary_gives_empty_tables) {
    TempFolder folder;
    auto loaded = load(folder, "");
    EXPECT_TRUE(loaded->found);
    EXPECT_TRUE(load(folder, "\r\n\n")->found);
    EXPECT_EQ(loaded->sink.counts, std::vector<int32_t>(26, 0));
    EXPECT_EQ(loaded->store.entry_count, 0);
    for (const PrefixSlot& slot : loaded->store.prefix_index)
        EXPECT_EQ(Stretch(slot.first_entry, slot.last_entry), Stretch(0, 0));
    // The character classes are built whatever the dictionary holds.
    int word_characters = 0;
    for (uint32_t code = 0; code < kCharClassSize; ++code)
        word_characters += is_word_character(loaded->store, code) ? 1 : 0;
    EXPECT_EQ(word_characters, 54);
    EXPECT_TRUE(is_word_character(loaded->store, '\'') && is_word_character(loaded->store, '-'));
}

TEST(dictionary_store, prefix_slot_of_letter_pairs_and_odd_prefixes) {
    EXPECT_EQ(prefix_slot("aardvark"), 0);
    EXPECT_EQ(prefix_slot("az"), 25);
    EXPECT_EQ(prefix_slot("ba"), 26);
    EXPECT_EQ(prefix_slot("zz"), 675);
    EXPECT_EQ(prefix_slot("d-day"), 26);  // shares the slot of ba
    EXPECT_EQ(prefix_slot("z{"), 676);    // past the letter pairs, still a slot
    // A Cyrillic second letter counts by its Windows-1251 byte (я is 255).
    EXPECT_EQ(prefix_slot(u8"dя"), 26 * 3 + 255 - 97);
    EXPECT_GT(prefix_slot(u8"d中"), 705);
    // A blank or apostrophe in the pair, or one character only: no prefix at all.
    for (const char* word : {"a priori", "b'", "a", u8"ё", ""})
        EXPECT_LT(prefix_slot(word), 0) << word;
}

TEST(dictionary_loader, index_fills_gaps_and_shares_the_ba_slot_with_d_hyphen) {
    TempFolder folder;
    auto loaded =
        load(folder, "ad,3,3\r\nab,1,1\r\nabc,2,2\r\nbat,4,4\r\nbaa,5,5\r\nd-day,6,6\r\n");
    const DictionaryStore& store = loaded->store;
    // Rows: ab abc ad baa bat d-day.
    EXPECT_EQ(stretch(store, "aa"), Stretch(0, 0));  // before the first occupied slot
    EXPECT_EQ(stretch(store, "ac"), Stretch(2, 2));  // the gap carries ab's last entry
    EXPECT_EQ(stretch(store, "ad"), Stretch(3, 3));  // a lone entry is its own last
    EXPECT_EQ(stretch(store, "ba"), Stretch(4, 6));
    EXPECT_EQ(stretch(store, "zz"), Stretch(6, 6));  // carried to the end
    EXPECT_EQ(find_entry(store, "baa"), 4);
    EXPECT_EQ(find_entry(store, "bat"), 5);
    EXPECT_EQ(find_entry(store, "d-day"), 6);
}

TEST(dictionary_loader, any_order_of_the_same_lines_gives_the_same_entries) {
    std::mt19937 random(7);
    std::vector<std::string> lines;
    for (int i = 0; i < 3000; ++i) {
        std::string word;
        const int length = 1 + static_cast<int>(random() % 6);
        for (int k = 0; k < length; ++k)
            word += static_cast<char>((k > 0 && random() % 5 == 0 ? 'A' : 'a') + random() % 26);
        lines.push_back(word + ",\xEA" + std::to_string(i) + ",k" + std::to_string(i));
    }
    Rows previous;
    for (int round = 0; round < 2; ++round) {
        std::shuffle(lines.begin(), lines.end(), random);
        std::string source;
        for (const std::string& line : lines)
            source += line + "\r\n";
        TempFolder folder;
        const Rows loaded = rows(load(folder, source)->store);
        ASSERT_EQ(loaded.size(), 3000u);
        EXPECT_TRUE(std::is_sorted(loaded.begin(), loaded.end()));
        EXPECT_TRUE(round == 0 || loaded == previous);
        previous = loaded;
    }
}

TEST(dictionary_loader, faulty_lines_never_shift_the_records_after_them) {
    TempFolder folder;
    auto loaded = load(folder,
                       "aa,two\r\nab,1,2,four\r\nac,\"broken, quote\r\nad,x,y\r\n"
                       "ae,\"q\"tail,z\r\n");
    EXPECT_EQ(rows(loaded->store),
              (Rows{"aa,two,", "ab,1,2", "ac,broken, quote,", "ad,x,y", "ae,q,z"}));
}

TEST(dictionary_loader, binary_and_huge_lines_load_without_harm) {
    TempFolder folder;
    std::mt19937 random(11);
    std::string source;
    for (int i = 0; i < 200000; ++i)
        source += static_cast<char>(random());
    source += "\nzebra," + std::string(1 << 20, 'x') + ",zebra";
    auto loaded = load(folder, source);
    // Every accepted line became exactly one record.
    const DictionaryStore& store = loaded->store;
    EXPECT_EQ(store.entry_count, loaded->sink.counts.back());
    const DictionaryEntry& zebra =
        store.entries[store.lookup.find("zebra", 1, store.entry_count).row];
    EXPECT_EQ(zebra.word_rus.size(), 1u << 20);
    EXPECT_EQ(zebra.word_translit, "zebra");
}

TEST(dictionary_loader, records_past_the_table_are_counted_and_large_groups_stay_whole) {
    TempFolder folder;
    std::string source;
    // 40,000 s- words: more than a 16-bit sort buffer could hold.
    for (int i = 59999; i >= 20000; --i)
        source += "s" + std::to_string(i) + ",s,s\r\n";
    for (int i = 0; i < 20010; ++i)
        source += "t" + std::to_string(100000 + i) + ",t,t\n";
    auto loaded = load(folder, source);
    const DictionaryStore& store = loaded->store;
    EXPECT_EQ(store.entry_count, kMaxEntries);
    EXPECT_EQ(store.records_left_out, 10);
    EXPECT_EQ(loaded->sink.events.back(), "left out 10");
    EXPECT_EQ(loaded->sink.counts.back(), 60010);
    EXPECT_EQ(store.entries[1].word_eng, "s20000");
    EXPECT_EQ(store.entries[40000].word_eng, "s59999");
    EXPECT_EQ(store.entries[kMaxEntries].word_eng, "t119999");
}

// Both loads stay alive, so neither may keep its tables anywhere shared.
TEST(dictionary_loader, utf8_dictionaries_load_side_by_side_with_and_without_byte_order_mark) {
    TempFolder plain, marked;
    auto first = load(plain, u8"cat,кот,kot\r\nbig,Большой,bolshoj\r\n");
    auto second = load(marked,
                       "\xEF\xBB\xBF"
                       u8"cat,кот,kot\r\none,1,1\r\n");
    EXPECT_EQ(rows(first->store), (Rows{u8"big,Большой,bolshoj", u8"cat,кот,kot"}));
    EXPECT_EQ(rows(second->store), (Rows{u8"cat,кот,kot", "one,1,1"}));
}

TEST(dictionary_loader, a_working_copy_that_cannot_be_written_keeps_the_load_whole) {
    const std::string source = "bee,b,b\r\nant,a,a\r\ncat,c,c\r\n";
    const Rows expected = {"ant,a,a", "bee,b,b", "cat,c,c"};
    TempFolder taken;
    std::filesystem::create_directory(taken.file("qd1.dat"));  // not even root writes this
    EXPECT_EQ(rows(load(taken, source)->store), expected);
    EXPECT_TRUE(std::filesystem::is_directory(taken.file("qd1.dat")));

    TempFolder folder;
    testing::FailingCalls full_disk;
    full_disk.write_budget = 12;  // the a group, then part of the b group
    auto loaded = load(folder, source, &full_disk);
    ASSERT_TRUE(loaded->found);
    EXPECT_EQ(rows(loaded->store), expected);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"qd.dat"});
}

TEST(dictionary_loader, a_read_that_fails_or_comes_up_short_is_a_missing_dictionary) {
    TempFolder folder;
    folder.write("qd.dat", "ant,a,a\r\nbee,b,b\r\ncat,c,c\r\n");
    mkfifo(folder.file("fifo").c_str(), 0600);
    testing::FailingCalls cut_short, failing;
    cut_short.read_budget = 10;
    failing.reads_fail = true;
    const struct {
        std::string source;
        FileCalls& calls;
    } cases[] = {
        {"/proc/self/mem", system_file_calls()},     // EIO at the first read
        {folder.file("fifo"), system_file_calls()},  // refused without waiting for a writer
        {folder.file("qd.dat"), cut_short},
        {folder.file("qd.dat"), failing},
    };
    for (const auto& c : cases) {
        DictionaryStore store;
        RecordingSink sink;
        EXPECT_FALSE(load_dictionary_file(store, c.source, folder.path(), sink, c.calls))
            << c.source;
        EXPECT_EQ(sink.events, std::vector<std::string>{"missing"}) << c.source;
        EXPECT_EQ(store.entry_count, 0);
    }

    // The working copy cut by someone else during the load.
    DictionaryStore store;
    RecordingSink sink;
    sink.on_letter = [&](char letter) {
        if (letter == 'm')
            truncate(folder.file("qd1.dat").c_str(), 5);
    };
    EXPECT_FALSE(load_dictionary(store, folder.path(), sink));
    EXPECT_EQ(sink.events.back(), "missing");
    EXPECT_EQ(store.entry_count, 0);
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"fifo", "qd.dat"}));
}

TEST(dictionary_loader, loads_at_once_in_one_folder_never_share_a_working_copy) {
    TempFolder folder;
    std::string source;
    for (int i = 0; i < 2000; ++i)
        source += std::string(1, static_cast<char>('a' + i % 26)) + std::to_string(i) + ",x,x\r\n";
    folder.write("qd.dat", source);
    for (int round = 0; round < 5; ++round) {
        DictionaryStore stores[3];
        bool loaded[3] = {};
        std::vector<std::thread> loads;
        for (int i = 0; i < 3; ++i) {
            loads.emplace_back([&, i] {
                SilentLoadProgress sink;
                loaded[i] = load_dictionary(stores[i], folder.path(), sink).ok();
            });
        }
        for (std::thread& load : loads)
            load.join();
        for (int i = 0; i < 3; ++i) {
            EXPECT_TRUE(loaded[i]);
            EXPECT_EQ(stores[i].entry_count, 2000) << "round " << round << ", load " << i;
        }
    }
    EXPECT_EQ(folder.names(), std::vector<std::string>{"qd.dat"});
}

TEST(dictionary_loader, load_completes_in_a_read_only_application_folder) {
    TempFolder folder;
    folder.write("qd.dat", "cat,kot,kot\r\n");
    std::filesystem::permissions(
        folder.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (std::ofstream(folder.file("write-test")).good())
        GTEST_SKIP() << "permission bits do not stop this user from writing";
    DictionaryStore store;
    SilentLoadProgress sink;
    ASSERT_TRUE(load_dictionary(store, folder.path(), sink));
    EXPECT_EQ(store.entries[1].word_eng, "cat");
}

}  // namespace
}  // namespace vorna
