#include "core/io/working_file.h"

#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "core/io/private_folder.h"
#include "core/io/work_folder.h"
#include "temp_folder.h"

namespace vorna {
namespace {

using testing::TempFolder;
using Names = std::vector<std::string>;

TEST(working_file, each_holder_gets_a_file_of_its_own_and_it_goes_with_it) {
    TempFolder folder;
    {
        WorkingFile first, second;
        ASSERT_TRUE(first.open(folder.path(), "qd1.dat"));
        ASSERT_TRUE(second.open(folder.path(), "qd1.dat"));  // as another process would
        EXPECT_EQ(first.path(), folder.file("qd1.dat"));
        EXPECT_NE(second.path(), first.path());
        EXPECT_EQ(second.path().rfind(folder.file("qd1.dat-"), 0), 0u);
        EXPECT_EQ(write(first.descriptor(), "a", 1), 1);
        EXPECT_EQ(std::filesystem::file_size(second.path()), 0u);
    }
    EXPECT_TRUE(folder.names().empty());
}

TEST(working_file, planted_links_and_foreign_files_are_never_followed_or_removed) {
    TempFolder folder;
    folder.write("victim", "keep");
    symlink(folder.file("victim").c_str(), folder.file("temp1.txt").c_str());
    std::filesystem::create_directory(folder.file("temp2.txt"));
    {
        WorkingFile source, output;
        ASSERT_TRUE(source.open(folder.path(), "temp1.txt"));
        ASSERT_TRUE(output.open(folder.path(), "temp2.txt"));
        EXPECT_NE(source.path(), folder.file("temp1.txt"));
        EXPECT_EQ(write(source.descriptor(), "text", 4), 4);
    }
    EXPECT_EQ(folder.read("victim"), "keep");
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file("temp1.txt")));
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("temp2.txt")));
}

TEST(working_file, a_start_clears_what_dead_processes_left_and_nothing_alive) {
    TempFolder folder;
    for (const char* name : {"qd1.dat", "temp2.txt-Ab12Cd", "temp1.txt.bak", "notes.txt"})
        folder.write(name, "left over");
    WorkingFile alive;
    ASSERT_TRUE(alive.open(folder.path(), "temp1.txt"));
    clear_stale_work_files(folder.path());
    EXPECT_EQ(folder.names(), (Names{"notes.txt", "temp1.txt", "temp1.txt.bak"}));

    // A private folder whose process is gone goes, with its working files.
    const std::string stale = folder.file("vorna-Stale1");
    std::filesystem::create_directory(stale);
    std::filesystem::create_directory(folder.file("vorna-Alive1"));
    const int alive_lock = open(folder.file("vorna-Alive1").c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_EQ(flock(alive_lock, LOCK_EX), 0);
    folder.write("vorna-Stale1/temp1.txt", "a whole text");
    PrivateFolder fresh;
    ASSERT_TRUE(fresh.create("vorna-", folder.path()));
    EXPECT_FALSE(std::filesystem::exists(stale));
    EXPECT_TRUE(std::filesystem::exists(folder.file("vorna-Alive1")));
    close(alive_lock);
}

TEST(working_file, a_termination_signal_removes_working_files_and_still_ends_the_process) {
    TempFolder folder;
    // The child inherits this test's own registered folder too; a file in it
    // keeps the folder from being removed under the test.
    folder.write("keep", "");
    for (const int signal_number : {SIGTERM, SIGINT, SIGHUP, SIGPIPE}) {
        int pipe_ends[2];
        ASSERT_EQ(pipe(pipe_ends), 0);
        const pid_t child = fork();
        if (child == 0) {
            PrivateFolder work;
            WorkingFile file;
            if (!work.create("vorna-", folder.path()) || !file.open(work.path(), "temp1.txt"))
                _exit(1);
            (void)!write(pipe_ends[1], "x", 1);
            raise(signal_number);
            _exit(2);  // not reached
        }
        char ready = 0;
        ASSERT_EQ(read(pipe_ends[0], &ready, 1), 1);
        int status = 0;
        waitpid(child, &status, 0);
        close(pipe_ends[0]);
        close(pipe_ends[1]);
        ASSERT_TRUE(WIFSIGNALED(status)) << signal_number;
        EXPECT_EQ(WTERMSIG(status), signal_number);
        EXPECT_EQ(folder.names(), Names{"keep"}) << signal_number;
    }
}

}  // namespace
}  // namespace vorna
