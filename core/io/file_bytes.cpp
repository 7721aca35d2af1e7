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
    descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
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

Status read_whole_file(const std::string& path, std::string& bytes) {
    int descriptor = -1;
    std::size_t size = 0;
    Status status = open_regular_file(path, descriptor, size);
    if (!status.ok()) {
        bytes.clear();
        return status;
    }
    // One spare byte lets the loop see the end without growing the buffer. A
    // buffer kept from an earlier read is reused as it is: filling it with
    // zeros first would cost as much as the read.
    if (bytes.size() < size + 1)
        bytes.resize(size + 1);
    std::size_t filled = 0;
    for (;;) {
        if (filled == bytes.size())
            bytes.resize(bytes.size() * 2);  // the file grew
        const ssize_t count = read(descriptor, bytes.data() + filled, bytes.size() - filled);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            status = Status::from_errno(errno, path);
            break;
        }
        if (count == 0)
            break;
        filled += static_cast<std::size_t>(count);
    }
    close(descriptor);
    bytes.resize(status.ok() ? filled : 0);
    return status;
}

}  // namespace vorna
