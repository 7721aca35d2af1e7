#include "core/io/atomic_write.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "failing_calls.h"
#include "temp_folder.h"

namespace vorna {
namespace {

using testing::FailingCalls;
using testing::TempFolder;
using Names = std::vector<std::string>;

mode_t mode_of(const std::string& path) {
    struct stat status {};
    stat(path.c_str(), &status);
    return status.st_mode & 07777;
}

TEST(atomic_write, replaces_the_file_keeping_its_mode_and_never_follows_planted_links) {
    TempFolder folder;
    folder.write("out.txt", "old");
    chmod(folder.file("out.txt").c_str(), 0640);
    ASSERT_TRUE(write_file_atomically(folder.file("out.txt"), "new"));
    EXPECT_EQ(folder.read("out.txt"), "new");
    EXPECT_EQ(mode_of(folder.file("out.txt")), 0640u);
    EXPECT_EQ(folder.names(), Names{"out.txt"});

    // A link the user made keeps pointing at the file it names.
    symlink("out.txt", folder.file("link").c_str());
    ASSERT_TRUE(write_file_atomically(folder.file("link"), "through the link"));
    EXPECT_EQ(folder.read("out.txt"), "through the link");
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file("link")));

    // A link planted at a temporary name is never written through.
    folder.write("victim", "keep");
    for (const char* planted : {"out.txt.vorna-tmp", "out.txt.vorna-"})
        symlink(folder.file("victim").c_str(), folder.file(planted).c_str());
    ASSERT_TRUE(write_file_atomically(folder.file("out.txt"), "translation"));
    EXPECT_EQ(folder.read("victim"), "keep");
    EXPECT_FALSE(std::filesystem::is_symlink(folder.file("out.txt")));
    EXPECT_EQ(folder.read("out.txt"), "translation");
}

TEST(atomic_write, a_write_that_fails_part_way_leaves_the_target_and_no_temporary) {
    TempFolder folder;
    folder.write("kept", "original");
    FailingCalls full_disk;
    full_disk.write_budget = 3;
    const Status status =
        write_file_atomically(folder.file("kept"), "a longer new text", full_disk);
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(status.error_number(), ENOSPC);
    EXPECT_EQ(status.path(), folder.file("kept"));
    EXPECT_EQ(folder.read("kept"), "original");
    EXPECT_EQ(folder.names(), Names{"kept"});

    // A file that cannot take the permissions of the one it would replace
    // is not put in its place.
    chmod(folder.file("kept").c_str(), 0644);
    FailingCalls no_chmod;
    no_chmod.chmods_fail = true;
    EXPECT_EQ(write_file_atomically(folder.file("kept"), "new", no_chmod).error_number(), EPERM);
    EXPECT_EQ(folder.read("kept"), "original");
    EXPECT_EQ(folder.names(), Names{"kept"});

    EXPECT_FALSE(write_file_atomically(folder.file("no-such-folder/x"), "x"));
    EXPECT_EQ(write_file_atomically(folder.path(), "x").error_number(), EISDIR);
}

TEST(atomic_write, writes_side_by_side_get_their_own_temporaries_and_commit_together) {
    TempFolder folder;
    folder.write("stats", "old stats");
    PendingFile first, second, stats;
    ASSERT_TRUE(first.prepare(folder.file("out"), "first"));
    ASSERT_TRUE(second.prepare(folder.file("out"), "second"));
    ASSERT_TRUE(stats.prepare(folder.file("stats"), "new stats"));
    EXPECT_EQ(folder.names().size(), 4u);  // stats and three temporaries
    ASSERT_TRUE(commit_all({&first, &stats}));
    EXPECT_EQ(folder.read("out"), "first");
    ASSERT_TRUE(second.commit());
    EXPECT_EQ(folder.read("out"), "second");
    EXPECT_EQ(folder.read("stats"), "new stats");

    // What is not committed goes with its object.
    {
        PendingFile abandoned;
        ASSERT_TRUE(abandoned.prepare(folder.file("stats"), "never"));
    }
    EXPECT_EQ(folder.names(), (Names{"out", "stats"}));
    EXPECT_EQ(folder.read("stats"), "new stats");

    // A device is written where it is, not replaced.
    PendingFile device;
    ASSERT_TRUE(device.prepare("/dev/null", "bytes"));
    EXPECT_TRUE(device.writes_in_place());
    EXPECT_TRUE(device.commit());
    EXPECT_FALSE(write_file_atomically("/dev/full", "bytes"));

    // A file named through an open descriptor is written through it: a file
    // opened for appending is added to, never renamed over.
    folder.write("log", "before\n");
    const int log = open(folder.file("log").c_str(), O_WRONLY | O_APPEND);
    struct stat before {};
    fstat(log, &before);
    for (const char* name : {"/dev/fd/", "/proc/self/fd/"}) {
        ASSERT_TRUE(write_file_atomically(std::string(name) + std::to_string(log), "line\n"));
    }
    close(log);
    EXPECT_EQ(folder.read("log"), "before\nline\nline\n");
    struct stat after {};
    stat(folder.file("log").c_str(), &after);
    EXPECT_EQ(after.st_ino, before.st_ino);
}

}  // namespace
}  // namespace vorna
