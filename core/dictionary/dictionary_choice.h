#pragma once

#include <string>

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

// Where the one rule looks: what a front end knows at its start.
struct DictionaryPlaces {
    std::string given_path;  // from --dictionary, or empty
    std::string program_folder;
    std::string readers_folder;  // empty when there is none
};

DictionaryChoice choose_dictionary(const DictionaryPlaces& places);

}  // namespace vorna
