#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "core/dictionary/dictionary_loader.h"
#include "core/engine/silent_hosts.h"
#include "core/engine/translation_engine.h"

namespace vorna {
namespace {

namespace fs = std::filesystem;

class CliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ =
            fs::temp_directory_path() / ("vorna-cli-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder_);
        fs::copy_file(fs::path(VORNA_TEST_DATA_DIR) / "sample-qd.dat", folder_ / "qd.dat");
    }
    void TearDown() override { fs::remove_all(folder_); }

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
    int translate(const std::string& arguments, const char* input = nullptr) const {
        std::string command = "cd '" + folder_.string() +
                              "' && '" VORNA_TRANSLATE_PROGRAM "' --dictionary qd.dat " + arguments;
        if (input != nullptr)
            command += std::string(" < ") + input;
        command += " > out.txt 2> err.txt";
        const int status = std::system(command.c_str());
        return WEXITSTATUS(status);
    }
    // What the windows' run gives for the same text.
    std::string run_in_process(const std::string& text, bool word_list) const {
        DictionaryStore store;
        SilentLoadProgress load_sink;
        load_dictionary(store, folder_.string(), load_sink);
        TranslationEngine engine(store, folder_.string() + "/qd.dat");
        TranslationOptions options;
        options.form = word_list ? OutputForm::word_list : OutputForm::text;
        engine.set_options(options);
        SilentRunHost host;
        return engine.text_translate(text, host).text;
    }

    fs::path folder_;
};

const std::string kText =
    "\xEF\xBB\xBFThe cat and the Dog, 42 times!\r\nI am here.\n\nXyzzy was here\n";

TEST_F(CliTest, crlf_output_is_byte_for_byte_the_run_of_the_windows) {
    put("in.txt", kText);
    for (bool word_list : {false, true}) {
        ASSERT_EQ(translate(std::string("--crlf in.txt") + (word_list ? " --word-list" : "")), 0);
        EXPECT_EQ(read("out.txt"), run_in_process(kText.substr(3), word_list));
        EXPECT_EQ(read("err.txt"), "");
    }
    ASSERT_EQ(translate("-o result.txt", "in.txt"), 0);
    EXPECT_EQ(read("out.txt"), "");
    const std::string lf_output = read("result.txt");
    EXPECT_EQ(lf_output.find('\r'), std::string::npos);
    EXPECT_EQ(std::count(lf_output.begin(), lf_output.end(), '\n'), 4);
}

TEST_F(CliTest, stats_follow_the_script_and_the_line_ends) {
    put("in.txt", "cat Xyzzy cat\n");
    ASSERT_EQ(translate("--translit --stats stats.txt in.txt"), 0);
    EXPECT_EQ(read("stats.txt").rfind("Slov neperevedeno 1\nIzvestnih perevedeno 2\n", 0), 0u);
    ASSERT_EQ(translate("--crlf --stats - in.txt"), 0);
    EXPECT_EQ(read("err.txt").rfind("Слов непереведено 1\r\n", 0), 0u);
    put("empty.txt", "");
    ASSERT_EQ(translate("--stats stats.txt empty.txt"), 0);
    EXPECT_EQ(read("out.txt"), "");
    EXPECT_TRUE(fs::exists(path("stats.txt")));
    EXPECT_EQ(read("stats.txt"), "");
}

TEST_F(CliTest, bad_input_gives_one_line_an_exit_code_and_no_output) {
    put("latin1.txt", "caf\xE9 cat\n");
    put("ok.txt", "cat\n");
    const struct {
        std::string arguments;
        int exit_code;
    } cases[] = {
        {"latin1.txt", 2},
        {"no-such-file.txt", 2},
        {".", 2},
        {"--bogus latin1.txt", 2},
        {"--stats", 2},
        {"--dictionary missing.dat ok.txt", 1},
        {"--stats no-such-folder/stats.txt ok.txt", 3},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(translate(c.arguments + " -o result.txt"), c.exit_code) << c.arguments;
        const std::string error = read("err.txt");
        EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1) << c.arguments << ": " << error;
        EXPECT_FALSE(fs::exists(path("result.txt"))) << c.arguments;
    }
}

}  // namespace
}  // namespace vorna
