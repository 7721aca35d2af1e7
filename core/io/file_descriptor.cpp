#include "core/io/file_descriptor.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace vorna {

void FileDescriptor::reset(int descriptor) {
    if (descriptor_ >= 0)
        ::close(descriptor_);
    descriptor_ = descriptor;
}

Status FileDescriptor::close(const std::string& name) {
    if (descriptor_ < 0)
        return {};
    const int result = ::close(release());
    return result == 0 ? Status() : Status::from_errno(errno, name);
}

Status open_regular_file(const std::string& path, FileDescriptor& file, struct stat& status) {
    file.reset(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!file.is_open())
        return Status::from_errno(errno, path);
    if (fstat(file.get(), &status) != 0) {
        const int error = errno;
        file.reset();
        return Status::from_errno(error, path);
    }
    if (!S_ISREG(status.st_mode)) {
        file.reset();
        return S_ISDIR(status.st_mode) ? Status::from_errno(EISDIR, path)
                                       : Status::failure(path, "not a regular file");
    }
    // Reads of a regular file never wait anyway; back to ordinary reads.
    fcntl(file.get(), F_SETFL, fcntl(file.get(), F_GETFL) & ~O_NONBLOCK);
    return {};
}

}  // namespace vorna
