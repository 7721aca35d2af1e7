#pragma once

#include <string>

#include "core/dictionary/dictd_dictionary.h"
#include "core/dictionary/dictionary_store.h"

namespace vorna::ui {

// What lives for the whole run of the program: the dictionary and the folder
// that holds the program and qd.dat. main() owns it.
struct Session {
    explicit Session(std::string folder) : application_folder(std::move(folder)) {}

    std::string dictionary_path() const { return application_folder + "/qd.dat"; }

    DictionaryStore store;
    std::string application_folder;
    // The dictd dictionary the full articles are read from.
    DictdFiles article_files = installed_article_files();
};

}  // namespace vorna::ui
