#include "core/dictionary/dictionary_choice.h"

#include <sys/stat.h>

#include "core/dictionary/dictionary_file.h"

namespace vorna {

namespace {

bool is_set(const char* value) {
    return value != nullptr && value[0] != '\0';
}

bool is_regular_file(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string in_folder(const std::string& folder) {
    return folder + "/" + std::string(kDictionaryFileName);
}

}  // namespace

std::string readers_data_folder(const char* xdg_data_home, const char* home) {
    if (is_set(xdg_data_home) && xdg_data_home[0] == '/')
        return std::string(xdg_data_home) + "/vorna";
    if (is_set(home))
        return std::string(home) + "/.local/share/vorna";
    return {};
}

DictionaryChoice choose_dictionary(const std::string& given_path, const std::string& program_folder,
                                   const std::string& readers_folder) {
    if (!given_path.empty())
        return {given_path, DictionaryOrigin::given};
    if (!readers_folder.empty() && is_regular_file(in_folder(readers_folder)))
        return {in_folder(readers_folder), DictionaryOrigin::readers_copy};
    return {in_folder(program_folder), DictionaryOrigin::beside_program};
}

DictionaryChoice choose_dictionary(const DictionaryPlaces& places) {
    return choose_dictionary(places.given_path, places.program_folder, places.readers_folder);
}

}  // namespace vorna
