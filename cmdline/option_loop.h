#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/text/script.h"

namespace vorna::cmdline {

// The script of every message: translit when "--translit" stands anywhere
// among the arguments.
Script script_of(const std::vector<std::string>& arguments);

// Walks a program's arguments for its parser, which says what each option
// means: options stand anywhere among the operands, "--translit" (anywhere,
// so that every message follows it) and "--help"/"-h" are taken here, and an
// option with a value takes the argument after it. The first usage error
// ends the walk.
//
//     OptionLoop loop(arguments);
//     while (loop.next()) {
//         if (loop.argument() == "-o") loop.take_value(output);
//         else if (!loop.at_option()) operands.push_back(loop.argument());
//         else loop.refuse_unknown_option();
//     }
class OptionLoop {
  public:
    explicit OptionLoop(const std::vector<std::string>& arguments);

    Script script() const { return script_; }
    bool translit() const { return script_ == Script::translit; }
    bool help() const { return help_; }

    // Moves to the next argument the parser has to look at; false at the end
    // or after a usage error.
    bool next();
    const std::string& argument() const { return arguments_[index_]; }
    // The argument starts with "-" and is more than "-", and end_options()
    // has not been called.
    bool at_option() const;
    // What follows the current argument are operands, even when they start
    // with "-".
    void end_options() { options_ended_ = true; }

    // The argument after the current option is its value. An option given
    // twice, or without a value, is a usage error.
    void take_value(std::string& value);
    void take_value(std::optional<std::string>& value);

    // Usage errors: a sentence of the parser's own (with what it is about).
    void refuse(std::string message);
    void refuse_unknown_option();
    void refuse_extra_argument();

    // The first usage error in one line, pointing at --help; "" when there
    // was none.
    std::string error() const;

  private:
    const std::vector<std::string>& arguments_;
    Script script_;
    std::size_t index_ = 0;
    bool started_ = false;
    bool options_ended_ = false;
    bool help_ = false;
    std::vector<std::string> valued_options_seen_;
    std::string error_;
};

}  // namespace vorna::cmdline
