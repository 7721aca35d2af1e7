#include "core/io/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace vorna {

namespace {

// Opens a regular file for reading; -1 for anything else. The size is the
// file's size at opening.
int open_regular_file(const std::string& path, std::size_t& size) {
    const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return -1;
    struct stat status {};
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        close(descriptor);
        return -1;
    }
    size = static_cast<std::size_t>(status.st_size);
    return descriptor;
}

}  // namespace

bool is_readable_file(const std::string& path) {
    std::size_t size = 0;
    const int descriptor = open_regular_file(path, size);
    if (descriptor < 0)
        return false;
    close(descriptor);
    return true;
}

bool read_whole_file(const std::string& path, std::string& bytes) {
    std::size_t size = 0;
    const int descriptor = open_regular_file(path, size);
    if (descriptor < 0) {
        bytes.clear();
        return false;
    }
    // One spare byte lets the loop see the end without growing the buffer. A
    // buffer kept from an earlier read is reused as it is: filling it with
    // zeros first would cost as much as the read.
    if (bytes.size() < size + 1)
        bytes.resize(size + 1);
    std::size_t filled = 0;
    bool ok = true;
    for (;;) {
        if (filled == bytes.size())
            bytes.resize(bytes.size() * 2);  // the file grew
        const ssize_t count = read(descriptor, bytes.data() + filled, bytes.size() - filled);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            ok = false;
        if (count <= 0)
            break;
        filled += static_cast<std::size_t>(count);
    }
    close(descriptor);
    bytes.resize(filled);
    return ok;
}

}  // namespace vorna
