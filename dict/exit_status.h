#pragma once

#include "cmdline/program.h"

namespace vorna::dict {

// What vorna-dict's exit status tells a script.
enum ExitStatus {
    kSuccess = 0,
    kDictionaryNotRead = 1,  // the dictionary is missing or cannot be read
    kUsage = 2,              // a usage error, or an import file that cannot be read
    kDictionaryNotWritten = 3,
    kWordNotFound = 4,      // show, remove: the dictionary has no such word
    kRecordRefused = 5,     // set: the record breaks a rule of the dictionary
    kLinesSkipped = 6,      // import: the good lines went in, some lines did not
    kCannotSpeak = 7,       // say: no sound device or no English voice
    kWavNotWritten = 8,     // say -o: the WAV file cannot be written
    kOutputNotWritten = 9,  // standard output cannot be written (full, closed)
};

inline constexpr cmdline::Program kProgram{"vorna-dict", kOutputNotWritten, kUsage};

}  // namespace vorna::dict
