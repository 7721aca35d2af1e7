#include "core/io/work_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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

}  // namespace
}  // namespace vorna
