#pragma once

#include <string>

namespace vorna {

// True when `path` names a regular file this process can open for reading.
bool is_readable_file(const std::string& path);

// Reads a whole file into `bytes` with as few read calls as the system allows.
// Returns false when the file cannot be opened, is not a regular file, or a
// read fails.
bool read_whole_file(const std::string& path, std::string& bytes);

}  // namespace vorna
