#pragma once

#include <sys/types.h>

#include <string>

#include "core/io/file_descriptor.h"
#include "core/io/status.h"

namespace vorna {

// Creates a new file named `stem` followed by six random letters and digits,
// open for reading and writing. It is never an existing file and never
// reached through a link (O_CREAT | O_EXCL | O_NOFOLLOW), so a name planted
// in a shared folder cannot redirect the write. `mode` is filtered by the
// umask as for any new file. `file` holds it on success.
Status create_unique_file(const std::string& stem, mode_t mode, std::string& path,
                          FileDescriptor& file);

// Gives the file `existing` a second name (a hard link): `stem` followed by
// six random letters and digits, in the same folder.
Status link_unique_name(const std::string& existing, const std::string& stem, std::string& path);

// Whether `name` is `stem` followed by the six characters create_unique_file adds.
bool is_unique_name_of(const std::string& name, const std::string& stem);

}  // namespace vorna
