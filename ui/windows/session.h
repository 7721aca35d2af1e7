#pragma once

#include <string>

#include "core/dictionary/dictd_dictionary.h"
#include "core/dictionary/dictionary_choice.h"
#include "core/dictionary/dictionary_store.h"
#include "core/io/file_calls.h"
#include "ui/desktop/program_settings.h"

namespace vorna::ui {

// What lives for the whole run of the program: the dictionary, the folder
// that holds the program and qd.dat, and the reader's settings. main() owns it.
struct Session {
    explicit Session(std::string folder)
        : application_folder(std::move(folder)),
          dictionary(choose_dictionary(std::string(), application_folder, std::string())) {}

    // The dictionary the store is loaded from.
    const std::string& dictionary_path() const { return dictionary.path; }

    DictionaryStore store;
    std::string application_folder;
    // The reader's data folder, home of their own qd.dat; empty for none.
    std::string readers_folder;
    // The reader's own dictionary, once there is one, or the one beside the
    // program; chosen again at every start.
    DictionaryChoice dictionary;
    // The system calls a correction of the dictionary writes through.
    FileCalls* file_calls = &system_file_calls();
    // The dictd dictionary the full articles are read from.
    DictdFiles article_files = installed_article_files();
    ProgramSettings settings;
};

}  // namespace vorna::ui
