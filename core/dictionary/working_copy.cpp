#include "core/dictionary/working_copy.h"

#include <cerrno>
#include <string_view>

namespace vorna {

namespace {

constexpr uint64_t kChecksumStart = 14695981039346656037ull;

// FNV-1a: cheap beside the load, and enough to tell foreign bytes from ours.
uint64_t add_to_checksum(uint64_t checksum, std::string_view bytes) {
    for (const char c : bytes) {
        checksum ^= static_cast<unsigned char>(c);
        checksum *= 1099511628211ull;
    }
    return checksum;
}

}  // namespace

WorkingCopy::WorkingCopy(const WorkFolder& folder, FileCalls& calls)
    : calls_(calls), checksum_(kChecksumStart) {
    in_memory_ = !folder.open_file(kWorkingCopyName, file_).ok();
}

void WorkingCopy::append(const std::string& bytes) {
    checksum_ = add_to_checksum(checksum_, bytes);
    if (!in_memory_) {
        if (write_all(calls_, file_.descriptor(), bytes, file_.path()).ok()) {
            size_on_disk_ += bytes.size();
            return;
        }
        move_to_memory();
    }
    memory_ += bytes;
}

Status WorkingCopy::read_file(std::string& bytes) const {
    bytes.resize(size_on_disk_);
    std::size_t filled = 0;
    while (filled < size_on_disk_) {
        const ssize_t count = calls_.pread(file_.descriptor(), bytes.data() + filled,
                                           size_on_disk_ - filled, static_cast<off_t>(filled));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return Status::from_errno(errno, file_.path());
        if (count == 0)
            return Status::failure(file_.path(), "the working copy was cut short");
        filled += static_cast<std::size_t>(count);
    }
    return {};
}

Status WorkingCopy::read_back(std::string& bytes) const {
    Status status;
    if (broken_)
        status = Status::failure(file_.path(), "could not be read back");
    else if (in_memory_)
        bytes = memory_;
    else
        status = read_file(bytes);
    if (status.ok() && add_to_checksum(kChecksumStart, bytes) != checksum_)
        status = Status::failure(file_.path(), "changed while the dictionary was loaded");
    if (!status.ok())
        bytes.clear();
    return status;
}

void WorkingCopy::move_to_memory() {
    // The failed write may have left part of its bytes behind: keep only the
    // groups that were written whole.
    if (!read_file(memory_).ok())
        broken_ = true;  // what was written cannot be had back
    in_memory_ = true;
    file_.remove();
}

}  // namespace vorna
