#include "core/dictionary/dictionary_choice.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

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

bool is_refused_permission(const EditOutcome& outcome) {
    const int error = outcome.status.error_number();
    return outcome.refusal == EditRefusal::file_not_written &&
           (error == EACCES || error == EPERM || error == EROFS);
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

EditOutcome edit_chosen_dictionary(DictionaryChoice& choice, const std::string& readers_folder,
                                   const std::function<EditOutcome(const std::string&)>& edit,
                                   FileCalls& calls) {
    EditOutcome outcome = edit(choice.path);
    if (!is_refused_permission(outcome) || choice.origin != DictionaryOrigin::beside_program ||
        readers_folder.empty()) {
        return outcome;
    }
    std::error_code made;
    std::filesystem::create_directories(readers_folder, made);
    if (made) {
        outcome.status = Status::from_errno(made.value(), readers_folder);
        return outcome;
    }
    const std::string copy = in_folder(readers_folder);
    if (Status copied = copy_dictionary(choice.path, copy, calls); !copied.ok()) {
        outcome.status = std::move(copied);
        return outcome;
    }
    outcome = edit(copy);
    if (!outcome.ok()) {
        std::remove(copy.c_str());
        std::remove((copy + std::string(kBackupSuffix)).c_str());
        return outcome;
    }
    choice = {copy, DictionaryOrigin::readers_copy};
    return outcome;
}

}  // namespace vorna
