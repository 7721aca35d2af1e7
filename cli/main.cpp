// vorna-translate: the translator for scripts and pipelines, on the same run
// as the windows program.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include "cli/cli_options.h"
#include "core/dictionary_loader.h"
#include "core/message_table.h"
#include "core/silent_host.h"
#include "core/statistics_report.h"
#include "core/text_case.h"
#include "core/translator.h"

namespace fs = std::filesystem;

namespace vorna::cli {
namespace {

enum ExitCode { kSuccess = 0, kNoDictionary = 1, kBadInput = 2, kCannotWrite = 3 };

constexpr const char* kProgram = "vorna-translate: ";

class QuietLoad : public SilentLoadProgress {
  public:
    explicit QuietLoad(bool translit) : translit_(translit) {}
    void records_left_out(int32_t count) override {
        std::cerr << kProgram << (translit_ ? kRecordsLeftOutTranslit : kRecordsLeftOutCyrillic)
                  << count << '\n';
    }

  private:
    bool translit_;
};

class QuietRun : public SilentTranslationHost {
  public:
    void dictionary_damaged(const std::string& message) override {
        std::string one_line = message;
        for (char& c : one_line) {
            if (c == '\r' || c == '\n')
                c = ' ';
        }
        std::cerr << kProgram << one_line << '\n';
    }
};

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

// Writes through a temporary file beside the target, so a failed write never
// leaves a half-written file behind.
bool write_file(const std::string& path, const std::string& bytes) {
    const std::string temporary = path + ".vorna-tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << bytes;
        out.flush();
        if (!out) {
            std::remove(temporary.c_str());
            return false;
        }
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
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        text.erase(0, 3);
    if (!is_valid_utf8(text)) {
        return fail(kBadInput, (t ? "vhodnoj tekst ne v kodirovke UTF-8: "
                                  : "входной текст не в кодировке UTF-8: ") +
                                   input_name);
    }

    const std::string dictionary = options.dictionary_path.empty()
                                       ? (program_folder() / "qd.dat").string()
                                       : options.dictionary_path;
    MessageTable messages;
    fill_loading_messages(messages, !t);
    const std::string missing_message = messages[0];
    fill_main_messages(messages, t ? kModeCyr : kModeRus);

    const PrivateFolder work_folder;
    DictionaryStore store;
    QuietLoad load_sink(t);
    if (!load_dictionary_file(store, dictionary, work_folder.path(), load_sink)) {
        return fail(kNoDictionary, missing_message + " (" + dictionary + ")");
    }

    Translator translator(store, messages, fs::path(dictionary).parent_path().string());
    translator.work_folder = work_folder.path();
    translator.interface_mode = t ? kModeCyr : kModeRus;
    translator.type_of_translate = options.word_list ? "\r\n" : "";
    QuietRun host;
    std::optional<std::string> output;
    try {
        output = text_translate(translator, host, text, ".");
    } catch (const DictionaryDamaged&) {
        return kNoDictionary;
    }

    const std::string translated = with_line_ends(output.value_or(""), options.crlf);
    if (options.output_path) {
        if (!write_file(*options.output_path, translated)) {
            return fail(kCannotWrite, (t ? "ne udajotsja zapisatj: " : "не удаётся записать: ") +
                                          *options.output_path);
        }
    } else {
        std::cout << translated << std::flush;
    }

    if (options.stats_path) {
        const std::string report = with_line_ends(
            statistics_report(store, translator.unknown_word_count, !t, "."), options.crlf);
        if (*options.stats_path == "-") {
            std::cerr << report << std::flush;
        } else if (!write_file(*options.stats_path, report)) {
            return fail(kCannotWrite, (t ? "ne udajotsja zapisatj: " : "не удаётся записать: ") +
                                          *options.stats_path);
        }
    }
    return kSuccess;
}

}  // namespace
}  // namespace vorna::cli

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    return vorna::cli::run(std::vector<std::string>(argv + 1, argv + argc));
}
