#include <algorithm>
#include <climits>
#include <cstdio>
#include <fstream>
#include <string_view>

#include "core/run_figures.h"
#include "core/text_case.h"
#include "core/translator.h"
#include "core/work_folder.h"

namespace vorna {

namespace {

constexpr std::string_view kCrLf = "\r\n";

// Marks the translator busy for the life of one run, whatever way it ends.
class RunInProgress {
  public:
    explicit RunInProgress(Translator& translator) : translator_(translator) {
        translator_.run_in_progress = true;
    }
    ~RunInProgress() { translator_.run_in_progress = false; }
    RunInProgress(const RunInProgress&) = delete;
    RunInProgress& operator=(const RunInProgress&) = delete;

  private:
    Translator& translator_;
};

// Deletes a temporary file when the run ends, normally or by an exception.
class TemporaryFile {
  public:
    explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
    ~TemporaryFile() { std::remove(path_.c_str()); }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

void reset_counters(Translator& translator) {
    translator.unknown_word_count = 0;
    for (DictionaryEntry& entry : translator.store.entries)
        entry.repeat_count = 0;
}

// Writes the source text with every line ended by CR LF. A line break at the
// very end of the text does not start a further line.
// Hands out the lines of a text held in memory: lines end in LF or CR LF, a
// lone CR is an ordinary character.
class MemoryLines {
  public:
    explicit MemoryLines(std::string_view text) : rest_(text) {}

    bool next(std::string_view& line) {
        if (rest_.empty())
            return false;
        const auto line_feed = rest_.find('\n');
        line = rest_.substr(0, line_feed);
        if (line_feed != std::string_view::npos && !line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        rest_ =
            line_feed == std::string_view::npos ? std::string_view() : rest_.substr(line_feed + 1);
        return true;
    }
    bool next(std::string& line) {
        std::string_view view;
        if (!next(view))
            return false;
        line.assign(view);
        return true;
    }

  private:
    std::string_view rest_;
};

int64_t count_memory_lines(const std::string& text) {
    MemoryLines lines(text);
    int64_t count = 0;
    for (std::string_view line; lines.next(line);)
        ++count;
    return count;
}

// Writes the source text with every line ended by CR LF. A line break at the
// very end of the text does not start a further line.
bool save_source_text(const std::string& source_text, const std::string& path) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    MemoryLines lines(source_text);
    for (std::string_view line; lines.next(line);)
        out << line << kCrLf;
    out.flush();
    return static_cast<bool>(out);
}

// Every line in temp1.txt ends in CR LF; only that pair is taken off.
bool read_crlf_line(std::istream& in, std::string& line) {
    if (!std::getline(in, line))
        return false;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

int64_t count_lines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char buffer[1 << 16];
    int64_t lines = 0;
    char last = '\n';
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        const std::string_view chunk(buffer, static_cast<std::size_t>(in.gcount()));
        for (char c : chunk)
            lines += c == '\n';
        last = chunk.back();
    }
    return lines + (last != '\n');
}

bool has_fewer_than_two_characters(const std::string& line) {
    return line.size() < 2 || (line.size() <= 4 && count_code_points(line) < 2);
}

// "Переведено: 33.33 %" — the share of lines done, cut after two decimals.
std::string progress_text(const Translator& translator, int64_t line_number, int64_t line_count,
                          const std::string& decimal_separator) {
    return translator.messages[4] +
           format_number(progress_percent(line_number, line_count), 15, decimal_separator) + " %";
}

// The translation pass: one output line per source line, progress after each.
struct LinePass {
    Translator& translator;
    TranslationHost& host;
    const std::string& decimal_separator;
    int64_t line_count;

    template <typename ReadLine, typename WriteLine>
    void run(ReadLine read_line, WriteLine write_line) const {
        std::string line;
        std::string translated;
        for (int64_t line_number = 1; read_line(line); ++line_number) {
            if (has_fewer_than_two_characters(line)) {
                write_line(line);
            } else {
                const auto length =
                    static_cast<int32_t>(std::min<std::size_t>(count_code_points(line), INT32_MAX));
                text_line_translate(translator, host, line, length, translated);
                write_line(translated);
            }
            host.process_pending_events();
            host.show_progress(
                progress_text(translator, line_number, line_count, decimal_separator));
        }
    }
};

std::string read_whole_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::string contents(static_cast<std::size_t>(std::max<std::streamoff>(in.tellg(), 0)), '\0');
    in.seekg(0);
    in.read(contents.data(), static_cast<std::streamsize>(contents.size()));
    return contents;
}

}  // namespace

std::optional<std::string> text_translate(Translator& translator, TranslationHost& host,
                                          const std::string& source_text,
                                          const std::string& decimal_separator) {
    if (translator.run_in_progress)
        return std::nullopt;
    const RunInProgress busy(translator);
    reset_counters(translator);

    const WorkFolder folder(translator.work_folder.empty() ? translator.application_folder
                                                           : translator.work_folder);
    const TemporaryFile source_file(folder.file("temp1.txt"));
    if (!save_source_text(source_text, source_file.path())) {
        // Nowhere to put the working files: translate from memory instead of failing.
        MemoryLines lines(source_text);
        std::string output;
        const LinePass pass{translator, host, decimal_separator, count_memory_lines(source_text)};
        if (pass.line_count == 0)
            return std::nullopt;
        pass.run([&](std::string& line) { return lines.next(line); },
                 [&](const std::string& line) { (output += line) += kCrLf; });
        return output;
    }
    const LinePass pass{translator, host, decimal_separator, count_lines(source_file.path())};
    if (pass.line_count == 0)
        return std::nullopt;

    const TemporaryFile output_file(folder.file("temp2.txt"));
    {
        std::ifstream in(source_file.path(), std::ios::binary);
        std::ofstream out(output_file.path(), std::ios::binary | std::ios::trunc);
        pass.run([&](std::string& line) { return read_crlf_line(in, line); },
                 [&](const std::string& line) { out << line << kCrLf; });
    }
    return read_whole_file(output_file.path());
}

}  // namespace vorna
