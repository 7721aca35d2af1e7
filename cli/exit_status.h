#pragma once

#include "cmdline/program.h"

namespace vorna::cli {

// What vorna-translate's exit status tells a script.
enum ExitStatus {
    kSuccess = 0,
    kNoDictionary = 1,  // qd.dat is missing or damaged
    kBadInput = 2,      // a usage error, unreadable or non-UTF-8 input, a word that is no word
    kCannotWrite = 3,   // the output, the statistics or the unknown words
    kNoArticle = 4,     // --article: no article and no qd.dat record for the word
    kFullDictionaryMissing = 5,  // --article: the full dictionary is missing or damaged
    kNoTemporaryFolder = 6,      // no private folder for the working files (TMPDIR)
};

inline constexpr cmdline::Program kProgram{"vorna-translate", kCannotWrite, kBadInput};

}  // namespace vorna::cli
