#pragma once

#include <sys/stat.h>

#include <string>

#include "core/io/file_descriptor.h"
#include "core/io/file_lock.h"
#include "core/io/status.h"

namespace vorna {

// The dictionary held for one correction: open, and locked (flock) against
// every other correction, the windows' and the command line's, from the
// read to the rename of the new version. Two corrections at once thus take
// turns, and neither loses the other's change.
class EditLock {
  public:
    // Opens the regular file `path` (anything else is refused without
    // waiting on it) and takes the lock, waiting through `wait` for as long
    // as another correction holds it. Should that correction have put a new
    // version under the name meanwhile, the new version is the one locked.
    Status acquire(const std::string& path, LockWait& wait = silent_lock_wait());
    void release() { file_.reset(); }

    int descriptor() const { return file_.get(); }
    // The locked file's status: its size, permissions and owner.
    const struct stat& status() const { return status_; }

  private:
    FileDescriptor file_;
    struct stat status_ {};
};

// The reader's data folder held by one writer (flock on the folder itself)
// while it chooses the file to write and writes it. The lock is the folder
// and not a file in it: the folder is there before the reader's copy is,
// stays when a new copy is renamed into it, and leaves nothing behind that
// a killed writer could strand or another user plant. Every writer that may
// make or replace the reader's copy takes it first, and the file's own
// EditLock after it, so two first corrections of the installed dictionary
// never both make a copy.
class FolderLock {
  public:
    // Locks `folder`, which must exist, waiting through `wait`.
    Status acquire(const std::string& folder, LockWait& wait = silent_lock_wait());
    bool is_held() const { return folder_.is_open(); }

  private:
    FileDescriptor folder_;
};

}  // namespace vorna
