#pragma once

#include <functional>
#include <string>

#include "core/dictionary/dictionary_edit.h"
#include "core/io/file_calls.h"

namespace vorna {

// Where the dictionary a front end reads came from.
enum class DictionaryOrigin { given, readers_copy, beside_program };

struct DictionaryChoice {
    std::string path;
    DictionaryOrigin origin = DictionaryOrigin::beside_program;
};

// The reader's data folder, home of their own corrected copy:
// $XDG_DATA_HOME/vorna, else $HOME/.local/share/vorna; empty when neither is
// set. A relative $XDG_DATA_HOME is ignored, as the desktop's rules say.
std::string readers_data_folder(const char* xdg_data_home, const char* home);

// The one rule every front end follows: the path given on the command line
// when there is one, else the reader's copy (<readers_folder>/qd.dat) when it
// is a regular file, else qd.dat beside the program.
DictionaryChoice choose_dictionary(const std::string& given_path, const std::string& program_folder,
                                   const std::string& readers_folder);

// Runs `edit` on choice.path. When the file may not be written
// (EACCES/EPERM/EROFS) and the choice is the dictionary beside the program
// (a system-wide install), it is copied to the reader's folder (made if
// missing), the edit runs on the copy and, on success, `choice` becomes the
// copy; a copy whose edit failed is removed again.
EditOutcome edit_chosen_dictionary(DictionaryChoice& choice, const std::string& readers_folder,
                                   const std::function<EditOutcome(const std::string&)>& edit,
                                   FileCalls& calls = system_file_calls());

}  // namespace vorna
