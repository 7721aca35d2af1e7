#pragma once

#include <sys/stat.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "core/io/file_calls.h"
#include "core/io/file_descriptor.h"
#include "core/io/signal_cleanup.h"
#include "core/io/status.h"

namespace vorna {

// How PendingFile::prepare treats what stands at the target's name.
struct WriteRules {
    // Replace whatever stands at the target's name (a link, a FIFO, a
    // file), never opening or following it: for files of the program's
    // own, such as a backup, where something else under the name was
    // planted.
    bool replace_name = false;
    // The permissions (and owner) the new file takes instead of those of
    // the file it replaces.
    const struct stat* like = nullptr;
};

// A complete-or-nothing write of one file, in two steps so that several files
// can be written first and put in place together. prepare() writes the bytes
// to a new file with a unique name beside the target (never through a link),
// gives it the target's permissions (and owner, where the system allows) and
// flushes it to disk; commit() renames it over the target. A failure at any
// step leaves the target as it was, and the temporary file goes with this
// object or with a termination signal. The temporary holds a lock while it
// lives, so that a later write can tell one left by a process that no longer
// runs and remove it.
//
// A target that exists and is not a regular file (a device, a FIFO), or that
// names an open descriptor (/dev/stdout, /dev/fd/N), cannot be replaced:
// commit() writes to it in place, through the descriptor where there is one,
// and `bytes` must then live until then. A target that is a symbolic link
// keeps pointing where it did; the file it names is replaced.
class PendingFile {
  public:
    PendingFile() = default;
    ~PendingFile() { discard(); }
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    Status prepare(const std::string& target, std::string_view bytes,
                   FileCalls& calls = system_file_calls(), const WriteRules& rules = {});
    Status commit();
    // Removes the temporary file of a write that will not be committed.
    void discard();

    bool is_prepared() const { return prepared_; }
    bool writes_in_place() const { return in_place_; }

  private:
    FileCalls* calls_ = nullptr;
    std::string target_;
    std::string temporary_;
    FileDescriptor temporary_file_;  // open, and locked, while the temporary lives
    std::string_view in_place_bytes_;
    bool in_place_ = false;
    int in_place_descriptor_ = -1;  // not ours to close
    bool prepared_ = false;
    RemoveOnSignal on_signal_;
};

// Puts prepared files in place: those written in place first, since only
// they can still fail for want of room, then the renames. Stops at the first
// failure. Files never prepared are passed over.
Status commit_all(std::initializer_list<PendingFile*> files);

// Removes the temporaries beside `target` that writes of processes no longer
// running left behind (killed between prepare() and commit()).
void clear_stale_temporaries(const std::string& target);

// prepare() and commit() in one.
Status write_file_atomically(const std::string& target, std::string_view bytes,
                             FileCalls& calls = system_file_calls());

}  // namespace vorna
