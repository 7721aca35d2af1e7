#include "core/dictionary/dictionary_writer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <random>
#include <thread>

#include "failing_calls.h"
#include "temp_folder.h"

namespace vorna {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;
using Names = std::vector<std::string>;

const std::string kInstalled = "cat,кот,kot\r\ndog,пёс,pjos\r\n";

// The installed dictionary beside the program, which the reader may not
// write, and the reader's data folder, where their copy goes.
class WriterTest : public ::testing::Test {
  protected:
    WriterTest() {
        fs::create_directory(folder.file("program"));
        folder.write("program/qd.dat", kInstalled);
        calls.folder = fs::canonical(folder.file("program")).string();
    }
    DictionaryPlaces places() const {
        return {"", folder.file("program"), folder.file("data/vorna")};
    }
    EditOutcome set(const RecordText& record, FileCalls& with) {
        DictionaryWriter writer(places(), with);
        return correct_dictionary(
            writer, [&record](DictionaryChange& change) { return change.set(record); });
    }
    std::string copy() const { return folder.read("data/vorna/qd.dat"); }

    TempFolder folder;
    testing::ReadOnlyFolderCalls calls;
};

TEST_F(WriterTest, aWriterThatReadTheInstallFindsAndKeepsTheCopyMadeSince) {
    // A window that read the installed dictionary before there was a copy.
    DictionaryWriter window(places(), calls);
    DictionaryChange change;
    ASSERT_TRUE(window.read(change).ok());
    ASSERT_FALSE(change.set({"cat", "кошка", ""}));
    EXPECT_EQ(window.choice().origin, DictionaryOrigin::beside_program);

    // Another program makes the reader's copy with its own word.
    DictionaryWriter other(places(), calls);
    ASSERT_TRUE(correct_dictionary(other, [](DictionaryChange& c) {
                    return c.set({"zebra", "зебра", ""});
                }).ok());
    EXPECT_TRUE(other.made_readers_copy());
    const std::string made = copy();

    ASSERT_TRUE(window.write(change).ok());
    EXPECT_FALSE(window.made_readers_copy());
    EXPECT_EQ(window.choice().path, folder.file("data/vorna/qd.dat"));
    EXPECT_EQ(copy(), "cat,кошка,koshka\r\ndog,пёс,pjos\r\nzebra,зебра,zebra\r\n");
    EXPECT_EQ(folder.read("data/vorna/qd.dat.bak"), made);
    EXPECT_EQ(folder.read("program/qd.dat"), kInstalled);
}

TEST_F(WriterTest, twoFirstCorrectionsAtOnceMakeOneCopyWithBoth) {
    for (int round = 0; round < 20; ++round) {
        fs::remove_all(folder.file("data"));
        std::atomic<int> ready{0};
        std::vector<std::thread> writers;
        for (const char* word : {"owl", "yak"}) {
            writers.emplace_back([&, word] {
                testing::ReadOnlyFolderCalls own = calls;
                DictionaryWriter writer(places(), own);
                DictionaryChange change;
                EXPECT_TRUE(writer.read(change).ok());
                EXPECT_FALSE(change.set({word, "слово", ""}));
                for (++ready; ready < 2;) {
                }
                EXPECT_TRUE(writer.write(change).ok());
            });
        }
        for (std::thread& writer : writers)
            writer.join();
        const std::string made = copy();
        EXPECT_NE(made.find("owl,"), std::string::npos) << round;
        EXPECT_NE(made.find("yak,"), std::string::npos) << round;
        EXPECT_EQ(folder.read("program/qd.dat"), kInstalled);
    }
}

// The state of both folders, names and bytes.
std::vector<std::pair<std::string, std::string>> snapshot(const TempFolder& folder) {
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder.path())) {
        if (entry.is_regular_file())
            files.emplace_back(entry.path().string(),
                               folder.read(fs::relative(entry.path(), folder.path())));
        else
            files.emplace_back(entry.path().string(), "(folder)");
    }
    std::sort(files.begin(), files.end());
    return files;
}

TEST_F(WriterTest, aFaultAtAnyCallOfTheRewriteLeavesEveryFileAsItWas) {
    // Editing the reader's copy, and making it next to a backup left alone.
    for (const bool copy_exists : {true, false}) {
        fs::remove_all(folder.file("data"));
        fs::create_directories(folder.file("data/vorna"));
        folder.write("data/vorna/qd.dat.bak", "owl,сова,sova\r\n");
        if (copy_exists)
            folder.write("data/vorna/qd.dat", "bee,пчела,pchela\r\nowl,сова,sova\r\n");
        const auto before = snapshot(folder);
        std::size_t fault = 0;
        for (;; ++fault) {
            calls.fail_at = fault;
            calls.calls = 0;
            const EditOutcome outcome = set({"ant", "муравей", ""}, calls);
            if (calls.calls <= fault) {
                ASSERT_TRUE(outcome.ok()) << fault;  // every call passed
                break;
            }
            EXPECT_FALSE(outcome.ok()) << fault;
            EXPECT_FALSE(outcome.status.reason().empty()) << fault;
            EXPECT_EQ(snapshot(folder), before) << "fault at call " << fault;
        }
        EXPECT_GE(fault, 6u);  // two reads, two writes, two flushes, two renames at least
        EXPECT_NE(copy().find("ant,муравей"), std::string::npos);
        EXPECT_EQ(folder.read("program/qd.dat"), kInstalled);
    }
}

// Flushes nothing: the comparison below needs the bytes, not the disk.
struct NoSync : FileCalls {
    int fsync(int) override { return 0; }
};

TEST(DictionaryChangeTest, manyCorrectionsAtOnceGiveTheFileOneByOneWouldGive) {
    std::mt19937 random(7);
    const auto word = [&random] {
        std::string text(2 + random() % 3, 'a');
        for (char& c : text)
            c = static_cast<char>('a' + random() % 5);
        return text;
    };
    NoSync calls;
    for (int round = 0; round < 30; ++round) {
        // Unsorted records, comments, repeated headwords, a last line without its end.
        std::string bytes = round % 2 ? "# words\n" : "";
        for (int line = 0; line < 12; ++line)
            bytes += (random() % 6 == 0 ? "Skip" : word()) + ",x,x\n";
        bytes += word() + ",y,y";
        TempFolder folder;
        folder.write("qd.dat", bytes);
        DictionaryChange all;
        ASSERT_TRUE(all.start(bytes, "qd.dat").ok());
        for (int record = 0; record < 15; ++record) {
            const RecordText text{word(), "t" + std::to_string(record), ""};
            EXPECT_TRUE(set_record(folder.file("qd.dat"), text, calls).ok());
            EXPECT_FALSE(all.set(text));
        }
        EXPECT_EQ(all.result(), folder.read("qd.dat")) << bytes;
    }
}

}  // namespace
}  // namespace vorna
