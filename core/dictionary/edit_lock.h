#pragma once

#include <sys/stat.h>

#include <chrono>
#include <string>

#include "core/io/status.h"

namespace vorna {

// The dictionary held for one correction: open, and locked (flock) against
// every other correction, the windows' and the command line's, from the
// read to the rename of the new version. Two corrections at once thus take
// turns, and neither loses the other's change.
class EditLock {
  public:
    EditLock() = default;
    ~EditLock() { release(); }
    EditLock(const EditLock&) = delete;
    EditLock& operator=(const EditLock&) = delete;

    // Opens the regular file `path` (anything else is refused without
    // waiting on it) and takes the lock, waiting at most `patience` for
    // another correction to finish. Should that correction have put a new
    // version under the name meanwhile, the new version is the one locked.
    Status acquire(const std::string& path,
                   std::chrono::milliseconds patience = std::chrono::seconds(5));
    void release();

    int descriptor() const { return descriptor_; }
    // The locked file's status: its size, permissions and owner.
    const struct stat& status() const { return status_; }

  private:
    int descriptor_ = -1;
    struct stat status_ {};
};

}  // namespace vorna
