#include "core/io/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace vorna {

namespace {

// Opens a regular file for reading and tells its size at opening. The open
// does not wait: a FIFO without a writer would otherwise hold it forever.
Status open_regular_file(const std::string& path, int& descriptor, std::size_t& size) {
    descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (descriptor < 0)
        return Status::from_errno(errno, path);
    struct stat status {};
    if (fstat(descriptor, &status) != 0) {
        const int error = errno;
        close(descriptor);
        return Status::from_errno(error, path);
    }
    if (!S_ISREG(status.st_mode)) {
        close(descriptor);
        return S_ISDIR(status.st_mode) ? Status::from_errno(EISDIR, path)
                                       : Status::failure(path, "not a regular file");
    }
    // Reads of a regular file never wait anyway; back to ordinary reads.
    fcntl(descriptor, F_SETFL, fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    size = static_cast<std::size_t>(status.st_size);
    return {};
}

}  // namespace

Status check_readable_file(const std::string& path) {
    int descriptor = -1;
    std::size_t size = 0;
    Status status = open_regular_file(path, descriptor, size);
    if (status.ok())
        close(descriptor);
    return status;
}

Status read_whole_file(const std::string& path, std::string& bytes, FileCalls& calls) {
    int descriptor = -1;
    std::size_t size = 0;
    Status status = open_regular_file(path, descriptor, size);
    if (!status.ok()) {
        bytes.clear();
        return status;
    }
    status = read_to_end(calls, descriptor, path, bytes, size);
    close(descriptor);
    if (status.ok() && bytes.size() < size) {
        bytes.clear();
        return Status::failure(path, "the file was cut short while it was read");
    }
    return status;
}

Status read_file_or_stream(const std::string& path, std::string& bytes) {
    const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0) {
        bytes.clear();
        return Status::from_errno(errno, path);
    }
    struct stat status {};
    std::size_t size = 0;
    if (fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode))
        size = static_cast<std::size_t>(status.st_size);
    // A folder opens for reading; its read says EISDIR.
    Status result = read_to_end(system_file_calls(), descriptor, path, bytes, size);
    close(descriptor);
    return result;
}

}  // namespace vorna
