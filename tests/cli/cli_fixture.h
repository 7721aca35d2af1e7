#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "../core/temp_folder.h"

namespace vorna::testing {

// A folder of the test's own holding the sample dictionary as qd.dat, and a
// way to run vorna-translate in it.
class CliFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::copy_file(std::filesystem::path(VORNA_TEST_DATA_DIR) / "sample-qd.dat",
                                   folder_ / "qd.dat");
    }

    std::string path(const char* name) const { return (folder_ / name).string(); }
    void put(const char* name, const std::string& bytes) const {
        std::ofstream(folder_ / name, std::ios::binary) << bytes;
    }
    std::string read(const char* name) const {
        std::ifstream in(folder_ / name, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    // Runs the program from the test folder; stdout and stderr land in files.
    int translate(const std::string& arguments, const char* input = nullptr,
                  const std::string& redirections = "> out.txt 2> err.txt") const {
        std::string command = "cd '" + folder_.string() + "' && " + environment_ +
                              " '" VORNA_TRANSLATE_PROGRAM "' " + dictionary_option_ + arguments;
        if (input != nullptr)
            command += std::string(" < ") + input;
        command += " " + redirections;
        return WEXITSTATUS(std::system(command.c_str()));
    }

    TempFolder temp_;
    std::filesystem::path folder_ = temp_.path();
    // Working files go to a folder of the test's own, to be looked at, and
    // the reader's copy of the dictionary would be data/vorna/qd.dat there.
    std::string environment_ =
        "TMPDIR='" + temp_.path() + "' XDG_DATA_HOME='" + temp_.path() + "/data'";
    std::string dictionary_option_ = "--dictionary qd.dat ";
};

}  // namespace vorna::testing
