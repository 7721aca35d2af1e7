#pragma once

#include <string>

#include "core/dictionary/dictionary_store.h"
#include "core/dictionary/load_progress.h"
#include "core/io/file_calls.h"
#include "core/io/status.h"

namespace vorna {

// Builds the store from qd.dat in the application folder, reporting to `sink`.
// When qd.dat cannot be read whole (missing, not a regular file, a read
// error), or holds lines but not one record (a UTF-16 file, a file of
// commas), the sink hears dictionary_missing, the store is left empty and
// the status says why.
Status load_dictionary(DictionaryStore& store, const std::string& application_folder,
                       LoadProgressSink& sink);

// The same load from a dictionary file of any name, as the front ends load:
// an empty file counts as missing there, as nothing could be translated with
// it. The working copy goes to
// `work_folder` (the application folder when it can be written, or a private
// temporary folder otherwise), after the working files that processes no
// longer running left there are cleared. Every read goes through `calls`.
Status load_dictionary_file(DictionaryStore& store, const std::string& source_path,
                            const std::string& work_folder, LoadProgressSink& sink,
                            FileCalls& calls = system_file_calls());

}  // namespace vorna
