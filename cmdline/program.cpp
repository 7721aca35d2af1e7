#include "cmdline/program.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <exception>
#include <iostream>

#include "cmdline/cmdline_texts.h"
#include "cmdline/option_loop.h"
#include "core/io/file_bytes.h"
#include "core/io/file_calls.h"
#include "core/io/file_descriptor.h"

namespace vorna::cmdline {

namespace {

// A closed standard descriptor is taken by /dev/null opened the wrong way
// round, so that no file the program opens lands on it (and gets what was
// meant for the stream), while using the stream still fails with EBADF.
// Fails when a closed one cannot be taken.
Status occupy_closed_standard_descriptors() {
    for (int descriptor = 0; descriptor <= 2; ++descriptor) {
        if (fcntl(descriptor, F_GETFD) != -1 || errno != EBADF)
            continue;
        FileDescriptor taken(open("/dev/null", descriptor == 0 ? O_WRONLY : O_RDONLY));
        if (!taken.is_open())
            return Status::from_errno(errno, "/dev/null");
        if (taken.get() == descriptor) {
            taken.release();  // it is the standard descriptor now, and stays open
        } else if (dup2(taken.get(), descriptor) != descriptor) {
            return Status::from_errno(errno, "/dev/null");
        }
    }
    return {};
}

}  // namespace

std::string as_one_line(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    std::replace(text.begin(), text.end(), '\r', ' ');
    return text;
}

int Program::fail(int status, const std::string& message) const {
    warn(message);
    return status;
}

void Program::warn(const std::string& message) const {
    std::cerr << name << ": " << as_one_line(message) << '\n';
}

int Program::cannot_write(Script script, const std::string& file, const Status& status) const {
    return fail(cannot_write_status,
                texts::kCannotWriteFile.in(script) + file + ": " + status.reason());
}

int Program::print(Script script, const std::string& text) const {
    const Status status = write_all(system_file_calls(), STDOUT_FILENO, text, "-");
    return status.ok() ? 0 : cannot_write(script, "-", status);
}

int run_program(const Program& program, int argc, char** argv,
                const std::function<int(const std::vector<std::string>&)>& run) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    std::ios::sync_with_stdio(false);
    signal(SIGXFSZ, SIG_IGN);
    const Script script = script_of(arguments);
    if (const Status occupied = occupy_closed_standard_descriptors(); !occupied.ok()) {
        return program.fail(program.fault_status,
                            texts::kStandardStreamClosed.in(script) + occupied.describe());
    }
    int status = 0;
    // Faults are reported as statuses; this is the last guard, so that even
    // an unforeseen one ends in one line, not an abort.
    try {
        status = run(arguments);
    } catch (const std::exception& error) {
        return program.fail(program.fault_status, error.what());
    }
    if (!std::cout.flush() && status == 0) {
        return program.fail(program.cannot_write_status,
                            std::string(texts::kCannotWriteFile.in(script)) + "-");
    }
    return status;
}

}  // namespace vorna::cmdline
