#include "core/io/work_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/dictionary/dictionary_loader.h"
#include "core/engine/silent_hosts.h"
#include "temp_folder.h"

namespace vorna {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

// A writable application folder is used as it is; an unwritable one falls
// back to a private folder removed afterwards.
TEST(work_folder, writable_folder_is_used_as_it_is_else_a_private_one_for_a_while) {
    TempFolder folder;
    {
        WorkFolder work(folder.path());
        EXPECT_EQ(work.file("qd1.dat"), folder.file("qd1.dat"));
    }
    EXPECT_TRUE(fs::is_empty(folder.path()));  // no probe left behind
    folder.write("plain-file", "x");
    std::string private_path;
    {
        // Nothing can ever be created below a plain file, not even by root.
        WorkFolder work(folder.file("plain-file"));
        private_path = work.path();
        EXPECT_NE(private_path, folder.file("plain-file"));
        EXPECT_TRUE(std::ofstream(work.file("probe")).good());
    }
    EXPECT_FALSE(fs::exists(private_path));
}

TEST(work_folder, load_completes_in_a_read_only_application_folder) {
    TempFolder folder;
    folder.write("qd.dat", "cat,kot,kot\r\n");
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    if (std::ofstream(folder.file("write-test")).good())
        GTEST_SKIP() << "permission bits do not stop this user from writing";
    DictionaryStore store;
    SilentLoadProgress sink;
    ASSERT_TRUE(load_dictionary(store, folder.path(), sink));
    EXPECT_EQ(store.entries[1].word_eng, "cat");
}

}  // namespace
}  // namespace vorna
