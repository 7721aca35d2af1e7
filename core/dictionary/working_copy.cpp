#include "core/dictionary/working_copy.h"

#include "core/io/file_bytes.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <utility>

namespace vorna {

namespace {

// Writes all of `bytes` to the file opened with `flags`; false on any failure.
bool write_file(const std::string& path, int flags, const std::string& bytes) {
    const int descriptor = open(path.c_str(), flags | O_WRONLY | O_CLOEXEC, 0644);
    if (descriptor < 0)
        return false;
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = write(descriptor, bytes.data() + written, bytes.size() - written);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            break;
        written += static_cast<std::size_t>(count);
    }
    return close(descriptor) == 0 && written == bytes.size();
}

}  // namespace

WorkingCopy::WorkingCopy(std::string path) : path_(std::move(path)) {
    in_memory_ = !write_file(path_, O_CREAT | O_TRUNC, {});
    removed_ = in_memory_;  // what could not be made is not ours to delete
}

WorkingCopy::~WorkingCopy() {
    remove();
}

void WorkingCopy::append(const std::string& bytes) {
    if (!in_memory_) {
        if (write_file(path_, O_APPEND, bytes)) {
            size_on_disk_ += bytes.size();
            return;
        }
        move_to_memory();
    }
    memory_ += bytes;
}

Status WorkingCopy::read_back(std::string& bytes) const {
    if (broken_)
        return Status::failure(path_, "could not be read back");
    if (in_memory_) {
        bytes = memory_;
        return {};
    }
    Status status = read_whole_file(path_, bytes);
    if (status.ok() && bytes.size() != size_on_disk_)
        return Status::failure(path_, "changed while the dictionary was loaded");
    return status;
}

void WorkingCopy::remove() {
    if (removed_)
        return;
    removed_ = true;
    std::remove(path_.c_str());
}

void WorkingCopy::move_to_memory() {
    // The failed write may have left part of its bytes behind: keep only the
    // groups that were written whole.
    if (!read_whole_file(path_, memory_).ok())
        memory_.clear();
    in_memory_ = true;
    if (memory_.size() < size_on_disk_)
        broken_ = true;  // what was written cannot be had back
    memory_.resize(std::min(memory_.size(), size_on_disk_));
}

}  // namespace vorna
