#include <gtest/gtest.h>

#include "core/dictionary/dictd_data.h"
#include "core/dictionary/dictd_dictionary.h"
#include "core/dictionary/dictd_index.h"
#include "dictzip_writer.h"
#include "temp_folder.h"

namespace vorna {
namespace {

using testing::TempFolder;

// Three articles; with 16-byte chunks each one spans a chunk boundary.
const std::string kText = "cat\n   _n. кот\ndog\n   _n. собака\nDog\n   _v. выслеживать\n";
// Offsets and lengths in dictd's base-64 digits: 0 = A, 18 = S, 24 = Y, 42 = q, 34 = i.
const std::string kIndex =
    "00-database-short\tA\tB\ncat\tA\tS\ndog\tS\tY\nDog\tq\ti\nnot a record\n";

std::string text_of(DictdData& data, uint64_t offset, uint64_t length) {
    std::string text;
    const Status status = data.read({offset, length}, text);
    return status.ok() ? text : "error: " + status.reason();
}

TEST(dictd_reader, index_numbers_are_base64_and_keys_are_found_regardless_of_case) {
    uint64_t value = 0;
    EXPECT_TRUE(decode_dictd_number("BE", value));
    EXPECT_EQ(value, 68u);
    EXPECT_FALSE(decode_dictd_number("", value));
    EXPECT_FALSE(decode_dictd_number("1.5", value));
    EXPECT_FALSE(decode_dictd_number("AAAAAAAAAAA", value));  // past 60 bits

    std::vector<DictdIndexRecord> records;
    std::string reason;
    EXPECT_TRUE(parse_dictd_index(kIndex, records, reason));
    ASSERT_EQ(records.size(), 3u);  // the database record and the stray line left out
    EXPECT_EQ(records[1].key, "dog");
    EXPECT_EQ(records[1].location.offset, 18u);
    EXPECT_FALSE(parse_dictd_index("cat\tA\tS\ndog\t-12\tS\n", records, reason));
    EXPECT_EQ(reason, "line 2: not an offset and a length");
    EXPECT_TRUE(records.empty());

    // Every article of a key is found, regardless of case.
    ASSERT_TRUE(parse_dictd_index(kIndex, records, reason));
    const DictdIndex index(records);
    const auto dog = index.find("DOG");
    ASSERT_EQ(dog.size(), 2u);
    EXPECT_EQ(dog[0].offset, 18u);  // index order kept
    EXPECT_EQ(dog[1].offset, 42u);
    EXPECT_TRUE(index.find("do").empty());
    EXPECT_TRUE(index.find("cats").empty());
}

TEST(dictd_reader, reads_articles_from_dictzip_gzip_and_plain_files_alike) {
    TempFolder folder;
    folder.write("t.dict.dz", testing::dictzip(kText, 16));
    folder.write("t.gz", testing::gzip(kText));
    folder.write("t.dict", kText);
    for (const char* name : {"t.dict.dz", "t.gz", "t.dict"}) {
        SCOPED_TRACE(name);
        DictdData data;
        ASSERT_TRUE(data.open(folder.file(name)).ok());
        EXPECT_EQ(data.random_access(), std::string(name) == "t.dict.dz");
        EXPECT_EQ(text_of(data, 18, 24), "dog\n   _n. собака\n");
        EXPECT_EQ(text_of(data, 42, 34), "Dog\n   _v. выслеживать\n");
        EXPECT_EQ(text_of(data, 0, 18), "cat\n   _n. кот\n");  // back to an earlier chunk
        EXPECT_EQ(text_of(data, kText.size() - 3, 3), "ь\n");
        EXPECT_EQ(text_of(data, kText.size(), 0), "");
        EXPECT_EQ(text_of(data, kText.size() - 3, 4),
                  "error: an article lies past the end of the text");
        EXPECT_EQ(text_of(data, UINT64_MAX, 2), "error: an article lies past the end of the text");
    }
}

TEST(dictd_reader, damaged_files_are_reported_not_read) {
    TempFolder folder;
    const std::string packed = testing::dictzip(kText, 16);
    folder.write("cut.dict.dz", packed.substr(0, packed.size() - 20));
    DictdData data;
    EXPECT_EQ(data.open(folder.file("cut.dict.dz")).reason(), "the compressed file is cut short");

    std::string scrambled = packed;
    for (std::size_t i = scrambled.size() - 30; i < scrambled.size() - 10; ++i)
        scrambled[i] = static_cast<char>(~scrambled[i]);
    folder.write("bad.dict.dz", scrambled);
    ASSERT_TRUE(data.open(folder.file("bad.dict.dz")).ok());  // the same object, reopened
    EXPECT_EQ(text_of(data, 64, 12), "error: the compressed data is damaged");

    const std::string gz = testing::gzip(kText);
    folder.write("cut.gz", gz.substr(0, gz.size() / 2));
    ASSERT_TRUE(data.open(folder.file("cut.gz")).ok());
    EXPECT_EQ(text_of(data, kText.size() - 3, 3), "error: the compressed file is cut short");

    // Without a chunk list nothing is inflated past the article, nor far at all.
    folder.write("t.gz", gz);
    ASSERT_TRUE(data.open(folder.file("t.gz")).ok());
    EXPECT_EQ(text_of(data, kMaxUnchunkedOffset + 1, 2),
              "error: an article lies too far into a compressed file without a chunk list");
    EXPECT_EQ(text_of(data, 0, kMaxArticleBytes + 1),
              "error: an article is longer than any article can be");

    EXPECT_FALSE(data.open(folder.file("none.dict.dz")).ok());
    EXPECT_FALSE(data.open(folder.path()).ok());  // a folder is not a file
}

TEST(dictd_reader, reads_all_articles_in_index_order_or_fails_whole) {
    TempFolder folder;
    folder.write("t.index", kIndex);
    folder.write("t.dict.dz", testing::dictzip(kText, 16));
    std::vector<DictdArticle> articles;
    ASSERT_TRUE(
        read_dictd_articles({folder.file("t.index"), folder.file("t.dict.dz")}, articles).ok());
    ASSERT_EQ(articles.size(), 3u);
    EXPECT_EQ(articles[0].key, "cat");
    EXPECT_EQ(articles[0].text, "cat\n   _n. кот\n");
    EXPECT_EQ(articles[2].key, "Dog");

    folder.write("past.index", "cat\tA\tS\ndog\tS\tBAA\n");
    const Status past =
        read_dictd_articles({folder.file("past.index"), folder.file("t.dict.dz")}, articles);
    EXPECT_FALSE(past.ok());
    EXPECT_EQ(past.path(), folder.file("past.index"));
    EXPECT_TRUE(articles.empty());

    DictdDictionary missing({folder.file("none.index"), folder.file("t.dict.dz")});
    EXPECT_FALSE(missing.installed());
    std::vector<std::string> texts;
    EXPECT_FALSE(missing.articles("cat", texts).ok());
    DictdDictionary dictionary({folder.file("t.index"), folder.file("t.dict.dz")});
    ASSERT_TRUE(dictionary.articles("dog", texts).ok());
    EXPECT_EQ(texts.size(), 2u);

    // An index that files one article again and again gives it once; many
    // long ones, no more than one long article's worth.
    std::string repeated;
    for (int i = 0; i < 1000; ++i)
        repeated += "cat\tA\tS\n";
    folder.write("repeated.index", repeated);
    ASSERT_TRUE(DictdDictionary({folder.file("repeated.index"), folder.file("t.dict.dz")})
                    .articles("cat", texts)
                    .ok());
    EXPECT_EQ(texts, std::vector<std::string>{"cat\n   _n. кот\n"});
    folder.write("long.dict", std::string(3 << 20, 'x'));
    // Offsets 0, 512 KiB, 1 MiB, ... each 512 KiB long ("CAAA" is 2^19).
    folder.write("long.index", "x\tA\tCAAA\nx\tCAAA\tCAAA\nx\tEAAA\tCAAA\nx\tGAAA\tCAAA\n");
    ASSERT_TRUE(DictdDictionary({folder.file("long.index"), folder.file("long.dict")})
                    .articles("x", texts)
                    .ok());
    EXPECT_EQ(texts.size(), 2u);
}

}  // namespace
}  // namespace vorna
