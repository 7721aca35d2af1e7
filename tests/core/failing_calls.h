#pragma once

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <limits>
#include <string>

#include "core/io/file_calls.h"

namespace vorna::testing {

// File calls that fail on cue, the way a full disk or a failing device does:
// writes stop with ENOSPC once `write_budget` bytes are written; reads meet
// the end after `read_budget` bytes (a file cut while it is read), or fail
// with EIO when `reads_fail` is set; every flush fails with EIO when
// `syncs_fail` is set, every change of permissions with EPERM when
// `chmods_fail` is.
struct FailingCalls : FileCalls {
    std::size_t write_budget = std::numeric_limits<std::size_t>::max();
    std::size_t read_budget = std::numeric_limits<std::size_t>::max();
    bool reads_fail = false;
    bool syncs_fail = false;
    bool chmods_fail = false;

    ssize_t write(int descriptor, const void* buffer, std::size_t size) override {
        if (write_budget == 0) {
            errno = ENOSPC;
            return -1;
        }
        const ssize_t count = ::write(descriptor, buffer, std::min(size, write_budget));
        if (count > 0)
            write_budget -= static_cast<std::size_t>(count);
        return count;
    }
    ssize_t read(int descriptor, void* buffer, std::size_t size) override {
        if (reads_fail) {
            errno = EIO;
            return -1;
        }
        const ssize_t count = ::read(descriptor, buffer, std::min(size, read_budget));
        if (count > 0)
            read_budget -= static_cast<std::size_t>(count);
        return count;
    }
    int fsync(int descriptor) override {
        if (syncs_fail) {
            errno = EIO;
            return -1;
        }
        return FileCalls::fsync(descriptor);
    }
    int fchmod(int descriptor, mode_t mode) override {
        if (chmods_fail) {
            errno = EPERM;
            return -1;
        }
        return FileCalls::fchmod(descriptor, mode);
    }
};

// File calls that fail the call numbered `fail_at` (counted from 0 over
// read, pread, write, fsync and rename alike) with the error such a call
// meets on a full disk or a failing device, and pass every other.
struct FaultAtCall : FileCalls {
    std::size_t fail_at = std::numeric_limits<std::size_t>::max();
    std::size_t calls = 0;

    bool fails() { return calls++ == fail_at; }
    ssize_t read(int descriptor, void* buffer, std::size_t size) override {
        return fails() ? (errno = EIO, -1) : FileCalls::read(descriptor, buffer, size);
    }
    ssize_t pread(int descriptor, void* buffer, std::size_t size, off_t offset) override {
        return fails() ? (errno = EIO, -1) : FileCalls::pread(descriptor, buffer, size, offset);
    }
    ssize_t write(int descriptor, const void* buffer, std::size_t size) override {
        return fails() ? (errno = ENOSPC, -1) : FileCalls::write(descriptor, buffer, size);
    }
    int fsync(int descriptor) override {
        return fails() ? (errno = EIO, -1) : FileCalls::fsync(descriptor);
    }
    int rename(const char* from, const char* to) override {
        return fails() ? (errno = EIO, -1) : FileCalls::rename(from, to);
    }
};

// File calls that refuse every write to a file in `folder`, as a read-only
// install does, whoever runs the test.
struct ReadOnlyFolderCalls : FaultAtCall {
    std::string folder;

    ssize_t write(int descriptor, const void* buffer, std::size_t size) override {
        char target[4096] = {};
        const std::string link = "/proc/self/fd/" + std::to_string(descriptor);
        const ssize_t length = readlink(link.c_str(), target, sizeof target - 1);
        if (length > 0 &&
            std::string(target, static_cast<std::size_t>(length)).rfind(folder + "/", 0) == 0) {
            errno = EROFS;
            return -1;
        }
        return FaultAtCall::write(descriptor, buffer, size);
    }
};

}  // namespace vorna::testing
