#pragma once

#include <string>

#include "core/io/status.h"

namespace vorna {

// Whether `path` names a regular file this process can open for reading. A
// FIFO or a device is refused without being opened for real, so asking never
// blocks.
Status check_readable_file(const std::string& path);

// Reads a whole regular file into `bytes` with as few read calls as the
// system allows. On failure `bytes` is emptied.
Status read_whole_file(const std::string& path, std::string& bytes);

}  // namespace vorna
