// Prints the time and peak memory of `vorna-dict import` for glossaries of
// 10,000, 100,000 and 1,000,000 lines (or the counts given), each run in a
// child process whose peak resident size the system reports when it ends.
// The dictionary holds 40,000 generated records; the glossary's lines cycle
// through those headwords and 20,000 new ones, so each run changes and adds
// words without filling the dictionary.
//   import_bench [LINES...]
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/dictionary_generator.h"
#include "common/scratch_folder.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kDictionaryLines = 40000;
constexpr std::size_t kNewWords = 20000;

bool write_file(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool is_plain_word(const std::string& word) {
    return word.size() >= 2 && std::all_of(word.begin(), word.end(), [](char c) {
               return (c >= 'a' && c <= 'z') || c == '-' || c == '\'';
           });
}

// A word of letters made from a number: distinct numbers, distinct words.
std::string new_word(std::size_t number) {
    std::string word = "zq";
    do {
        word += static_cast<char>('a' + number % 26);
        number /= 26;
    } while (number > 0);
    return word;
}

std::string glossary(std::size_t lines, const std::vector<std::string>& words) {
    std::string text;
    text.reserve(lines * 24);
    for (std::size_t i = 0; i < lines; ++i) {
        text += words[i % words.size()];
        text += "\tперевод";
        text += std::to_string(i % 7);
        text += '\n';
    }
    return text;
}

struct Run {
    bool ok = false;
    double seconds = 0;
    long long peak_bytes = 0;
};

Run run(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    Run result;
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    const int spawned = posix_spawn(&child, argv[0], &quiet, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0)
        return result;
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child)
        return result;
    result.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    result.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    result.peak_bytes = static_cast<long long>(usage.ru_maxrss) * 1024;
    return result;
}

}  // namespace

int main(int argc, char* argv[]) {
    std::vector<std::size_t> counts;
    for (int i = 1; i < argc; ++i)
        counts.push_back(static_cast<std::size_t>(std::max(1L, std::atol(argv[i]))));
    if (counts.empty())
        counts = {10000, 100000, 1000000};
    const fs::path program = fs::canonical("/proc/self/exe").parent_path() / "vorna-dict";
    vorna::PrivateFolder scratch;
    if (!vorna::bench::create_scratch_folder(scratch, "vorna-import-bench-"))
        return 1;
    const fs::path folder = scratch.path();
    const std::string dictionary_bytes = vorna::bench::generate_dictionary(kDictionaryLines, 7);
    std::vector<std::string> words;
    for (const std::string& word : vorna::bench::generated_headwords(kDictionaryLines, 7)) {
        if (is_plain_word(word))
            words.push_back(word);
    }
    for (std::size_t i = 0; i < kNewWords; ++i)
        words.push_back(new_word(i));

    std::printf("%12s %12s %10s %14s\n", "lines", "glossary MB", "seconds", "peak memory MB");
    for (const std::size_t lines : counts) {
        const fs::path dictionary = folder / "qd.dat";
        const fs::path input = folder / "glossary.tsv";
        const std::string text = glossary(lines, words);
        if (!write_file(dictionary, dictionary_bytes) || !write_file(input, text)) {
            std::fprintf(stderr, "cannot write to %s\n", folder.c_str());
            return 1;
        }
        fs::remove(folder / "qd.dat.bak");
        const Run result =
            run({program.string(), "--dictionary", dictionary.string(), "import", input.string()});
        if (!result.ok) {
            std::fprintf(stderr, "vorna-dict import failed for %zu lines\n", lines);
            return 1;
        }
        std::printf("%12zu %12.1f %10.2f %14.1f\n", lines,
                    static_cast<double>(text.size()) / 1048576.0, result.seconds,
                    static_cast<double>(result.peak_bytes) / 1048576.0);
    }
    return 0;
}
