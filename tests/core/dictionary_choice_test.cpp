#include "core/dictionary/dictionary_choice.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "temp_folder.h"

namespace vorna {
namespace {

using testing::TempFolder;

TEST(DictionaryChoiceTest, readersFolderFollowsXdgDataHomeThenHome) {
    struct Case {
        const char* xdg_data_home;
        const char* home;
        std::string folder;
    };
    const Case cases[] = {
        {"/data", "/home/ann", "/data/vorna"},
        {nullptr, "/home/ann", "/home/ann/.local/share/vorna"},
        {"", "/home/ann", "/home/ann/.local/share/vorna"},
        {"relative/data", "/home/ann", "/home/ann/.local/share/vorna"},
        {nullptr, "", ""},
        {nullptr, nullptr, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(readers_data_folder(c.xdg_data_home, c.home), c.folder)
            << (c.xdg_data_home ? c.xdg_data_home : "(unset)");
    }
}

TEST(DictionaryChoiceTest, givenPathThenReadersCopyThenBesideProgram) {
    TempFolder folder;
    const std::string program = folder.path();
    const std::string readers = folder.file("readers");
    std::filesystem::create_directory(readers);

    DictionaryChoice choice = choose_dictionary("", program, readers);
    EXPECT_EQ(choice.path, program + "/qd.dat");
    EXPECT_EQ(choice.origin, DictionaryOrigin::beside_program);

    // A folder in the copy's place is no dictionary.
    std::filesystem::create_directory(readers + "/qd.dat");
    EXPECT_EQ(choose_dictionary("", program, readers).origin, DictionaryOrigin::beside_program);
    std::filesystem::remove(readers + "/qd.dat");

    folder.write("readers/qd.dat", "cat,кот,kot\n");
    choice = choose_dictionary("", program, readers);
    EXPECT_EQ(choice.path, readers + "/qd.dat");
    EXPECT_EQ(choice.origin, DictionaryOrigin::readers_copy);
    EXPECT_EQ(choose_dictionary("", program, "").origin, DictionaryOrigin::beside_program);

    choice = choose_dictionary("/elsewhere/my.dat", program, readers);
    EXPECT_EQ(choice.path, "/elsewhere/my.dat");
    EXPECT_EQ(choice.origin, DictionaryOrigin::given);
}

// Edits the dictionary as a system-wide install does: the file beside the
// program may not be written, any other is edited for real.
class ChosenEditTest : public ::testing::Test {
  protected:
    ChosenEditTest() { folder.write("qd.dat", "cat,кот,kot\n"); }

    EditOutcome edit(const std::string& path) {
        edited.push_back(path);
        const bool installed = path == folder.file("qd.dat");
        if (installed || copy_edit_fails) {
            EditOutcome refused;
            refused.refusal = EditRefusal::file_not_written;
            refused.status = Status::from_errno(installed ? EACCES : ENOSPC, path);
            return refused;
        }
        return set_record(path, {"cat", "кошка", ""});
    }

    EditOutcome edit_chosen(DictionaryChoice& choice, const std::string& readers) {
        return edit_chosen_dictionary(choice, readers,
                                      [this](const std::string& path) { return edit(path); });
    }

    TempFolder folder;
    std::vector<std::string> edited;
    bool copy_edit_fails = false;
};

TEST_F(ChosenEditTest, refusedInstallIsCopiedToTheReadersFolderAndEditedThere) {
    const std::string readers = folder.file("data/vorna");
    DictionaryChoice choice = choose_dictionary("", folder.path(), readers);
    ASSERT_TRUE(edit_chosen(choice, readers).ok());
    EXPECT_EQ(choice.path, readers + "/qd.dat");
    EXPECT_EQ(choice.origin, DictionaryOrigin::readers_copy);
    EXPECT_EQ(folder.read("qd.dat"), "cat,кот,kot\n");
    EXPECT_EQ(folder.read("data/vorna/qd.dat"), "cat,кошка,koshka\n");
    EXPECT_EQ(folder.read("data/vorna/qd.dat.bak"), "cat,кот,kot\n");
}

TEST_F(ChosenEditTest, failedEditOfTheCopyLeavesNoCopy) {
    const std::string readers = folder.file("vorna");
    DictionaryChoice choice = choose_dictionary("", folder.path(), readers);
    copy_edit_fails = true;
    const EditOutcome outcome = edit_chosen(choice, readers);
    EXPECT_EQ(outcome.status.error_number(), ENOSPC);
    EXPECT_EQ(edited, (std::vector<std::string>{folder.file("qd.dat"), readers + "/qd.dat"}));
    EXPECT_EQ(choice.origin, DictionaryOrigin::beside_program);
    EXPECT_TRUE(std::filesystem::is_empty(readers));
}

TEST_F(ChosenEditTest, onlyTheInstalledDictionaryIsCopied) {
    // The reader's folder cannot be made under a file: the system's reason.
    folder.write("plain", "");
    DictionaryChoice beside = choose_dictionary("", folder.path(), folder.file("plain/vorna"));
    EXPECT_EQ(edit_chosen(beside, folder.file("plain/vorna")).status.error_number(), ENOTDIR);
    EXPECT_EQ(beside.origin, DictionaryOrigin::beside_program);

    // A dictionary named on the command line, or no reader's folder: the
    // refusal stands and nothing is copied.
    DictionaryChoice given = choose_dictionary(folder.file("qd.dat"), "", folder.file("vorna"));
    EXPECT_EQ(edit_chosen(given, folder.file("vorna")).status.error_number(), EACCES);
    DictionaryChoice no_folder = choose_dictionary("", folder.path(), "");
    EXPECT_EQ(edit_chosen(no_folder, "").status.error_number(), EACCES);
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"plain", "qd.dat"}));
}

}  // namespace
}  // namespace vorna
