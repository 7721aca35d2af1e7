#pragma once

#include <optional>
#include <string>
#include <utility>

#include "cli/cli_options.h"

namespace vorna::cli {

// Two of the files a run reads and writes that are one file, where writing
// would eat the other: an output file that is replaced whole and another
// output, the input or the dictionary. Outputs written through a descriptor (standard
// output, /dev/stdout) follow each other and eat nothing. Names are as the
// user gave them; the standard streams are named in `translit` or Cyrillic.
std::optional<std::pair<std::string, std::string>> shared_file(const CliOptions& options,
                                                               const std::string& dictionary,
                                                               bool translit);

}  // namespace vorna::cli
