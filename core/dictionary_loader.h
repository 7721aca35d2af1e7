#pragma once

#include <string>

#include "core/dictionary_store.h"
#include "core/load_progress.h"

namespace vorna {

// Builds the store from qd.dat in the application folder, reporting to `sink`.
// Returns false (after dictionary_missing) when qd.dat does not exist.
bool load_dictionary(DictionaryStore& store, const std::string& application_folder,
                     LoadProgressSink& sink);

}  // namespace vorna
