#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vorna::dict {

enum class Command { none, show, set, remove, import, path, say };

struct DictOptions {
    Command command = Command::none;
    std::vector<std::string> operands;  // what follows the command
    std::string dictionary_path;        // "" = the one the choice rule picks
    std::optional<std::string> wav_path;
    bool translit = false;
    bool help = false;
};

struct ParsedDictOptions {
    DictOptions options;
    std::string error;  // a one-line usage error, or "" when the arguments are fine
};

// Options may stand before or after the command; "--" ends them, so that a
// word starting with "-" can still be given.
ParsedDictOptions parse_dict_options(const std::vector<std::string>& arguments);

// The --help text, in the script the other messages use.
std::string dict_help_text(bool translit);

}  // namespace vorna::dict
