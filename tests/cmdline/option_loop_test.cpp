#include "cmdline/option_loop.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace vorna::cmdline {
namespace {

using Arguments = std::vector<std::string>;

// What a small parser built on the loop saw: "-o" takes a value, "-x" is a
// flag, "--" ends the options, everything else is an operand.
struct Seen {
    std::optional<std::string> output;
    bool flag = false;
    Arguments operands;
    bool help = false;
    std::string error;
};

Seen parse(const Arguments& arguments) {
    Seen seen;
    OptionLoop loop(arguments);
    while (loop.next()) {
        const std::string& argument = loop.argument();
        if (!loop.at_option())
            seen.operands.push_back(argument);
        else if (argument == "--")
            loop.end_options();
        else if (argument == "-o")
            loop.take_value(seen.output);
        else if (argument == "-x")
            seen.flag = true;
        else
            loop.refuse_unknown_option();
    }
    seen.help = loop.help();
    seen.error = loop.error();
    return seen;
}

TEST(option_loop, options_stand_anywhere_and_dashes_end_them) {
    const Seen seen = parse({"a", "-o", "-x", "--translit", "-", "", "-h", "--", "-x", "--help"});
    EXPECT_EQ(seen.output, "-x");  // a value is taken as it is
    EXPECT_FALSE(seen.flag);
    EXPECT_TRUE(seen.help);
    EXPECT_EQ(seen.operands, (Arguments{"a", "-", "", "-x", "--help"}));
    EXPECT_EQ(seen.error, "");
}

TEST(option_loop, the_first_usage_error_ends_the_walk_in_the_chosen_script) {
    const struct {
        Arguments arguments;
        std::string error;
        Arguments operands;  // seen before the error
    } cases[] = {
        {{"-o", "a", "b", "-o", "c", "d"}, "параметр указан дважды: -o (см. --help)", {"b"}},
        {{"b", "-o"}, "параметру -o нужно значение (см. --help)", {"b"}},
        {{"-y", "b", "-z"}, "неизвестный параметр: -y (см. --help)", {}},
        // --translit after the error still chooses the script of its message.
        {{"-o", "a", "-o", "b", "--translit"}, "parametr ukazan dvazhdi: -o (sm. --help)", {}},
    };
    for (const auto& c : cases) {
        const Seen seen = parse(c.arguments);
        EXPECT_EQ(seen.error, c.error);
        EXPECT_EQ(seen.operands, c.operands) << c.error;
        EXPECT_NE(seen.output, "c");  // the first value stands
    }
}

}  // namespace
}  // namespace vorna::cmdline
