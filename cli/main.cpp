// vorna-translate: the translator for scripts and pipelines, on the same run
// as the windows program.
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <new>

#include "cli/article_command.h"
#include "cli/cli_options.h"
#include "cli/cli_texts.h"
#include "cli/exit_status.h"
#include "cli/shared_files.h"
#include "cmdline/cmdline_texts.h"
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

namespace ct = cmdline::texts;

class QuietLoad : public SilentLoadProgress {
  public:
    explicit QuietLoad(Script script) : script_(script) {}
    void records_left_out(int32_t count) override {
        kProgram.warn(records_left_out_text(script_, count));
    }

  private:
    Script script_;
};

Script script_of(const CliOptions& options) {
    return options.translit ? Script::translit : Script::cyrillic;
}

// --dictionary, else the reader's corrected copy, else qd.dat beside the
// program: the windows' rule.
std::string chosen_dictionary(const CliOptions& options) {
    return choose_dictionary(options.dictionary_path, program_folder(),
                             readers_data_folder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")))
        .path;
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

// The UTF-8 text to translate, from the file or standard input, without a
// byte order mark. Returns the exit status.
int read_text(const CliOptions& options, std::string& text) {
    const Script script = script_of(options);
    const std::string input_name = options.input_path.value_or("-");
    const Status status = options.input_path
                              ? read_file_or_stream(*options.input_path, text)
                              : read_to_end(system_file_calls(), STDIN_FILENO, "-", text);
    if (!status.ok()) {
        return kProgram.fail(kBadInput, std::string(ct::kCannotRead.in(script)) + input_name +
                                            ": " + status.reason());
    }
    if (starts_with_byte_order_mark(text))
        text.erase(0, kUtf8ByteOrderMark.size());
    if (!is_valid_utf8(text))
        return kProgram.fail(kBadInput, std::string(kNotUtf8.in(script)) + input_name);
    return kSuccess;
}

// What a translation made, and what the reports about it read.
struct Translation {
    DictionaryStore store;
    forms::DictionaryForms forms;  // read only when a word asks for it
    TranslationResult result;
};

// A folder of this process alone for the working files, so that several
// runs can go side by side. Returns the exit status.
int make_work_folder(Script script, PrivateFolder& folder) {
    if (const Status status = folder.create("vorna-translate-"); !status.ok()) {
        return kProgram.fail(
            kNoTemporaryFolder,
            std::string(kCannotMakeTemporaryFolder.in(script)) + status.describe());
    }
    return kSuccess;
}

// Loads `dictionary` into `store` with its working copy in `work_folder`.
// Returns the exit status.
int load(Script script, const std::string& dictionary, const std::string& work_folder,
         DictionaryStore& store) {
    QuietLoad load_sink(script);
    if (const Status loaded = load_within_memory(store, dictionary, work_folder, load_sink);
        !loaded.ok()) {
        return kProgram.fail(kNoDictionary, texts::kDictionaryMissing.in(script) +
                                                std::string(" (") + loaded.describe() + ")");
    }
    return kSuccess;
}

// Loads the dictionary and translates `text` into `translation`. Returns
// the exit status.
int translate(const CliOptions& options, const std::string& dictionary, const std::string& text,
              Translation& translation) {
    const Script script = script_of(options);
    PrivateFolder work_folder;
    if (const int status = make_work_folder(script, work_folder); status != kSuccess)
        return status;
    if (const int status = load(script, dictionary, work_folder.path(), translation.store);
        status != kSuccess) {
        return status;
    }

    TranslationEngine engine(translation.store, dictionary);
    engine.set_work_folder(work_folder.path());
    TranslationOptions run_options;
    run_options.script = script;
    run_options.form = options.word_list ? OutputForm::word_list : OutputForm::text;
    run_options.word_forms = options.lemmas ? &translation.forms : nullptr;
    run_options.collect_unknown_words = options.unknown_path.has_value();
    SilentRunHost host;
    translation.result = engine.text_translate(text, run_options, host);
    if (translation.result.outcome == RunOutcome::dictionary_damaged)
        return kProgram.fail(kNoDictionary, damaged_dictionary_text(script, dictionary));
    return kSuccess;
}

// One of the texts a run writes: into a file put in place with the others,
// or else to a standard stream.
struct RunOutput {
    std::optional<std::string> file_path;
    std::string text;
    PendingFile file;
};

// A report's file: none for "-" (standard error) or when it is not asked for.
std::optional<std::string> report_file(const std::optional<std::string>& path) {
    return path && *path != "-" ? path : std::nullopt;
}

// Writes the translation and the reports asked for. Returns the exit status.
int write_outputs(const CliOptions& options, const std::string& text, Translation& translation) {
    const Script script = script_of(options);
    RunOutput output{
        options.output_path, with_line_ends(translation.result.text, options.crlf), {}};
    RunOutput stats{report_file(options.stats_path), {}, {}};
    if (options.stats_path) {
        stats.text = with_line_ends(
            statistics_report(translation.store, translation.result.counts, script, "."),
            options.crlf);
    }
    RunOutput unknown{report_file(options.unknown_path), {}, {}};
    if (options.unknown_path) {
        unknown.text = unknown_words_tsv(unknown_word_rows(translation.result.unknown_words, text),
                                         &translation.forms);
    }

    // Every file is written in full beside its target before any is put in
    // place, so a failure leaves the files the user had as they were.
    for (RunOutput* file : {&stats, &unknown, &output}) {
        if (!file->file_path)
            continue;
        if (const Status status = file->file.prepare(*file->file_path, file->text); !status.ok())
            return kProgram.cannot_write(script, *file->file_path, status);
    }
    const auto write_to = [script](int descriptor, const std::string& bytes) {
        const Status status = write_all(system_file_calls(), descriptor, bytes, "-");
        return status.ok() ? kSuccess : kProgram.cannot_write(script, "-", status);
    };
    if (!output.file_path) {
        if (const int status = write_to(STDOUT_FILENO, output.text); status != kSuccess)
            return status;
    }
    if (const Status status = commit_all({&output.file, &stats.file, &unknown.file}); !status.ok())
        return kProgram.cannot_write(script, status.path(), status);
    // The reports asked for on standard error follow, the statistics first.
    if (options.stats_path && !stats.file_path) {
        if (const int status = write_to(STDERR_FILENO, stats.text); status != kSuccess)
            return status;
    }
    if (options.unknown_path && !unknown.file_path)
        return write_to(STDERR_FILENO, unknown.text);
    return kSuccess;
}

int run(const std::vector<std::string>& arguments) {
    const ParsedOptions parsed = parse_options(arguments);
    const CliOptions& options = parsed.options;
    const Script script = script_of(options);
    if (!parsed.error.empty())
        return kProgram.fail(kBadInput, parsed.error);
    if (options.help)
        return kProgram.print(script, help_text(options.translit));
    if (options.article_word) {
        return print_article(options, [&options, script](DictionaryStore& store) {
            PrivateFolder folder;
            if (const int status = make_work_folder(script, folder); status != kSuccess)
                return status;
            return load(script, chosen_dictionary(options), folder.path(), store);
        });
    }

    const std::string dictionary = chosen_dictionary(options);
    if (const auto shared = shared_file(options, dictionary, options.translit)) {
        return kProgram.fail(kBadInput, std::string(kSameFileTwice.in(script)) + shared->first +
                                            kAnd.in(script) + shared->second);
    }
    std::string text;
    if (const int status = read_text(options, text); status != kSuccess)
        return status;
    Translation translation;
    if (const int status = translate(options, dictionary, text, translation); status != kSuccess)
        return status;
    return write_outputs(options, text, translation);
}

}  // namespace
}  // namespace vorna::cli

int main(int argc, char** argv) {
    return vorna::cmdline::run_program(vorna::cli::kProgram, argc, argv, vorna::cli::run);
}
