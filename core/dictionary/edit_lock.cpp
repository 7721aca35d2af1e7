#include "core/dictionary/edit_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

namespace vorna {

namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(10);

}  // namespace

Status EditLock::acquire(const std::string& path, std::chrono::milliseconds patience) {
    release();
    const auto give_up = std::chrono::steady_clock::now() + patience;
    for (;;) {
        // Not waiting on a FIFO: a planted one would hold the correction forever.
        const int descriptor = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (descriptor < 0)
            return Status::from_errno(errno, path);
        struct stat opened {};
        if (fstat(descriptor, &opened) != 0) {
            const int error = errno;
            close(descriptor);
            return Status::from_errno(error, path);
        }
        if (!S_ISREG(opened.st_mode)) {
            close(descriptor);
            return S_ISDIR(opened.st_mode) ? Status::from_errno(EISDIR, path)
                                           : Status::failure(path, "not a regular file");
        }
        status_ = opened;
        fcntl(descriptor, F_SETFL, fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
        while (flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
            if ((errno != EWOULDBLOCK && errno != EINTR) ||
                std::chrono::steady_clock::now() >= give_up) {
                const int error = errno;
                close(descriptor);
                return Status::from_errno(error, path);
            }
            std::this_thread::sleep_for(kPollInterval);
        }
        // The lock is on the file that was under the name when it was opened;
        // the correction that held it may have renamed a new one into place.
        struct stat named {};
        if (stat(path.c_str(), &named) == 0 && named.st_dev == status_.st_dev &&
            named.st_ino == status_.st_ino) {
            descriptor_ = descriptor;
            return {};
        }
        close(descriptor);
        if (std::chrono::steady_clock::now() >= give_up)
            return Status::from_errno(EWOULDBLOCK, path);
    }
}

void EditLock::release() {
    if (descriptor_ >= 0)
        close(descriptor_);
    descriptor_ = -1;
}

}  // namespace vorna
