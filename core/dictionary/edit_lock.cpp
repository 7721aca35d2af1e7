#include "core/dictionary/edit_lock.h"

#include <fcntl.h>

#include <cerrno>

namespace vorna {

Status EditLock::acquire(const std::string& path, LockWait& wait) {
    release();
    for (;;) {
        FileDescriptor file;
        struct stat opened {};
        if (Status status = open_regular_file(path, file, opened); !status.ok())
            return status;
        if (Status status = lock_exclusively(file.get(), path, wait); !status.ok())
            return status;
        // The lock is on the file that was under the name when it was opened;
        // the correction that held it may have renamed a new one into place.
        struct stat named {};
        if (stat(path.c_str(), &named) == 0 && named.st_dev == opened.st_dev &&
            named.st_ino == opened.st_ino) {
            // Its size as it is now, after whatever the holder wrote.
            if (fstat(file.get(), &status_) != 0)
                return Status::from_errno(errno, path);
            file_ = std::move(file);
            return {};
        }
    }
}

Status FolderLock::acquire(const std::string& folder, LockWait& wait) {
    FileDescriptor opened(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!opened.is_open())
        return Status::from_errno(errno, folder);
    if (Status status = lock_exclusively(opened.get(), folder, wait); !status.ok())
        return status;
    folder_ = std::move(opened);
    return {};
}

}  // namespace vorna
