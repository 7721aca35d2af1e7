#pragma once

#include <cstdint>
#include <string>

#include "core/text/script.h"

namespace vorna {

// Writes a number the way the windows show numbers: no leading blank, no
// trailing zeros, no separator for a whole number, at most
// `significant_digits` digits, with the given decimal separator.
std::string format_number(double value, int significant_digits,
                          const std::string& decimal_separator);

// Share of lines done in per cent, cut after two decimals (64-bit safe).
double progress_percent(int64_t line_number, int64_t line_count);

// Elapsed seconds cut after two decimals.
double cut_elapsed_seconds(double seconds);

// "Переведено: 33.33 %" — the progress panel during a run.
std::string progress_panel_text(Script script, double percent,
                                const std::string& decimal_separator);

// "Прошло: 2.35 сек." — the elapsed-time panel after a translation command.
std::string elapsed_panel_text(Script script, double seconds, const std::string& decimal_separator);

}  // namespace vorna
