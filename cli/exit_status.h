#pragma once

#include <iostream>
#include <string>

namespace vorna::cli {

// What vorna-translate's exit status tells a script.
enum ExitStatus {
    kSuccess = 0,
    kNoDictionary = 1,  // qd.dat is missing or damaged
    kBadInput = 2,      // a usage error, unreadable or non-UTF-8 input, a word that is no word
    kCannotWrite = 3,
    kNoArticle = 4,              // --article: no article and no qd.dat record for the word
    kFullDictionaryMissing = 5,  // --article: the full dictionary is missing or damaged
};

// Says what went wrong in one line on standard error, after the program's
// name, and returns the exit status to end with.
inline int fail(int status, const std::string& message) {
    std::cerr << "vorna-translate: " << message << '\n';
    return status;
}

}  // namespace vorna::cli
