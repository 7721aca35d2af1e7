#pragma once

#include <sys/stat.h>

#include <string>
#include <utility>

#include "core/io/status.h"

namespace vorna {

// An open file descriptor that closes itself: owned by one object at a time,
// handed on by moving.
class FileDescriptor {
  public:
    FileDescriptor() = default;
    explicit FileDescriptor(int descriptor) : descriptor_(descriptor) {}
    ~FileDescriptor() { reset(); }
    FileDescriptor(FileDescriptor&& other) noexcept : descriptor_(other.release()) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return descriptor_; }
    bool is_open() const { return descriptor_ >= 0; }
    // Gives the descriptor up without closing it.
    int release() { return std::exchange(descriptor_, -1); }
    // Closes the descriptor held, if any, and holds `descriptor` instead.
    void reset(int descriptor = -1);
    // Closes the descriptor, with the system's word on whether everything
    // written reached the file; `name` is what a failure reports.
    Status close(const std::string& name);

  private:
    int descriptor_ = -1;
};

// Opens `path` for reading when it is a regular file, and tells its status
// at opening. Anything else is refused: a folder with EISDIR, a FIFO or a
// device as not a regular file, and without waiting on it, since the open
// does not block (a FIFO without a writer would otherwise hold it forever).
Status open_regular_file(const std::string& path, FileDescriptor& file, struct stat& status);

}  // namespace vorna
