#pragma once

#include <string>

#include "core/dictionary/dictd_dictionary.h"
#include "core/dictionary/dictionary_store.h"
#include "core/io/file_calls.h"

namespace vorna::ui {

// What lives for the whole run of the program: the dictionary and the folder
// that holds the program and qd.dat. main() owns it.
struct Session {
    explicit Session(std::string folder) : application_folder(std::move(folder)) {}

    // The dictionary the store is loaded from: the reader's own, once there
    // is one, or the one beside the program.
    std::string dictionary_path() const {
        return own_dictionary_in_use ? own_dictionary_path() : application_folder + "/qd.dat";
    }
    std::string own_dictionary_path() const { return user_data_folder + "/qd.dat"; }

    DictionaryStore store;
    std::string application_folder;
    // The reader's data folder, home of their own qd.dat; empty for none.
    std::string user_data_folder;
    bool own_dictionary_in_use = false;
    // The system calls a correction of the dictionary writes through.
    FileCalls* file_calls = &system_file_calls();
    // The dictd dictionary the full articles are read from.
    DictdFiles article_files = installed_article_files();
};

}  // namespace vorna::ui
