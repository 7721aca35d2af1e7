#include "core/dictionary/dictionary_choice.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace vorna
