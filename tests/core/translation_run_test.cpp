#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>

#include "core/engine/run_figures.h"
#include "engine_fixture.h"

namespace vorna {
namespace {

namespace fs = std::filesystem;
using testing::small_dictionary;

class ScratchFolder {
  public:
    ScratchFolder() {
        path_ = fs::temp_directory_path() / ("vorna-run-" + std::to_string(std::random_device{}()));
        fs::create_directories(path_);
    }
    ~ScratchFolder() { fs::remove_all(path_); }
    std::string path() const { return path_.string(); }
    bool has(const char* name) const { return fs::exists(path_ / name); }
    void put(const char* name, const std::string& text) const {
        std::ofstream(path_ / name, std::ios::binary) << text;
    }

  private:
    fs::path path_;
};

// The folder must exist before the translator is given its path.
struct WithScratchFolder {
    ScratchFolder folder;
};

struct RunFixture : WithScratchFolder, testing::EngineFixture {
    RunFixture() : EngineFixture(small_dictionary(), folder.path()) {}
    std::optional<std::string> run(const std::string& text) {
        return text_translate(translator, host, text, ".");
    }
};

TEST(text_translate, translates_line_by_line_with_progress_after_each) {
    RunFixture f;
    EXPECT_EQ(f.run("Hello, cat\r\n\r\nI\n a\nthe dog\n"),
              "Привет, кошка\r\n\r\nI\r\n \r\nэтот собака\r\n");
    EXPECT_EQ(f.host.progress,
              (std::vector<std::string>{"Переведено: 20 %", "Переведено: 40 %", "Переведено: 60 %",
                                        "Переведено: 80 %", "Переведено: 100 %"}));
    EXPECT_EQ(f.run("cat\ncat\ncat").value(), "кошка\r\nкошка\r\nкошка\r\n");
    EXPECT_EQ(f.host.progress[6], "Переведено: 66.66 %");
    EXPECT_EQ(f.count_of("cat"), 3);  // the second run counts only itself
    EXPECT_EQ(f.count_of("hello"), 0);
    EXPECT_FALSE(f.folder.has("temp1.txt") || f.folder.has("temp2.txt"));
}

TEST(text_translate, word_list_blocks_end_with_an_empty_line) {
    RunFixture f;
    f.translator.type_of_translate = "\r\n";
    EXPECT_EQ(f.run("a\na cat\nXyzzy\n"), "a\r\na - \r\ncat - кошка\r\n\r\nXyzzy - Xyzzy\r\n\r\n");
    EXPECT_EQ(f.translator.unknown_word_count, 1);
}

TEST(text_translate, an_empty_text_touches_only_temp1_and_clears_the_counters) {
    RunFixture f;
    f.run("cat Xyzzy");
    f.folder.put("temp1.txt", "left over");
    f.folder.put("temp2.txt", "left over");
    EXPECT_EQ(f.run(""), std::nullopt);
    EXPECT_FALSE(f.folder.has("temp1.txt"));
    EXPECT_TRUE(f.folder.has("temp2.txt"));
    EXPECT_EQ(f.count_of("cat"), 0);
    EXPECT_EQ(f.translator.unknown_word_count, 0);
    EXPECT_EQ(f.host.progress.size(), 1u);
    f.run("cat");
    EXPECT_FALSE(f.folder.has("temp2.txt"));
}

TEST(text_translate, long_lines_and_many_lines_keep_every_character_and_exact_progress) {
    RunFixture f;
    std::string long_line;
    for (int i = 0; i < 25000; ++i)
        long_line += "cat ";
    EXPECT_EQ(f.run(long_line)->size(), 25000 * std::string("кошка ").size() + 2);

    std::string many;
    for (int i = 0; i < 300000; ++i)
        many += i % 2 ? "dog\n" : "ёж\n";
    const auto output = f.run(many);
    // One report each time the figure changes: 0, 0.01, ... 100.
    EXPECT_EQ(f.host.progress.size(), 1 + 10001u);
    EXPECT_EQ(f.host.progress[1], "Переведено: 0 %");
    EXPECT_EQ(f.host.progress[2], "Переведено: 0.01 %");
    EXPECT_EQ(f.host.progress[1 + 1000], "Переведено: 10 %");
    EXPECT_EQ(f.host.progress.back(), "Переведено: 100 %");
    EXPECT_EQ(f.count_of("dog"), 150000);
    EXPECT_EQ(output->size(),
              150000 * (std::string("собака").size() + std::string("ёж").size() + 4));
}

TEST(text_translate, runs_where_the_application_folder_cannot_be_written) {
    testing::EngineFixture f(small_dictionary(), "/proc/vorna-no-such-folder");
    EXPECT_EQ(text_translate(f.translator, f.host, "the cat", ".").value(), "этот кошка\r\n");
}

TEST(text_translate, refuses_a_second_run_inside_the_first_and_cleans_up_when_cancelled) {
    struct Reentrant : testing::RecordingHost {
        std::function<void()> on_pump;
        void process_pending_events() override { on_pump(); }
    };
    RunFixture f;
    Reentrant host;
    std::optional<std::string> inner = "not run";
    host.on_pump = [&] { inner = text_translate(f.translator, host, "dog", "."); };
    EXPECT_EQ(text_translate(f.translator, host, "cat\ncat", "."), "кошка\r\nкошка\r\n");
    EXPECT_EQ(inner, std::nullopt);

    host.on_pump = [] { throw RunCancelled(); };
    EXPECT_THROW(text_translate(f.translator, host, "cat\ncat", "."), RunCancelled);
    EXPECT_FALSE(f.translator.run_in_progress);
    EXPECT_FALSE(f.folder.has("temp1.txt") || f.folder.has("temp2.txt"));
}

TEST(run_figures, numbers_are_cut_and_written_without_trailing_zeros) {
    MessageTable messages;
    fill_main_messages(messages, kModeRus);
    EXPECT_EQ(elapsed_panel_text(messages, 2.357, "."), "Прошло: 2.35 сек.");
    EXPECT_EQ(elapsed_panel_text(messages, 0.009, ","), "Прошло: 0 сек.");
    EXPECT_EQ(elapsed_panel_text(messages, 61.5, ","), "Прошло: 61,5 сек.");
    EXPECT_EQ(format_number(progress_percent(1, 200), 15, ","), "0,5");
    EXPECT_EQ(format_number(progress_percent(2, 3), 15, "."), "66.66");
    EXPECT_EQ(format_number(progress_percent(214748, 214748), 15, "."), "100");
}

}  // namespace
}  // namespace vorna
