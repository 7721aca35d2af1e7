// Throughput of the translation run on a generated 60,000-entry dictionary and
// about 5 MB of prose, next to a pass that only cuts the text into runs.
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>

#include "common/dictionary_generator.h"
#include "common/scratch_folder.h"
#include "core/dictionary/dictionary_loader.h"
#include "core/engine/silent_hosts.h"
#include "core/engine/translation_engine.h"
#include "core/engine/unknown_words_table.h"
#include "forms/dictionary_forms.h"
#include "prose_generator.h"

namespace fs = std::filesystem;
using namespace vorna;

namespace {

// Counts what a window would be sent, so the calls are not optimised away.
class CountingHost : public RunHost {
  public:
    void process_pending_events() override { ++pumps; }
    void show_progress(double percent) override { progress_sum += percent; }
    long pumps = 0;
    double progress_sum = 0;
};

// Best of `rounds` wall-clock seconds.
double best_seconds(int rounds, const std::function<void()>& work) {
    double best = 1e30;
    for (int i = 0; i < rounds; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
        best = std::min(best, spent.count());
    }
    return best;
}

// The floor for any run: find word and separator runs, copy the separators.
std::size_t tokenise_only(const DictionaryStore& store, const std::string& text) {
    std::string out;
    out.reserve(text.size());
    std::size_t words = 0;
    bool in_word = false;
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        const bool word_character = code < 0x80 && is_word_character(store, code);
        if (word_character) {
            words += !in_word;
        } else {
            out += c;
        }
        in_word = word_character;
    }
    return words + out.size();
}

std::string read_file(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A real text repeated up to about `bytes`.
std::string repeated(const std::string& text, std::size_t bytes) {
    std::string out;
    while (!text.empty() && out.size() < bytes)
        out += text + "\n";
    return out;
}

// A word list of `count` distinct words no dictionary holds, one a line and
// no full stop anywhere: the whole text is one sentence.
std::string unknown_word_list(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        std::string word = "qzx";
        for (int rest = i; rest > 0 || word.size() == 3; rest /= 26)
            word += static_cast<char>('a' + rest % 26);
        text += word + "\n";
    }
    return text;
}

}  // namespace

// engine_bench [DICTIONARY [TEXT]]: a generated 60,000-entry dictionary and
// generated prose by default; a real qd.dat and a real text when given.
int main(int argc, char** argv) {
    PrivateFolder scratch;
    if (!bench::create_scratch_folder(scratch, "vorna-engine-bench-"))
        return 1;
    const fs::path folder = scratch.path();
    std::ofstream(folder / "qd.dat", std::ios::binary)
        << (argc > 1 ? read_file(argv[1]) : bench::generate_dictionary(60000, 7));

    DictionaryStore store;
    SilentLoadProgress load_sink;
    if (const Status loaded = load_dictionary(store, folder.string(), load_sink); !loaded.ok()) {
        std::fprintf(stderr, "engine_bench: %s\n", loaded.describe().c_str());
        return 1;
    }
    std::vector<std::string> vocabulary;
    for (int32_t row = 1; row <= store.entry_count; ++row) {
        vocabulary.push_back(store.entries[static_cast<std::size_t>(row)].word_eng);
    }
    std::shuffle(vocabulary.begin(), vocabulary.end(), std::mt19937(3));  // rank != alphabet
    const std::string text = argc > 2 ? repeated(read_file(argv[2]), 5 << 20)
                                      : bench::generate_prose(vocabulary, 5 << 20, 11);
    const double megabytes = static_cast<double>(text.size()) / (1 << 20);

    TranslationEngine engine(store, (folder / "qd.dat").string());
    CountingHost host;
    std::size_t sink = 0;
    int32_t unknown = 0;
    // The reference lookup: the same dictionary without its hash, searched
    // by the literal scan of each prefix stretch.
    DictionaryStore scan_store;
    load_dictionary(scan_store, folder.string(), load_sink).ignore();  // read just above
    scan_store.lookup = LookupIndex();
    TranslationEngine scan_engine(scan_store, (folder / "qd.dat").string());
    const auto run = [&](bool literal, OutputForm form, bool keep_positions = false) {
        TranslationOptions options;
        options.form = form;
        options.keep_word_positions = keep_positions;
        const TranslationResult result =
            (literal ? scan_engine : engine).text_translate(text, options, host);
        sink += result.text.size() + result.word_positions.size();
        unknown = result.counts.unknown_word_count;
    };

    const double tokenise = best_seconds(5, [&] { sink += tokenise_only(store, text); });
    const double text_run = best_seconds(3, [&] { run(false, OutputForm::text); });
    const double unknown_share = static_cast<double>(unknown);
    const double literal_run = best_seconds(1, [&] { run(true, OutputForm::text); });
    const double word_list_run = best_seconds(3, [&] { run(false, OutputForm::word_list); });
    const double positions_run = best_seconds(3, [&] { run(false, OutputForm::text, true); });
    // Unknown words looked up again by their dictionary forms.
    forms::DictionaryForms forms;
    int32_t unknown_with_lemmas = 0;
    const double lemmas_run = best_seconds(3, [&] {
        TranslationOptions options;
        options.word_forms = &forms;
        const TranslationResult result = engine.text_translate(text, options, host);
        sink += result.text.size();
        unknown_with_lemmas = result.counts.unknown_word_count;
    });

    // The unknown-words table (--unknown, the window's "save unknown words").
    std::vector<std::pair<int, double>> unknown_tables;
    for (const int distinct : {10000, 20000, 40000}) {
        const std::string list = unknown_word_list(distinct);
        unknown_tables.emplace_back(
            distinct, best_seconds(1, [&] {
                TranslationOptions options;
                options.collect_unknown_words = true;
                const TranslationResult result = engine.text_translate(list, options, host);
                sink += unknown_words_tsv(unknown_word_rows(result.unknown_words, list), nullptr)
                            .size();
            }));
    }

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("dictionary: %d entries; text: %.2f MB, %zu lines, %.0f unknown word occurrences\n",
                store.entry_count, megabytes,
                static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')),
                unknown_share);
    std::printf("(a) tokenise only        %9.1f MB/s\n", megabytes / tokenise);
    std::printf("(b) text run, index     %9.1f MB/s\n", megabytes / text_run);
    std::printf("(c) text run, scan      %9.1f MB/s\n", megabytes / literal_run);
    std::printf("(d) word-list run       %9.1f MB/s\n", megabytes / word_list_run);
    std::printf("(e) text run, positions %9.1f MB/s\n", megabytes / positions_run);
    std::printf("(f) text run, lemmas    %9.1f MB/s   f/b = %.2f, unknown %d -> %d\n",
                megabytes / lemmas_run, text_run / lemmas_run, unknown, unknown_with_lemmas);
    for (const auto& [distinct, seconds] : unknown_tables)
        std::printf("(g) unknown-words table, %d distinct words in one sentence  %.3f s\n",
                    distinct, seconds);
    std::printf("b/a = %.2f   b/c = %.1f   peak memory %.0f MB   (checksum %zu)\n",
                tokenise / text_run, literal_run / text_run,
                static_cast<double>(usage.ru_maxrss) / 1024, sink % 1000);
    return 0;
}
