#include "core/io/work_folder.h"

#include <stdlib.h>
#include <unistd.h>

#include "core/io/file_descriptor.h"

namespace vorna {

namespace {

// Writing is what matters, not the permission bits: a probe file tells the
// truth for read-only mounts and for users the bits do not bind.
bool can_create_files_in(const std::string& folder) {
    std::string probe = folder + "/.vorna-probe-XXXXXX";
    const FileDescriptor created(mkstemp(probe.data()));
    if (!created.is_open())
        return false;
    unlink(probe.c_str());
    return true;
}

}  // namespace

void clear_stale_work_files(const std::string& folder) {
    clear_stale_working_files(folder, {kWorkingCopyName, kSourceTextName, kOutputTextName});
}

WorkFolder::WorkFolder(const std::string& application_folder)
    : path_(application_folder.empty() ? "." : application_folder) {
    if (can_create_files_in(path_))
        return;
    // An unusable TMPDIR must not stop the windows: /tmp is the usual place.
    if (!private_folder_.create("vorna-").ok() && !private_folder_.create("vorna-", "/tmp").ok())
        return;  // nowhere better; working files carry on without a file
    path_ = private_folder_.path();
}

}  // namespace vorna
