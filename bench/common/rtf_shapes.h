#pragma once

#include <string>

namespace vorna::bench {

// RTF documents of shapes that are slow to load: many short runs of
// alternating format in one paragraph, many empty paragraphs, many fonts.
// Each takes how many times its pattern repeats.

// "{\rtf1 " and then "\b x\b0 y" `pairs` times: two runs per pair.
std::string alternating_runs_rtf(int pairs);
// `count` empty paragraphs.
std::string empty_paragraphs_rtf(int count);
// A font table of `count` fonts, each then used for one letter.
std::string many_fonts_rtf(int count);

}  // namespace vorna::bench
