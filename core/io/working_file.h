#pragma once

#include <initializer_list>
#include <string>

#include "core/io/file_descriptor.h"
#include "core/io/signal_cleanup.h"
#include "core/io/status.h"

namespace vorna {

// A working file that belongs to this process alone: the fixed name in the
// folder when no other process holds it, otherwise a private name beside it
// (the fixed name followed by '-' and six characters). Either way the file is
// new, never reached through a link, and holds an exclusive lock (flock) for
// its life, so another copy of the program can tell it is alive. It is
// removed when this object goes, or by the handler should a termination
// signal end the process first.
class WorkingFile {
  public:
    WorkingFile() = default;
    ~WorkingFile() { remove(); }
    WorkingFile(const WorkingFile&) = delete;
    WorkingFile& operator=(const WorkingFile&) = delete;

    // Creates the file `name` in `folder`. A file of that name whose lock
    // nobody holds is left over from a process that no longer runs, and is
    // replaced.
    Status open(const std::string& folder, const std::string& name);
    // Removes the file and closes it.
    void remove();

    int descriptor() const { return file_.get(); }
    const std::string& path() const { return path_; }

  private:
    FileDescriptor file_;
    std::string path_;
    RemoveOnSignal on_signal_;
};

// Removes the working files in `folder` (each of `names`, and their private
// variants) that no running process holds. A file under such a name that is
// not a regular file, or is a link, is not ours and stays.
void clear_stale_working_files(const std::string& folder, std::initializer_list<const char*> names);

// Removes the files in `folder` named `stem` and six characters (the names
// create_unique_file makes) that no running process holds locked.
void clear_stale_unique_files(const std::string& folder, const std::string& stem);

// Locks a file this process has just created under `path`, as its owner
// does for its life. False when another process took the name for a stale
// one and removed it in between: the file is then no longer at `path`.
bool claim_new_file(int descriptor, const std::string& path);

}  // namespace vorna
