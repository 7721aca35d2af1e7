#include "core/io/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/io/file_descriptor.h"

namespace vorna {

Status check_readable_file(const std::string& path) {
    FileDescriptor file;
    struct stat status {};
    return open_regular_file(path, file, status);
}

Status read_whole_file(const std::string& path, std::string& bytes, FileCalls& calls) {
    FileDescriptor file;
    struct stat opened {};
    Status status = open_regular_file(path, file, opened);
    if (!status.ok()) {
        bytes.clear();
        return status;
    }
    const auto size = static_cast<std::size_t>(opened.st_size);
    status = read_to_end(calls, file.get(), path, bytes, size);
    if (status.ok() && bytes.size() < size) {
        bytes.clear();
        return Status::failure(path, "the file was cut short while it was read");
    }
    return status;
}

Status read_file_or_stream(const std::string& path, std::string& bytes) {
    const FileDescriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
    if (!file.is_open()) {
        bytes.clear();
        return Status::from_errno(errno, path);
    }
    struct stat status {};
    std::size_t size = 0;
    if (fstat(file.get(), &status) == 0 && S_ISREG(status.st_mode))
        size = static_cast<std::size_t>(status.st_size);
    // A folder opens for reading; its read says EISDIR.
    return read_to_end(system_file_calls(), file.get(), path, bytes, size);
}

}  // namespace vorna
