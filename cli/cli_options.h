#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vorna::cli {

struct CliOptions {
    std::string dictionary_path;  // "" = the reader's copy or qd.dat beside the program
    bool word_list = false;
    bool translit = false;
    std::optional<std::string> stats_path;  // "-" = standard error
    bool crlf = false;
    std::optional<std::string> output_path;  // none = standard output
    std::optional<std::string> input_path;   // none = standard input
    bool help = false;
    // The reading aids.
    bool lemmas = false;                      // look unknown words up by their dictionary forms
    std::optional<std::string> unknown_path;  // "-" = standard error
    std::optional<std::string> article_word;  // print this word's full article instead
};

struct ParsedOptions {
    CliOptions options;
    std::string error;  // a one-line usage error, or "" when the arguments are fine
};

ParsedOptions parse_options(const std::vector<std::string>& arguments);

// The --help text, in the script the other messages use.
std::string help_text(bool translit);

}  // namespace vorna::cli
