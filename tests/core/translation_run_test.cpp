#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>

#include "core/engine/run_figures.h"
#include "core/io/working_file.h"
#include "engine_fixture.h"
#include "temp_folder.h"

namespace vorna {
namespace {

using testing::small_dictionary;

// The folder must exist before the translator is given its path.
struct WithScratchFolder {
    testing::TempFolder folder;
};

struct RunFixture : WithScratchFolder, testing::EngineFixture {
    RunFixture() : EngineFixture(small_dictionary(), folder.path()) {}
    TranslationResult last;
    std::string run(const std::string& source) {
        last = text(source);
        return last.text;
    }
    int32_t count_of(const std::string& headword) const {
        return EngineFixture::count_of(headword, last.counts);
    }
};

TEST(text_translate, translates_line_by_line_with_progress_after_each_in_both_forms) {
    RunFixture f;
    EXPECT_EQ(f.run("Hello, cat\r\n\r\nI\n a\nthe dog\n"),
              "Привет, кошка\r\n\r\nI\r\n \r\nэтот собака\r\n");
    EXPECT_EQ(f.host.progress, (std::vector<double>{20, 40, 60, 80, 100}));
    EXPECT_EQ(f.run("cat\ncat\ncat"), "кошка\r\nкошка\r\nкошка\r\n");
    EXPECT_EQ(f.host.progress[6], 66.66);
    EXPECT_EQ(f.count_of("cat"), 3);  // the second run counts only itself
    EXPECT_EQ(f.count_of("hello"), 0);
    EXPECT_FALSE(f.folder.exists("temp1.txt") || f.folder.exists("temp2.txt"));

    // Word list blocks end with an empty line.
    f.set_form(OutputForm::word_list);
    EXPECT_EQ(f.run("a\na cat\nXyzzy\n"), "a\r\na - \r\ncat - кошка\r\n\r\nXyzzy - Xyzzy\r\n\r\n");
    EXPECT_EQ(f.last.counts.unknown_word_count, 1);
}

TEST(text_translate, an_empty_text_touches_only_temp1_and_clears_the_counters) {
    RunFixture f;
    f.run("cat Xyzzy");
    f.folder.write("temp1.txt", "left over");
    f.folder.write("temp2.txt", "left over");
    f.run("");
    EXPECT_EQ(f.last.outcome, RunOutcome::empty_text);
    EXPECT_FALSE(f.folder.exists("temp1.txt"));
    EXPECT_TRUE(f.folder.exists("temp2.txt"));
    EXPECT_EQ(f.count_of("cat"), 0);
    EXPECT_EQ(f.last.counts.unknown_word_count, 0);
    EXPECT_EQ(f.host.progress.size(), 1u);
    f.run("cat");
    EXPECT_FALSE(f.folder.exists("temp2.txt"));
}

TEST(text_translate, long_lines_and_many_lines_keep_every_character_and_exact_progress) {
    RunFixture f;
    std::string long_line;
    for (int i = 0; i < 25000; ++i)
        long_line += "cat ";
    EXPECT_EQ(f.run(long_line).size(), 25000 * std::string("кошка ").size() + 2);

    std::string many;
    for (int i = 0; i < 300000; ++i)
        many += i % 2 ? "dog\n" : "ёж\n";
    const auto output = f.run(many);
    // One report each time the figure changes: 0, 0.01, ... 100.
    EXPECT_EQ(f.host.progress.size(), 1 + 10001u);
    EXPECT_EQ(f.host.progress[1], 0);
    EXPECT_EQ(f.host.progress[2], 0.01);
    EXPECT_EQ(f.host.progress[1 + 1000], 10);
    EXPECT_EQ(f.host.progress.back(), 100);
    EXPECT_EQ(f.count_of("dog"), 150000);
    EXPECT_EQ(output.size(),
              150000 * (std::string("собака").size() + std::string("ёж").size() + 4));
}

TEST(text_translate, runs_where_the_application_folder_cannot_be_written) {
    testing::EngineFixture f(small_dictionary(), "/proc/vorna-no-such-folder");
    EXPECT_EQ(f.text("the cat").text, "этот кошка\r\n");
}

TEST(text_translate, refuses_a_second_run_inside_the_first_and_cleans_up_when_cancelled) {
    struct Reentrant : testing::RecordingHost {
        std::function<void()> on_pump;
        bool cancel = false;
        void process_pending_events() override { on_pump(); }
        bool cancel_requested() const override { return cancel; }
    };
    RunFixture f;
    Reentrant host;
    TranslationResult inner;
    host.on_pump = [&] { inner = f.engine.text_translate("dog", f.options, host); };
    const TranslationResult outer = f.engine.text_translate("cat\ncat", f.options, host);
    EXPECT_EQ(outer.text, "кошка\r\nкошка\r\n");
    EXPECT_EQ(outer.counts.repeats_of(2), 2);
    EXPECT_EQ(inner.outcome, RunOutcome::busy);

    host.on_pump = [&] { host.cancel = true; };
    EXPECT_EQ(f.engine.text_translate("cat\ncat", f.options, host).outcome, RunOutcome::cancelled);
    EXPECT_FALSE(f.engine.run_in_progress());
    EXPECT_FALSE(f.folder.exists("temp1.txt") || f.folder.exists("temp2.txt"));
}

TEST(text_translate, never_writes_through_planted_links_or_into_another_runs_files) {
    RunFixture f;
    f.folder.write("victim", "keep");
    symlink(f.folder.file("victim").c_str(), f.folder.file("temp1.txt").c_str());
    WorkingFile other_run;  // temp2.txt of another copy of the program
    ASSERT_TRUE(other_run.open(f.folder.path(), "temp2.txt"));
    ASSERT_EQ(write(other_run.descriptor(), "theirs", 6), 6);
    EXPECT_EQ(f.run("the cat"), "этот кошка\r\n");
    EXPECT_EQ(f.folder.read("victim"), "keep");
    EXPECT_EQ(f.folder.read("temp2.txt"), "theirs");
    EXPECT_EQ(f.folder.names(), (std::vector<std::string>{"temp1.txt", "temp2.txt", "victim"}));
}

TEST(text_translate, keeps_word_positions_and_unknown_words_when_asked) {
    RunFixture f;
    TranslationOptions options;
    options.keep_word_positions = true;
    options.collect_unknown_words = true;
    f.set_options(options);
    const std::string source = "The cat\nXyzzy a xyzzy Zork";
    const TranslationResult result = f.text(source);
    ASSERT_EQ(result.word_positions.size(), 5u);  // "a" is never looked up
    for (const WordPosition& at : result.word_positions) {
        const std::string english = source.substr(at.source_offset, at.source_length);
        const std::string rendered = result.text.substr(at.output_offset, at.output_length);
        EXPECT_EQ(english == "The" ? "Этот" : english == "cat" ? "кошка" : english, rendered);
    }
    ASSERT_EQ(result.unknown_words.size(), 2u);
    EXPECT_EQ(result.unknown_words[0].word, "xyzzy");
    EXPECT_EQ(result.unknown_words[0].count, 2);
    EXPECT_EQ(result.unknown_words[0].first_offset, source.find("Xyzzy"));
    EXPECT_EQ(result.unknown_words[1].word, "zork");
    EXPECT_EQ(result.counts.unknown_word_count, 3);
}

TEST(run_figures, numbers_are_cut_and_written_without_trailing_zeros) {
    EXPECT_EQ(elapsed_panel_text(Script::cyrillic, 2.357, "."), "Прошло: 2.35 сек.");
    EXPECT_EQ(elapsed_panel_text(Script::cyrillic, 0.009, ","), "Прошло: 0 сек.");
    EXPECT_EQ(elapsed_panel_text(Script::translit, 61.5, ","), "Proshlo: 61,5 sek.");
    EXPECT_EQ(progress_panel_text(Script::cyrillic, progress_percent(2, 3), "."),
              "Переведено: 66.66 %");
    EXPECT_EQ(format_number(progress_percent(1, 200), 15, ","), "0,5");
    EXPECT_EQ(format_number(progress_percent(214748, 214748), 15, "."), "100");
}

}  // namespace
}  // namespace vorna
