// vorna-translate: the translator for scripts and pipelines, on the same run
// as the windows program.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include "cli/cli_options.h"
#include "core/dictionary/dictionary_loader.h"
#include "core/engine/silent_hosts.h"
#include "core/engine/statistics_report.h"
#include "core/engine/translation_engine.h"
#include "core/text/interface_texts.h"
#include "core/text/text_case.h"
#include "core/text/text_encoding.h"

namespace fs = std::filesystem;

namespace vorna::cli {
namespace {

enum ExitCode { kSuccess = 0, kNoDictionary = 1, kBadInput = 2, kCannotWrite = 3 };

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

// The run's temporary files go to a folder of this process alone, so that
// several translations can run side by side.
class PrivateFolder {
  public:
    PrivateFolder() {
        std::string pattern = (fs::temp_directory_path() / "vorna-translate-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr)
            path_ = pattern;
    }
    ~PrivateFolder() {
        std::error_code ignored;
        if (!path_.empty())
            fs::remove_all(path_, ignored);
    }
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

fs::path program_folder() {
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::current_path() : self.parent_path();
}

bool read_input(const CliOptions& options, std::string& text) {
    if (!options.input_path) {
        text.assign(std::istreambuf_iterator<char>(std::cin), {});
        return !std::cin.bad();
    }
    std::error_code error;
    if (fs::is_directory(*options.input_path, error))
        return false;
    std::ifstream in(*options.input_path, std::ios::binary);
    if (!in)
        return false;
    text.assign(std::istreambuf_iterator<char>(in), {});
    return !in.bad();
}

std::string with_line_ends(std::string text, bool crlf) {
    return crlf ? text : with_lf_line_ends(std::move(text));
}

bool write_in_place(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.flush();
    return static_cast<bool>(out);
}

// Writes through a temporary file beside the target, so a failed write never
// leaves a half-written file behind. A device or a pipe (/dev/stdout, a FIFO)
// is written to as it is: renaming over it would replace it with a file. A
// symbolic link keeps pointing where it did: the file it names is replaced.
bool write_file(const std::string& given_path, const std::string& bytes) {
    std::error_code ignored;
    const fs::file_status status = fs::status(given_path, ignored);
    if (fs::exists(status) && !fs::is_regular_file(status))
        return write_in_place(given_path, bytes);
    std::string path = given_path;
    if (fs::is_symlink(fs::symlink_status(given_path, ignored))) {
        std::error_code unresolved;
        const fs::path target = fs::canonical(given_path, unresolved);
        if (!unresolved)
            path = target.string();
    }
    const std::string temporary = path + ".vorna-tmp";
    if (!write_in_place(temporary, bytes)) {
        std::remove(temporary.c_str());
        return false;
    }
    std::error_code error;
    fs::rename(temporary, path, error);
    if (error)
        std::remove(temporary.c_str());
    return !error;
}

int fail(int code, const std::string& message) {
    std::cerr << kProgram << message << '\n';
    return code;
}

int run(const std::vector<std::string>& arguments) {
    const ParsedOptions parsed = parse_options(arguments);
    const CliOptions& options = parsed.options;
    const bool t = options.translit;
    if (!parsed.error.empty())
        return fail(kBadInput, parsed.error);
    if (options.help) {
        std::cout << help_text(t);
        return kSuccess;
    }

    const std::string input_name = options.input_path.value_or("-");
    std::string text;
    if (!read_input(options, text)) {
        return fail(kBadInput,
                    (t ? "ne udajotsja prochitatj: " : "не удаётся прочитать: ") + input_name);
    }
    if (starts_with_byte_order_mark(text))
        text.erase(0, kUtf8ByteOrderMark.size());
    if (!is_valid_utf8(text)) {
        return fail(kBadInput, (t ? "vhodnoj tekst ne v kodirovke UTF-8: "
                                  : "входной текст не в кодировке UTF-8: ") +
                                   input_name);
    }

    const std::string dictionary = options.dictionary_path.empty()
                                       ? (program_folder() / "qd.dat").string()
                                       : options.dictionary_path;
    const Script script = t ? Script::translit : Script::cyrillic;
    const PrivateFolder work_folder;
    DictionaryStore store;
    QuietLoad load_sink(script);
    if (!load_dictionary_file(store, dictionary, work_folder.path(), load_sink).ok()) {
        return fail(kNoDictionary,
                    texts::kDictionaryMissing.in(script) + std::string(" (") + dictionary + ")");
    }

    TranslationEngine engine(store, dictionary);
    engine.set_work_folder(work_folder.path());
    TranslationOptions run_options;
    run_options.script = script;
    run_options.form = options.word_list ? OutputForm::word_list : OutputForm::text;
    engine.set_options(run_options);
    SilentRunHost host;
    const TranslationResult result = engine.text_translate(text, host);
    if (result.outcome == RunOutcome::dictionary_damaged)
        return fail(kNoDictionary, as_one_line(damaged_dictionary_text(script, dictionary)));

    const auto cannot_write = [t](const std::string& name) {
        return fail(kCannotWrite, (t ? "ne udajotsja zapisatj: " : "не удаётся записать: ") + name);
    };
    // The statistics file goes first: when it cannot be written, no
    // translation has been written either.
    std::string report;
    if (options.stats_path) {
        report = with_line_ends(statistics_report(store, result.counts, script, "."), options.crlf);
        if (*options.stats_path != "-" && !write_file(*options.stats_path, report))
            return cannot_write(*options.stats_path);
    }

    const std::string translated = with_line_ends(result.text, options.crlf);
    if (options.output_path) {
        if (!write_file(*options.output_path, translated))
            return cannot_write(*options.output_path);
    } else if (!(std::cout << translated << std::flush)) {
        return cannot_write("-");
    }

    if (options.stats_path && *options.stats_path == "-")
        std::cerr << report << std::flush;
    return kSuccess;
}

}  // namespace
}  // namespace vorna::cli

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    return vorna::cli::run(std::vector<std::string>(argv + 1, argv + argc));
}
