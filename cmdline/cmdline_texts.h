#pragma once

#include "core/text/interface_texts.h"

// The messages every command-line program shows, in both scripts; what they
// are about (an argument, a file, a reason) follows them.
namespace vorna::cmdline::texts {

// About the arguments; a usage error ends with kSeeHelp.
inline constexpr ScriptedText kNeedsValue = {"параметру ", "parametru "};
inline constexpr ScriptedText kNeedsValueEnd = {" нужно значение", " nuzhno znachenie"};
inline constexpr ScriptedText kGivenTwice = {"параметр указан дважды: ",
                                             "parametr ukazan dvazhdi: "};
inline constexpr ScriptedText kUnknownOption = {"неизвестный параметр: ", "neizvestnij parametr: "};
inline constexpr ScriptedText kExtraArgument = {"лишний аргумент: ", "lishnij argument: "};
inline constexpr ScriptedText kSeeHelp = {" (см. --help)", " (sm. --help)"};

// About files and streams.
inline constexpr ScriptedText kCannotRead = {"не удаётся прочитать: ", "ne udajotsja prochitatj: "};
inline constexpr ScriptedText kStandardStreamClosed = {
    "стандартный поток закрыт, и его не занять: ", "standartnij potok zakrit, i ego ne zanjatj: "};
inline constexpr ScriptedText kCannotWriteFile = {"не удаётся записать: ",
                                                  "ne udajotsja zapisatj: "};

}  // namespace vorna::cmdline::texts
