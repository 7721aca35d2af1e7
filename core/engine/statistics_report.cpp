#include "core/engine/statistics_report.h"

#include <cmath>

#include "core/engine/run_figures.h"
#include "core/text/text_case.h"

namespace vorna {

namespace {

struct ReportLabels {
    const char* unknown;
    const char* known;
    const char* ratio;
    const char* word_heading;
    const char* count_heading;
};

constexpr ReportLabels kCyrillicLabels{"Слов непереведено ", "Известных переведено ",
                                       "Неизвестные/известные ", "Слово с переводом",
                                       "Количество повторений в тексте"};
constexpr ReportLabels kTranslitLabels{"Slov neperevedeno ", "Izvestnih perevedeno ",
                                       "Neizvestnie/izvestnie ", "Slovo s perevodom",
                                       "Kolichestvo povtorenij v tekste"};

constexpr const char* kCrLf = "\r\n";
constexpr std::size_t kLongHeadword = 10;  // from here on one TAB lines the counts up

// Unknown words per hundred known ones, cut after two decimals. With no known
// word there is no ratio; a dash says so instead of a division by zero.
std::string ratio_text(int32_t unknown, int64_t known, const std::string& decimal_separator) {
    if (known == 0)
        return "-";
    const double ratio =
        std::floor(static_cast<double>(unknown) / static_cast<double>(known) * 10000) / 100;
    return format_number(ratio, 15, decimal_separator) + "%";
}

}  // namespace

std::string statistics_report(const DictionaryStore& store, const RunCounts& counts,
                              Script labels_script, const std::string& decimal_separator) {
    const int32_t unknown_word_count = counts.unknown_word_count;
    std::string list;
    int64_t known_total = 0;
    for (std::size_t row = 0; row < store.entries.size(); ++row) {
        const int32_t count = counts.repeats_of(row);
        const DictionaryEntry& entry = store.entries[row];
        if (count == 0)
            continue;
        list += kCrLf;
        list += entry.word_eng;
        list += count_code_points(entry.word_eng) < kLongHeadword ? "\t\t" : "\t";
        list += " - \t";
        list += std::to_string(count);
        known_total += count;
    }
    if (unknown_word_count == 0)
        return list;

    const ReportLabels& labels =
        labels_script == Script::cyrillic ? kCyrillicLabels : kTranslitLabels;
    std::string summary;
    summary += labels.unknown + std::to_string(unknown_word_count) + kCrLf;
    summary += labels.known + std::to_string(known_total) + kCrLf;
    summary += labels.ratio + ratio_text(unknown_word_count, known_total, decimal_separator);
    summary += std::string(kCrLf) + kCrLf;
    summary += std::string(labels.word_heading) + "\t" + labels.count_heading + kCrLf;
    summary += std::string(60, '-');
    return summary + list;
}

}  // namespace vorna
