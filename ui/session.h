#pragma once

#include <string>

#include "core/dictionary/dictionary_store.h"
#include "core/text/message_table.h"

namespace vorna::ui {

// What lives for the whole run of the program: the dictionary, the message
// table and the folder that holds the program and qd.dat. main() owns it.
struct Session {
    explicit Session(std::string folder) : application_folder(std::move(folder)) {}

    DictionaryStore store;
    MessageTable messages;
    std::string application_folder;
};

}  // namespace vorna::ui
