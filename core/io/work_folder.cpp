#include "core/io/work_folder.h"

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace vorna {

namespace {

// Writing is what matters, not the permission bits: a probe file tells the
// truth for read-only mounts and for users the bits do not bind.
bool can_create_files_in(const std::string& folder) {
    std::string probe = folder + "/.vorna-probe-XXXXXX";
    const int descriptor = mkstemp(probe.data());
    if (descriptor < 0)
        return false;
    close(descriptor);
    unlink(probe.c_str());
    return true;
}

std::string make_private_folder() {
    std::error_code error;
    std::filesystem::path base = std::filesystem::temp_directory_path(error);
    if (error)
        base = "/tmp";
    std::string pattern = (base / "vorna-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        return {};
    return pattern;
}

}  // namespace

WorkFolder::WorkFolder(const std::string& application_folder)
    : path_(application_folder.empty() ? "." : application_folder) {
    if (can_create_files_in(path_))
        return;
    std::string private_folder = make_private_folder();
    if (private_folder.empty())
        return;  // nowhere better; writes will report their own failure
    path_ = std::move(private_folder);
    is_private_ = true;
}

WorkFolder::~WorkFolder() {
    if (!is_private_)
        return;
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace vorna
