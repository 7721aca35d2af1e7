#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "cli_fixture.h"
#include "core/dictionary/dictionary_loader.h"
#include "core/engine/silent_hosts.h"
#include "core/engine/translation_engine.h"

namespace vorna {
namespace {

namespace fs = std::filesystem;

class CliTest : public testing::CliFixture {
  protected:
    // What the windows' run gives for the same text.
    std::string run_in_process(const std::string& text, bool word_list) const {
        DictionaryStore store;
        SilentLoadProgress load_sink;
        EXPECT_TRUE(load_dictionary(store, folder_.string(), load_sink));
        TranslationEngine engine(store, folder_.string() + "/qd.dat");
        TranslationOptions options;
        options.form = word_list ? OutputForm::word_list : OutputForm::text;
        SilentRunHost host;
        return engine.text_translate(text, options, host).text;
    }
};

const std::string kText =
    "\xEF\xBB\xBFThe cat and the Dog, 42 times!\r\nI am here.\n\nXyzzy was here\n";

TEST_F(CliTest, output_is_byte_for_byte_the_run_of_the_windows_and_stats_follow) {
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

    // Statistics follow the script and the line ends.
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

TEST_F(CliTest, without_a_dictionary_option_the_readers_copy_comes_first) {
    put("in.txt", "qwzxv\n");
    fs::create_directories(folder_ / "data/vorna");
    put("data/vorna/qd.dat", "qwzxv,жук,zhuk\r\n");
    ASSERT_EQ(translate("in.txt"), 0);
    EXPECT_EQ(read("out.txt"), "qwzxv\n");  // --dictionary wins
    dictionary_option_.clear();
    ASSERT_EQ(translate("in.txt"), 0);
    EXPECT_EQ(read("out.txt"), "жук\n");
    fs::remove(folder_ / "data/vorna/qd.dat");
    ASSERT_EQ(translate("in.txt"), 0);  // the dictionary beside the program
    EXPECT_EQ(read("out.txt"), "qwzxv\n");
}

TEST_F(CliTest, faults_give_one_line_an_exit_code_and_no_output) {
    put("latin1.txt", "caf\xE9 cat\n");
    put("ok.txt", "cat\n");
    put("commas.dat", ",,,\r\n,,\r\n");
    mkfifo(path("fifo").c_str(), 0600);
    const struct {
        std::string arguments;
        int exit_code;
        std::string input = "", environment = "";
    } cases[] = {
        {"latin1.txt", 2},
        {"no-such-file.txt", 2},
        {".", 2},
        {"--bogus latin1.txt", 2},
        {"--stats", 2},
        {"--dictionary missing.dat ok.txt", 1},
        {"--stats no-such-folder/stats.txt ok.txt", 3},
        {"", 2, "< /tmp"},      // a folder as standard input
        {"", 2, "<&-"},         // standard input closed
        {"/proc/self/mem", 2},  // a read that fails
        {"ok.txt", 6, "", "TMPDIR=/nonexistent"},
        {"ok.txt", 6, "", "TMPDIR=/etc/passwd"},
        {"--dictionary /proc/self/mem ok.txt", 1},
        {"--dictionary fifo ok.txt", 1},        // refused, not waited on
        {"--dictionary commas.dat ok.txt", 1},  // lines, but not one record
        // Two outputs, or an output and the input, that are one file.
        {"--stats result.txt ok.txt", 2},
        {"--unknown ./result.txt ok.txt", 2},
        {"--stats ok.txt ok.txt", 2},
        {"--unknown qd.dat ok.txt", 2},
        {"--unknown ok.txt", 2, "< ok.txt"},
        // An option with a value given twice.
        {"-o other.txt ok.txt", 2},
        {"--dictionary qd.dat --dictionary qd.dat ok.txt", 2},
        {"--stats a.txt --stats b.txt ok.txt", 2},
        // A file-size limit: the translation cannot be written whole.
        {"long.txt", 3, "", "ulimit -f 1; " + environment_},
    };
    std::string long_text;
    for (int i = 0; i < 400; ++i)
        long_text += "the cat\n";
    put("long.txt", long_text);
    const std::string usual_environment = environment_;
    const std::string usual_dictionary = dictionary_option_;
    for (const auto& c : cases) {
        environment_ = c.environment.empty() ? usual_environment : c.environment;
        dictionary_option_ =
            c.arguments.find("--dictionary") == std::string::npos ? usual_dictionary : "";
        EXPECT_EQ(
            translate(c.arguments + " -o result.txt", nullptr, c.input + " > out.txt 2> err.txt"),
            c.exit_code)
            << c.arguments << c.input;
        const std::string error = read("err.txt");
        EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1) << c.arguments << ": " << error;
        EXPECT_FALSE(fs::exists(path("result.txt"))) << c.arguments;
    }
    EXPECT_EQ(read("ok.txt"), "cat\n");

#if !defined(__SANITIZE_ADDRESS__)  // its allocator dies where the program would go on
    // A dictionary larger than the memory the program may take (a sparse file).
    put("huge.dat", "");
    fs::resize_file(path("huge.dat"), 4ull << 30);
    environment_ = "ulimit -v 1000000; " + usual_environment;
    dictionary_option_ = "";
    EXPECT_EQ(translate("--dictionary huge.dat ok.txt -o result.txt"), 1);
    EXPECT_FALSE(fs::exists(path("result.txt")));
#endif
}

TEST_F(CliTest, outputs_never_eat_each_other_the_input_or_the_callers_file) {
    put("in.txt", "cat\n");
    put("log.txt", "before\n");
    // Through the caller's descriptors, in place: the log is added to.
    ASSERT_EQ(translate("-o /dev/stdout in.txt", nullptr, ">> log.txt 2> err.txt"), 0);
    ASSERT_EQ(translate("-o /dev/fd/3 --stats /dev/fd/3 in.txt", nullptr, "3>> log.txt"), 0);
    EXPECT_EQ(read("log.txt").rfind("before\nкошка\nкошка\n\ncat\t", 0), 0u) << read("log.txt");
    // A FIFO with a reader is written, not replaced.
    mkfifo(path("fifo").c_str(), 0600);
    ASSERT_EQ(translate("-o fifo in.txt", nullptr,
                        "2> err.txt & timeout 20 cat '" + path("fifo") + "' > '" + path("got.txt") +
                            "'; wait $!"),
              0);
    EXPECT_EQ(read("got.txt"), "кошка\n");
    EXPECT_TRUE(fs::is_fifo(path("fifo")));

    // One file under two names: refused before anything is written.
    put("stats.txt", "old stats");
    symlink("stats.txt", path("link").c_str());
    for (const char* arguments :
         {"-o link --stats stats.txt in.txt", "-o in.txt in.txt", "--stats stats.txt in.txt"}) {
        EXPECT_EQ(translate(arguments, nullptr, "> stats.txt 2> err.txt"), 2) << arguments;
        const std::string error = read("err.txt");
        EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1) << error;
        put("stats.txt", "old stats");
    }
    EXPECT_EQ(read("in.txt"), "cat\n");
    EXPECT_TRUE(fs::is_symlink(path("link")));
    // Standard output and error may share a file: they are written in turn.
    ASSERT_EQ(translate("--stats - in.txt", nullptr, "> both.txt 2>&1"), 0);
    EXPECT_EQ(read("both.txt").rfind("кошка\n\ncat\t", 0), 0u);
}

TEST_F(CliTest, outputs_keep_their_mode_and_change_together_or_not_at_all) {
    put("in.txt", "cat\n");
    put("stats.txt", "old stats");
    put("result.txt", "old result");
    chmod(path("stats.txt").c_str(), 0600);
    chmod(path("result.txt").c_str(), 0640);
    symlink("victim", path("result.txt.vorna-tmp").c_str());
    ASSERT_EQ(translate("--stats stats.txt -o result.txt in.txt"), 0);
    EXPECT_EQ(read("result.txt"), "кошка\n");
    EXPECT_EQ(fs::status(path("stats.txt")).permissions(), fs::perms(0600));
    EXPECT_EQ(fs::status(path("result.txt")).permissions(), fs::perms(0640));
    EXPECT_FALSE(fs::exists(path("victim")));

    // The translation cannot be written: the statistics stay as they were.
    put("stats.txt", "old stats");
    EXPECT_EQ(translate("--stats stats.txt -o /dev/full in.txt"), 3);
    EXPECT_EQ(read("stats.txt"), "old stats");
    // Statistics to a standard error that cannot take them.
    EXPECT_EQ(translate("--stats - in.txt", nullptr, "> out.txt 2> /dev/full"), 3);
    // Standard output closed by the caller or full, and a reader gone early.
    EXPECT_EQ(translate("in.txt", nullptr, ">&- 2> err.txt"), 3);
    EXPECT_EQ(translate("--help", nullptr, "> /dev/full 2> err.txt"), 3);
    std::string long_text;
    for (int i = 0; i < 200000; ++i)
        long_text += "the cat\n";
    put("long.txt", long_text);
    translate("long.txt", nullptr, "2> err.txt | head -c 1 > out.txt");
    // Only what the test put there: no working files, no private folder.
    EXPECT_EQ(temp_.names(),
              (std::vector<std::string>{"err.txt", "in.txt", "long.txt", "out.txt", "qd.dat",
                                        "result.txt", "result.txt.vorna-tmp", "stats.txt"}));
}

}  // namespace
}  // namespace vorna
