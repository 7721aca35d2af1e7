#pragma once

#include <filesystem>
#include <string>

namespace vorna {

// The folder that holds `path`: "." for a bare name, "/" for a name in the
// root folder.
inline std::string folder_of(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The folder of the running program, through the links that led to it; the
// current folder when the system cannot say.
inline std::string program_folder() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error)
        return self.parent_path().string();
    const std::filesystem::path current = std::filesystem::current_path(error);
    return error ? std::string(".") : current.string();
}

}  // namespace vorna
