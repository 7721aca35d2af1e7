// vorna-translate: the translator for scripts and pipelines, on the same run
// as the windows program.
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <new>

#include "cli/article_command.h"
#include "cli/cli_options.h"
#include "cli/cli_texts.h"
#include "cli/exit_status.h"
#include "cli/shared_files.h"
#include "core/dictionary/dictionary_choice.h"
#include "core/dictionary/dictionary_loader.h"
#include "core/engine/silent_hosts.h"
#include "core/engine/statistics_report.h"
#include "core/engine/translation_engine.h"
#include "core/engine/unknown_words_table.h"
#include "core/io/atomic_write.h"
#include "core/io/file_bytes.h"
#include "core/io/file_calls.h"
#include "core/io/path_parts.h"
#include "core/io/private_folder.h"
#include "core/text/interface_texts.h"
#include "core/text/text_case.h"
#include "core/text/text_encoding.h"
#include "forms/dictionary_forms.h"

namespace vorna::cli {
namespace {

constexpr const char* kProgram = "vorna-translate: ";

class QuietLoad : public SilentLoadProgress {
  public:
    explicit QuietLoad(Script script) : script_(script) {}
    void records_left_out(int32_t count) override {
        std::cerr << kProgram << records_left_out_text(script_, count) << '\n';
    }

  private:
    Script script_;
};

std::string as_one_line(std::string text) {
    for (char& c : text) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return text;
}

// --dictionary, else the reader's corrected copy, else qd.dat beside the
// program: the windows' rule.
std::string chosen_dictionary(const CliOptions& options) {
    return choose_dictionary(options.dictionary_path, program_folder(),
                             readers_data_folder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")))
        .path;
}

// A standard descriptor the caller closed is taken by /dev/null opened the
// wrong way round, so that no file this program opens lands on it (and gets
// the translation written into it), while using the stream still fails, as
// it would have, with EBADF.
void occupy_closed_standard_descriptors() {
    for (int descriptor = 0; descriptor <= 2; ++descriptor) {
        if (fcntl(descriptor, F_GETFD) != -1 || errno != EBADF)
            continue;
        const int taken = open("/dev/null", descriptor == 0 ? O_WRONLY : O_RDONLY);
        if (taken >= 0 && taken != descriptor) {
            dup2(taken, descriptor);
            close(taken);
        }
    }
}

Status read_input(const CliOptions& options, std::string& text) {
    if (options.input_path)
        return read_file_or_stream(*options.input_path, text);
    return read_to_end(system_file_calls(), STDIN_FILENO, "-", text);
}

std::string with_line_ends(std::string text, bool crlf) {
    return crlf ? text : with_lf_line_ends(std::move(text));
}

// A dictionary too large for the memory there is counts as one that cannot
// be read, with that status, not as bad input.
Status load_within_memory(DictionaryStore& store, const std::string& path,
                          const std::string& work_folder, LoadProgressSink& sink) {
    try {
        return load_dictionary_file(store, path, work_folder, sink);
    } catch (const std::bad_alloc&) {
        clear_store(store);
        return Status::from_errno(ENOMEM, path);
    }
}

int run(const std::vector<std::string>& arguments) {
    const ParsedOptions parsed = parse_options(arguments);
    const CliOptions& options = parsed.options;
    const bool t = options.translit;
    const Script script = t ? Script::translit : Script::cyrillic;
    if (!parsed.error.empty())
        return fail(kBadInput, parsed.error);
    if (options.help) {
        std::cout << help_text(t);
        return kSuccess;
    }
    if (options.article_word) {
        return print_article(options, [&options, script](DictionaryStore& store) {
            PrivateFolder folder;
            QuietLoad sink(script);
            return folder.create("vorna-translate-").ok() &&
                   load_within_memory(store, chosen_dictionary(options), folder.path(), sink).ok();
        });
    }

    if (const auto shared = shared_file(options, chosen_dictionary(options), t)) {
        return fail(kBadInput, std::string(kSameFileTwice.in(script)) + shared->first +
                                   kAnd.in(script) + shared->second);
    }

    const std::string input_name = options.input_path.value_or("-");
    std::string text;
    if (const Status status = read_input(options, text); !status.ok()) {
        return fail(kBadInput,
                    std::string(kCannotRead.in(script)) + input_name + ": " + status.reason());
    }
    if (starts_with_byte_order_mark(text))
        text.erase(0, kUtf8ByteOrderMark.size());
    if (!is_valid_utf8(text)) {
        return fail(kBadInput, std::string(kNotUtf8.in(script)) + input_name);
    }

    const std::string dictionary = chosen_dictionary(options);
    // The working files go to a folder of this process alone, so that several
    // translations can run side by side.
    PrivateFolder work_folder;
    if (const Status status = work_folder.create("vorna-translate-"); !status.ok()) {
        return fail(kBadInput, std::string(kNoTemporaryFolder.in(script)) + status.describe());
    }
    DictionaryStore store;
    QuietLoad load_sink(script);
    if (const Status loaded = load_within_memory(store, dictionary, work_folder.path(), load_sink);
        !loaded.ok()) {
        return fail(kNoDictionary, texts::kDictionaryMissing.in(script) + std::string(" (") +
                                       loaded.describe() + ")");
    }

    TranslationEngine engine(store, dictionary);
    engine.set_work_folder(work_folder.path());
    TranslationOptions run_options;
    run_options.script = script;
    run_options.form = options.word_list ? OutputForm::word_list : OutputForm::text;
    forms::DictionaryForms forms;  // read only when a word asks for it
    run_options.word_forms = options.lemmas ? &forms : nullptr;
    run_options.collect_unknown_words = options.unknown_path.has_value();
    SilentRunHost host;
    const TranslationResult result = engine.text_translate(text, run_options, host);
    if (result.outcome == RunOutcome::dictionary_damaged)
        return fail(kNoDictionary, as_one_line(damaged_dictionary_text(script, dictionary)));

    const auto cannot_write = [script](const std::string& name, const Status& status) {
        return fail(kCannotWrite,
                    std::string(kCannotWriteFile.in(script)) + name + ": " + status.reason());
    };
    // Both files are written in full beside their targets before either is
    // put in place, so a failure leaves the statistics and the translation
    // the user had as they were.
    std::string report;
    PendingFile stats_file;
    if (options.stats_path) {
        report = with_line_ends(statistics_report(store, result.counts, script, "."), options.crlf);
        if (*options.stats_path != "-") {
            if (const Status status = stats_file.prepare(*options.stats_path, report); !status.ok())
                return cannot_write(*options.stats_path, status);
        }
    }
    std::string unknown_table;
    PendingFile unknown_file;
    if (options.unknown_path) {
        unknown_table = unknown_words_tsv(unknown_word_rows(result.unknown_words, text), &forms);
        if (*options.unknown_path != "-") {
            if (const Status status = unknown_file.prepare(*options.unknown_path, unknown_table);
                !status.ok())
                return cannot_write(*options.unknown_path, status);
        }
    }
    const std::string translated = with_line_ends(result.text, options.crlf);
    PendingFile output_file;
    if (options.output_path) {
        if (const Status status = output_file.prepare(*options.output_path, translated);
            !status.ok()) {
            return cannot_write(*options.output_path, status);
        }
    } else if (const Status status = write_all(system_file_calls(), STDOUT_FILENO, translated, "-");
               !status.ok()) {
        return cannot_write("-", status);
    }
    if (const Status status = commit_all({&output_file, &stats_file, &unknown_file}); !status.ok())
        return cannot_write(status.path(), status);

    if (options.stats_path && *options.stats_path == "-") {
        if (const Status status = write_all(system_file_calls(), STDERR_FILENO, report, "-");
            !status.ok()) {
            return cannot_write("-", status);
        }
    }
    if (options.unknown_path && *options.unknown_path == "-") {
        if (const Status status = write_all(system_file_calls(), STDERR_FILENO, unknown_table, "-");
            !status.ok()) {
            return cannot_write("-", status);
        }
    }
    return kSuccess;
}

}  // namespace
}  // namespace vorna::cli

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    // A file-size limit makes a write fail with EFBIG, reported like any other
    // failed write, instead of ending the program without a word.
    signal(SIGXFSZ, SIG_IGN);
    vorna::cli::occupy_closed_standard_descriptors();
    // Faults are reported as statuses; this is the last guard, so that even
    // an unforeseen one (memory running out) ends in one line, not an abort.
    try {
        return vorna::cli::run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& error) {
        return vorna::cli::fail(vorna::cli::kBadInput, error.what());
    }
}
