// Time of the dictionary load on a generated 60,000-line dictionary, next to
// the floor for anything that reads it: one read of the file and a split
// into lines, measured on the same file in the same run.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "common/dictionary_generator.h"
#include "common/scratch_folder.h"
#include "core/dictionary/dictionary_loader.h"

namespace fs = std::filesystem;
using namespace vorna;

namespace {

// Counts the calls a loading window would get, so none is optimised away.
class CountingSink : public LoadProgressSink {
  public:
    void process_pending_events() override { ++pumps; }
    void dictionary_missing() override {}
    void letter_done(char, int32_t) override { ++letters; }
    void indexing_started() override {}
    void records_left_out(int32_t) override {}
    long pumps = 0;
    int letters = 0;
};

// Fastest wall-clock milliseconds of `rounds` runs: on a shared machine the
// fastest run is the one least disturbed by others.
double fastest_ms(int rounds, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double, std::milli> spent =
            std::chrono::steady_clock::now() - start;
        times.push_back(spent.count());
    }
    std::sort(times.begin(), times.end());
    return times.front();
}

// The plain pass: read the whole file through a stream, cut it into lines.
std::size_t read_and_split(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const char* end =
            static_cast<const char*>(std::memchr(bytes.data() + start, '\n', bytes.size() - start));
        const std::size_t stop = end ? static_cast<std::size_t>(end - bytes.data()) : bytes.size();
        lines.emplace_back(bytes, start, stop - start);
        start = stop + 1;
    }
    return lines.size();
}

}  // namespace

int main() {
    constexpr std::size_t kLines = 60000;
    constexpr int kRounds = 15;
    PrivateFolder scratch;
    if (!bench::create_scratch_folder(scratch, "vorna-load-bench-"))
        return 1;
    const fs::path folder = scratch.path();
    const std::string dictionary = bench::generate_dictionary(kLines, 7);
    std::ofstream(folder / "qd.dat", std::ios::binary) << dictionary;

    std::size_t checksum = 0;
    const double plain =
        fastest_ms(kRounds, [&] { checksum += read_and_split(folder / "qd.dat"); });
    CountingSink sink;
    DictionaryStore store;  // made once, as the program does; every load refills it
    Status loaded;
    const double load =
        fastest_ms(kRounds, [&] { loaded = load_dictionary(store, folder.string(), sink); });
    if (!loaded.ok()) {
        std::fprintf(stderr, "load_bench: %s\n", loaded.describe().c_str());
        return 1;
    }

    std::printf("dictionary: %zu lines, %.2f MB, %d entries loaded\n", kLines,
                static_cast<double>(dictionary.size()) / (1 << 20), store.entry_count);
    std::printf("plain read and split   %8.2f ms\n", plain);
    std::printf("load_dictionary        %8.2f ms\n", load);
    std::printf("ratio                  %8.1f x   (limits: 40 x and 100 ms)\n", load / plain);
    std::printf("(fastest of %d rounds; %ld event pumps, checksum %zu)\n", kRounds, sink.pumps,
                checksum);
    return 0;
}
