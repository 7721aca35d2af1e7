#include "core/io/file_lock.h"

#include <sys/file.h>

#include <cerrno>
#include <chrono>
#include <thread>

namespace vorna {

void LockWait::pause() {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

LockWait& silent_lock_wait() {
    static LockWait wait;
    return wait;
}

Status lock_exclusively(int descriptor, const std::string& name, LockWait& wait) {
    bool said = false;
    Status status;
    while (flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK) {
            status = Status::from_errno(errno, name);
            break;
        }
        if (!said)
            wait.waiting(name);
        said = true;
        wait.pause();
    }
    if (said)
        wait.waiting_over();
    return status;
}

}  // namespace vorna
