#pragma once

#include <functional>
#include <string>

#include "cli/cli_options.h"
#include "core/dictionary/dictionary_store.h"

namespace vorna::cli {

// vorna-translate --article WORD: prints the word's full article as plain
// UTF-8 text and returns the exit status. Without the full dictionary it
// prints the word's qd.dat record, loaded by `load_dictionary`, which returns
// the exit status, after saying why when it could not load it.
int print_article(const CliOptions& options,
                  const std::function<int(DictionaryStore&)>& load_dictionary);

}  // namespace vorna::cli
