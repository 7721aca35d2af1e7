#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/io/file_calls.h"
#include "core/io/status.h"
#include "core/io/work_folder.h"
#include "core/io/working_file.h"

namespace vorna {

// The sorted working copy qd1.dat, a working file of this process alone (see
// WorkingFile). It lives on disk as the load describes; should the file be
// impossible to create or write, the copy carries on in memory, so the load
// never ends with a silently shortened dictionary.
class WorkingCopy {
  public:
    explicit WorkingCopy(const WorkFolder& folder, FileCalls& calls = system_file_calls());
    WorkingCopy(const WorkingCopy&) = delete;
    WorkingCopy& operator=(const WorkingCopy&) = delete;

    void append(const std::string& bytes);
    // Everything appended so far. Bytes that differ from what was appended
    // (the file cut or written to by someone else) are a failure.
    Status read_back(std::string& bytes) const;
    // Deletes the file.
    void remove() { file_.remove(); }

    const std::string& path() const { return file_.path(); }

  private:
    void move_to_memory();
    Status read_file(std::string& bytes) const;

    FileCalls& calls_;
    WorkingFile file_;
    bool in_memory_ = false;
    bool broken_ = false;           // groups already written could not be read back
    std::size_t size_on_disk_ = 0;  // bytes of whole appends that reached the file
    uint64_t checksum_;             // of everything appended
    std::string memory_;
};

}  // namespace vorna
