#pragma once

#include <string>

#include "core/dictionary/dictionary_store.h"
#include "core/dictionary/load_progress.h"

namespace vorna {

// Builds the store from qd.dat in the application folder, reporting to `sink`.
// Returns false (after dictionary_missing) when qd.dat does not exist.
bool load_dictionary(DictionaryStore& store, const std::string& application_folder,
                     LoadProgressSink& sink);

// The same load from a dictionary file of any name; the working copy goes to
// `work_folder` (the application folder when it can be written, or a private
// temporary folder otherwise).
bool load_dictionary_file(DictionaryStore& store, const std::string& source_path,
                          const std::string& work_folder, LoadProgressSink& sink);

}  // namespace vorna
