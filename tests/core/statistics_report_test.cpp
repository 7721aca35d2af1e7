#include <gtest/gtest.h>

#include "core/engine/statistics_report.h"
#include "engine_fixture.h"

namespace vorna {
namespace {

std::string report_after(int32_t unknown, std::vector<std::pair<std::string, int32_t>> counts,
                         bool cyrillic = true) {
    DictionaryStore store;
    std::vector<testing::Row> rows;
    for (const auto& [word, count] : counts)
        rows.push_back({word, "x", "x"});
    testing::fill_store(store, rows);
    RunCounts run{unknown, std::vector<int32_t>(kEntryRows, 0)};
    for (std::size_t i = 0; i < counts.size(); ++i)
        run.repeat_count[i + 1] = counts[i].second;
    return statistics_report(store, run, cyrillic ? Script::cyrillic : Script::translit, ".");
}

// Empty before any run, the list only without unknown words, and a summary
// heading the list when words were unknown.
TEST(statistics_report, summary_heads_the_list_only_when_words_were_unknown) {
    EXPECT_EQ(report_after(0, {}), "");
    EXPECT_EQ(report_after(0, {{"cat", 2}, {"dog", 0}, {"the", 1}}),
              "\r\ncat\t\t - \t2\r\nthe\t\t - \t1");
    const std::string rule(60, '-');
    EXPECT_EQ(report_after(1, {{"abcdefghi", 4}, {"abcdefghij", 3}}),
              "Слов непереведено 1\r\nИзвестных переведено 7\r\nНеизвестные/известные 14.28%\r\n"
              "\r\nСлово с переводом\tКоличество повторений в тексте\r\n" +
                  rule + "\r\nabcdefghi\t\t - \t4\r\nabcdefghij\t - \t3");
    EXPECT_EQ(report_after(1, {{"cat", 3}}, false),
              "Slov neperevedeno 1\r\nIzvestnih perevedeno 3\r\nNeizvestnie/izvestnie 33.33%\r\n"
              "\r\nSlovo s perevodom\tKolichestvo povtorenij v tekste\r\n" +
                  rule + "\r\ncat\t\t - \t3");
}

TEST(statistics_report, ratio_is_cut_not_rounded) {
    const auto ratio_line = [](int32_t unknown, int32_t known) {
        const std::string report = report_after(unknown, {{"cat", known}});
        const auto start = report.find("известные ");
        return report.substr(start, report.find('\r', start) - start);
    };
    EXPECT_EQ(ratio_line(2, 1), "известные 200%");
    EXPECT_EQ(ratio_line(57, 100), "известные 56.99%");
    EXPECT_EQ(ratio_line(3, 0), "известные -");  // nothing known: no ratio to give
}

}  // namespace
}  // namespace vorna
