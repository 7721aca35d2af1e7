#pragma once

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

}  // namespace vorna
