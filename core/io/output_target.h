#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

namespace vorna {

// Where the bytes written to an output path end up, and so how they must be
// written there.
struct OutputTarget {
    enum class Kind {
        // A regular file or a name not taken yet: a new file is renamed over
        // `path`, which is the file a link names (a dangling link is replaced
        // itself).
        replace,
        // A device, a FIFO or a socket, or a descriptor of another process
        // named through /proc: opened and written where it is.
        in_place,
        // A descriptor of this process named by a path (/dev/stdout,
        // /dev/fd/N, /proc/self/fd/N): written through that descriptor, so a
        // file the caller opened for appending is appended to, not replaced.
        descriptor,
        folder,
    };
    Kind kind = Kind::replace;
    std::string path;
    int descriptor = -1;
};

OutputTarget output_target(const std::string& path);

// Which file a path or descriptor stands for, so that two names of one file
// are told apart from two files: device and inode of an existing file, or
// the folder's device and inode and the name for a file not made yet.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    std::string name_in_folder;  // only for a file not made yet

    bool operator==(const FileIdentity& other) const {
        return device == other.device && inode == other.inode &&
               name_in_folder == other.name_in_folder;
    }
};

// The identity of the regular file at `path` (following links) or of the
// name a new file would take there; nothing for other kinds of file and
// for a path whose folder does not exist.
std::optional<FileIdentity> regular_file_identity(const std::string& path);
// The same for an open descriptor: a regular file's identity, else nothing.
std::optional<FileIdentity> regular_file_identity(int descriptor);

}  // namespace vorna
