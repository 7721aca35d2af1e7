#pragma once

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <limits>

#include "core/io/file_calls.h"

namespace vorna::testing {

// File calls that fail on cue, the way a full disk or a failing device does:
// writes stop with ENOSPC once `write_budget` bytes are written; reads meet
// the end after `read_budget` bytes (a file cut while it is read), or fail
// with EIO when `reads_fail` is set; every flush fails with EIO when
// `syncs_fail` is set.
struct FailingCalls : FileCalls {
    std::size_t write_budget = std::numeric_limits<std::size_t>::max();
    std::size_t read_budget = std::numeric_limits<std::size_t>::max();
    bool reads_fail = false;
    bool syncs_fail = false;

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
};

}  // namespace vorna::testing
