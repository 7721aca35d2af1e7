#pragma once

#include <cstddef>
#include <string>

#include "core/io/status.h"

namespace vorna {

// The sorted working copy qd1.dat. It lives on disk as the load describes;
// should the file become impossible to create or write, the copy carries on
// in memory so the load never ends with a silently shortened dictionary.
class WorkingCopy {
  public:
    // Creates the file empty, emptying an older copy left behind.
    explicit WorkingCopy(std::string path);
    ~WorkingCopy();
    WorkingCopy(const WorkingCopy&) = delete;
    WorkingCopy& operator=(const WorkingCopy&) = delete;

    // Opens the file, appends `bytes` and closes it again.
    void append(const std::string& bytes);
    // Everything appended so far.
    Status read_back(std::string& bytes) const;
    // Deletes the file.
    void remove();

    bool in_memory() const { return in_memory_; }

  private:
    void move_to_memory();

    std::string path_;
    bool in_memory_ = false;
    bool broken_ = false;  // groups already written could not be read back
    bool removed_ = false;
    std::size_t size_on_disk_ = 0;  // bytes of whole appends that reached the file
    std::string memory_;
};

}  // namespace vorna
