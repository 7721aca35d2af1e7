#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unordered_set>

#include "core/dictionary/dictionary_loader.h"
#include "core/dictionary/dictionary_store.h"
#include "silent_load_sink.h"
#include "test_folder.h"
#include "word_occurrences.h"

namespace {

std::string read_text(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

class DefaultDictionary : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!VORNA_DEFAULT_DICTIONARY_IMPORTED) {
            GTEST_SKIP() << "the source dictionary package is not installed; qd.dat is the sample";
        }
        std::filesystem::copy_file(VORNA_DEFAULT_DICTIONARY, folder_.file("qd.dat"));
        SilentLoadSink sink;
        ASSERT_TRUE(vorna::load_dictionary(store_, folder_.path(), sink));
        left_out_ = sink.left_out;
    }

    TestFolder folder_;
    vorna::DictionaryStore store_;
    int32_t left_out_ = 0;
};

}  // namespace

TEST_F(DefaultDictionary, loads_whole_within_the_table) {
    std::ifstream in(VORNA_DEFAULT_DICTIONARY, std::ios::binary);
    int32_t lines = 0;
    for (std::string line; std::getline(in, line);) {
        ++lines;
    }
    EXPECT_EQ(store_.entry_count, lines);
    EXPECT_LE(lines, vorna::kMaxEntries);
    EXPECT_EQ(left_out_, 0);
    const std::string wanted[][2] = {{"cat", "кот"}, {"went", "идти"}, {"children", "ребёнок"}};
    for (const auto& [english, russian] : wanted) {
        bool found = false;
        for (int32_t row = 1; row <= store_.entry_count; ++row) {
            const auto& entry = store_.entries[static_cast<std::size_t>(row)];
            if (entry.word_eng == english) {
                EXPECT_EQ(entry.word_rus, russian);
                found = true;
                break;
            }
        }
        EXPECT_TRUE(found) << english;
    }
}

// Real prose that nobody here wrote: at least 93% of the looked-up word
// occurrences must be found.
TEST_F(DefaultDictionary, finds_most_words_of_real_prose) {
    std::unordered_set<std::string> headwords;
    for (int32_t row = 1; row <= store_.entry_count; ++row) {
        headwords.insert(store_.entries[static_cast<std::size_t>(row)].word_eng);
    }
    const std::string texts = std::string(VORNA_TEST_DATA_DIR) + "/texts";
    int checked = 0;
    for (const auto& item : std::filesystem::directory_iterator(texts)) {
        if (item.path().extension() != ".txt") {
            continue;
        }
        const auto words = vorna_tools::looked_up_words(read_text(item.path().string()));
        std::size_t found = 0;
        for (const std::string& word : words) {
            found += headwords.count(word);
        }
        ASSERT_FALSE(words.empty());
        EXPECT_GE(100.0 * static_cast<double>(found) / static_cast<double>(words.size()), 93.0)
            << item.path().filename();
        ++checked;
    }
    EXPECT_GE(checked, 2);
}
