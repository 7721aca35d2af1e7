#pragma once

#include <string>

#include "core/io/file_calls.h"
#include "core/io/status.h"

namespace vorna {

// Whether `path` names a regular file this process can open for reading. A
// FIFO or a device is refused without being opened for real, so asking never
// blocks.
Status check_readable_file(const std::string& path);

// Reads a whole regular file into `bytes`. Anything else (a folder, a FIFO, a
// device) is refused as not a regular file, and a file that comes up shorter
// than it was when opened (cut while it was read) is a failure, not a short
// read. On failure `bytes` is emptied.
Status read_whole_file(const std::string& path, std::string& bytes,
                       FileCalls& calls = system_file_calls());

// Reads what `path` gives to its end: a regular file, a pipe or a device. Only
// a folder is refused. For inputs a user may hand over as `<(command)`.
Status read_file_or_stream(const std::string& path, std::string& bytes);

}  // namespace vorna
