#include "core/engine/run_figures.h"

#include <charconv>
#include <cmath>

#include "core/text/interface_texts.h"

namespace vorna {

std::string format_number(double value, int significant_digits,
                          const std::string& decimal_separator) {
    // to_chars is locale-independent, so the separator is always ours to choose.
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                            std::chars_format::general, significant_digits);
    std::string text = error == std::errc() ? std::string(buffer, end) : std::string("0");
    if (text == "-0")
        text = "0";
    const auto point = text.find('.');
    if (point != std::string::npos)
        text.replace(point, 1, decimal_separator);
    return text;
}

double progress_percent(int64_t line_number, int64_t line_count) {
    if (line_count <= 0)
        return 0;
    return static_cast<double>(line_number * 10000 / line_count) / 100;
}

double cut_elapsed_seconds(double seconds) {
    if (!(seconds > 0))
        return 0;
    // The figure is shown as a single-precision number.
    return static_cast<float>(std::floor(seconds * 100) / 100);
}

std::string progress_panel_text(Script script, double percent,
                                const std::string& decimal_separator) {
    return texts::kTranslated.in(script) + format_number(percent, 15, decimal_separator) + " %";
}

std::string elapsed_panel_text(Script script, double seconds,
                               const std::string& decimal_separator) {
    const auto shown = static_cast<float>(cut_elapsed_seconds(seconds));
    return texts::kElapsed.in(script) + format_number(shown, 7, decimal_separator) +
           texts::kSeconds.in(script);
}

}  // namespace vorna
