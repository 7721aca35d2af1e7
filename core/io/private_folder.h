#pragma once

#include <string>

#include "core/io/file_descriptor.h"
#include "core/io/signal_cleanup.h"
#include "core/io/status.h"

namespace vorna {

// The folder temporary folders go under: TMPDIR when it is set and not
// empty, /tmp otherwise.
std::string temporary_directory();

// A folder of this process alone, made under a temporary directory and
// removed with everything in it when this object goes (or, emptied of its
// working files, by the termination-signal handler). It holds a lock for its
// life, so a later start can tell a folder whose process no longer runs and
// clear it.
class PrivateFolder {
  public:
    PrivateFolder() = default;
    ~PrivateFolder() { remove(); }
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    // Makes `base`/`prefix`XXXXXX, after clearing that prefix's folders left
    // by processes that no longer run. The status names the folder that
    // could not be made and why (a missing TMPDIR, a file in its place).
    Status create(const std::string& prefix, const std::string& base = temporary_directory());
    void remove();

    bool exists() const { return !path_.empty(); }
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
    FileDescriptor lock_;
    RemoveOnSignal on_signal_;
};

}  // namespace vorna
