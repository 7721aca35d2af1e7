#pragma once

#include <string>

namespace vorna {

// The outcome of a file operation: success, or what went wrong with which
// file, in the system's words. A caller that has nothing to do with a failure
// says so with ignore(), so a dropped reason is always a choice.
class [[nodiscard]] Status {
  public:
    Status() = default;  // success

    // A failure the system reported with `error_number` (errno).
    static Status from_errno(int error_number, std::string path);
    // A failure the system has no number for, such as a folder where a file
    // was expected.
    static Status failure(std::string path, std::string reason);

    bool ok() const { return failed_ == false; }
    explicit operator bool() const { return ok(); }
    int error_number() const { return error_number_; }
    const std::string& path() const { return path_; }
    const std::string& reason() const { return reason_; }
    // "path: reason", for one line of a message.
    std::string describe() const;
    // Drops the outcome on purpose: the caller has no better course either way.
    void ignore() const {}

  private:
    bool failed_ = false;
    int error_number_ = 0;
    std::string path_;
    std::string reason_;
};

}  // namespace vorna
