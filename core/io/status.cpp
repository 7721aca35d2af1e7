#include "core/io/status.h"

#include <cstring>

namespace vorna {

Status Status::from_errno(int error_number, std::string path) {
    Status status = failure(std::move(path), std::strerror(error_number));
    status.error_number_ = error_number;
    return status;
}

Status Status::failure(std::string path, std::string reason) {
    Status status;
    status.failed_ = true;
    status.path_ = std::move(path);
    status.reason_ = std::move(reason);
    return status;
}

std::string Status::describe() const {
    if (ok())
        return {};
    return path_.empty() ? reason_ : path_ + ": " + reason_;
}

}  // namespace vorna
