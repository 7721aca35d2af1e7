#include "core/io/file_calls.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace vorna {

ssize_t FileCalls::read(int descriptor, void* buffer, std::size_t size) {
    return ::read(descriptor, buffer, size);
}

ssize_t FileCalls::pread(int descriptor, void* buffer, std::size_t size, off_t offset) {
    return ::pread(descriptor, buffer, size, offset);
}

ssize_t FileCalls::write(int descriptor, const void* buffer, std::size_t size) {
    return ::write(descriptor, buffer, size);
}

int FileCalls::fsync(int descriptor) {
    return ::fsync(descriptor);
}

int FileCalls::rename(const char* from, const char* to) {
    return ::rename(from, to);
}

int FileCalls::fchmod(int descriptor, mode_t mode) {
    return ::fchmod(descriptor, mode);
}

FileCalls& system_file_calls() {
    static FileCalls calls;
    return calls;
}

Status write_all(FileCalls& calls, int descriptor, std::string_view bytes,
                 const std::string& name) {
    while (!bytes.empty()) {
        const ssize_t count = calls.write(descriptor, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return Status::from_errno(errno, name);
        if (count == 0)  // nothing taken and no reason given: no room
            return Status::from_errno(ENOSPC, name);
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return {};
}

Status read_to_end(FileCalls& calls, int descriptor, const std::string& name, std::string& bytes,
                   std::size_t size_hint) {
    // One spare byte lets the loop see the end without growing the buffer. A
    // buffer kept from an earlier read is reused as it is: filling it with
    // zeros first would cost as much as the read.
    if (bytes.size() < size_hint + 1)
        bytes.resize(std::max<std::size_t>(size_hint + 1, 64 * 1024));
    std::size_t filled = 0;
    for (;;) {
        if (filled == bytes.size())
            bytes.resize(bytes.size() * 2);
        const ssize_t count = calls.read(descriptor, bytes.data() + filled, bytes.size() - filled);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            const int error = errno;
            bytes.clear();
            return Status::from_errno(error, name);
        }
        if (count == 0)
            break;
        filled += static_cast<std::size_t>(count);
    }
    bytes.resize(filled);
    return {};
}

}  // namespace vorna
