// Prints the peak memory of vorna-translate per megabyte of input for texts
// of the shapes that once took far more than their size: one long line of
// short words, prose, and prose as a word list. Each shape is run in a child
// process whose peak resident size the system reports when it ends.
//   memory_bench [MEGABYTES]   (default: 100 MB for the line, 50 MB for prose)
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/dictionary_generator.h"
#include "common/scratch_folder.h"
#include "engine/prose_generator.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr double kMegabyte = 1024.0 * 1024.0;

bool write_file(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

// Runs the program and returns its peak resident size in bytes, or -1.
long long peak_of_run(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return static_cast<long long>(usage.ru_maxrss) * 1024;
}

std::string repeated_words(std::size_t bytes) {
    std::string text;
    text.reserve(bytes + 2);
    while (text.size() < bytes)
        text += "a ";
    return text;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::size_t line_mb = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
    const std::size_t prose_mb = argc > 1 ? line_mb : 50;
    const fs::path program = fs::canonical("/proc/self/exe").parent_path() / "vorna-translate";
    vorna::PrivateFolder scratch;
    if (!vorna::bench::create_scratch_folder(scratch, "vorna-memory-bench-"))
        return 1;
    const fs::path folder = scratch.path();
    const fs::path dictionary = folder / "qd.dat";
    const fs::path input = folder / "input.txt";
    const fs::path output = folder / "output.txt";
    if (!write_file(dictionary, vorna::bench::generate_dictionary(60000, 7))) {
        std::fprintf(stderr, "cannot write %s\n", dictionary.c_str());
        return 1;
    }
    const std::string prose = vorna::bench::generate_prose(
        vorna::bench::generated_headwords(60000, 7), prose_mb * 1024 * 1024, 11);

    const struct {
        const char* name;
        std::string text;
        bool word_list;
    } shapes[] = {
        {"one line of \"a a a ...\"", repeated_words(line_mb * 1024 * 1024), false},
        {"prose", prose, false},
        {"prose as a word list", prose, true},
    };
    int status = 0;
    for (const auto& shape : shapes) {
        if (!write_file(input, shape.text)) {
            std::fprintf(stderr, "cannot write %s\n", input.c_str());
            status = 1;
            break;
        }
        std::vector<std::string> arguments = {program.string(), "--dictionary", dictionary.string(),
                                              "-o", output.string()};
        if (shape.word_list)
            arguments.push_back("--word-list");
        arguments.push_back(input.string());
        const long long peak = peak_of_run(arguments);
        if (peak < 0) {
            std::fprintf(stderr, "%s: the run failed\n", shape.name);
            status = 1;
            continue;
        }
        const double in_mb = static_cast<double>(shape.text.size()) / kMegabyte;
        const double out_mb = static_cast<double>(fs::file_size(output)) / kMegabyte;
        const double peak_mb = static_cast<double>(peak) / kMegabyte;
        std::printf(
            "%-26s in %7.1f MB, out %7.1f MB: peak %7.1f MB = %5.2f per MB in, %5.2f per MB "
            "in+out\n",
            shape.name, in_mb, out_mb, peak_mb, peak_mb / in_mb, peak_mb / (in_mb + out_mb));
    }
    return status;
}
