#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/io/status.h"
#include "core/text/script.h"

namespace vorna::cmdline {

// One line, whatever a path or the system's reason holds.
std::string as_one_line(std::string text);

// A command-line program as its messages and its frame know it: its name,
// which every line on standard error starts with, and the exit statuses it
// documents for what any program can meet.
struct Program {
    const char* name;
    int cannot_write_status;  // standard output or an output file could not be written
    int fault_status;         // an unforeseen fault (memory running out)

    // Says `message` on standard error in one line and returns `status`.
    int fail(int status, const std::string& message) const;
    // A line on standard error that does not end the program.
    void warn(const std::string& message) const;
    // "cannot write NAME: reason", with the write-error status.
    int cannot_write(Script script, const std::string& name, const Status& status) const;
    // Writes `text` to standard output: 0, or the write-error status after
    // its message (a full disk, a closed stream).
    int print(Script script, const std::string& text) const;
};

// The frame of a command-line program's main(): runs `run` on the arguments
// and returns its exit status. A closed standard stream is taken by
// /dev/null the wrong way round, so no file the program opens lands on it and
// using it still fails; a file-size limit makes writes fail instead of
// ending the program; a fault nothing foresaw ends in one line; and what is
// left unwritten on standard output is written, its failure being an error.
int run_program(const Program& program, int argc, char** argv,
                const std::function<int(const std::vector<std::string>&)>& run);

}  // namespace vorna::cmdline
