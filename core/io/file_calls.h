#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "core/io/status.h"

namespace vorna {

// The system calls that move a file's bytes, settle its permissions and put
// it in place. The program uses
// system_file_calls(); a test hands in its own to fail on cue (after N bytes,
// with EIO, with an early end), the way a full disk or a failing device
// would, without changing the limits or signal handlers of the process.
class FileCalls {
  public:
    virtual ~FileCalls() = default;
    virtual ssize_t read(int descriptor, void* buffer, std::size_t size);
    virtual ssize_t pread(int descriptor, void* buffer, std::size_t size, off_t offset);
    virtual ssize_t write(int descriptor, const void* buffer, std::size_t size);
    virtual int fsync(int descriptor);
    virtual int rename(const char* from, const char* to);
    virtual int fchmod(int descriptor, mode_t mode);
};

// The calls as the system makes them. Stateless, so one instance serves all.
FileCalls& system_file_calls();

// Writes all of `bytes`, going on after interrupted and partial writes.
// `name` is what a failure reports.
Status write_all(FileCalls& calls, int descriptor, std::string_view bytes, const std::string& name);

// Reads from the descriptor's position to its end into `bytes`, replacing
// what it held; `size_hint` is how much is expected. On failure `bytes` is
// emptied.
Status read_to_end(FileCalls& calls, int descriptor, const std::string& name, std::string& bytes,
                   std::size_t size_hint = 0);

}  // namespace vorna
