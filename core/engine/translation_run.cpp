#include <algorithm>
#include <climits>
#include <cstdio>
#include <fstream>
#include <string_view>

#include "core/engine/line_translation.h"
#include "core/engine/run_figures.h"
#include "core/text/text_case.h"
#include "core/engine/translator.h"
#include "core/io/work_folder.h"

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
    std::fill(translator.store.repeat_count.begin(), translator.store.repeat_count.end(), 0);
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

  private:
    std::string_view rest_;
};

// Writes the source text with every line ended by CR LF and returns the
// number of lines. A line break at the very end of the text does not start a
// further line.
int64_t save_source_text(const std::string& source_text, const std::string& path) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    std::string piece;
    MemoryLines lines(source_text);
    int64_t count = 0;
    for (std::string_view line; lines.next(line); ++count) {
        (piece += line) += kCrLf;
        if (piece.size() >= (1 << 20)) {
            out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
            piece.clear();
        }
    }
    out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
    return count;
}

// temp2.txt follows the output as it grows, a large piece at a time.
class OutputFile {
  public:
    explicit OutputFile(const std::string& path) : out_(path, std::ios::binary | std::ios::trunc) {}

    void catch_up(const std::string& output) {
        if (output.size() - written_ >= kPiece)
            finish(output);
    }
    void finish(const std::string& output) {
        out_.write(output.data() + written_,
                   static_cast<std::streamsize>(output.size() - written_));
        written_ = output.size();
    }

  private:
    static constexpr std::size_t kPiece = 1 << 20;
    std::ofstream out_;
    std::size_t written_ = 0;
};

bool has_fewer_than_two_characters(std::string_view line) {
    return line.size() < 2 || (line.size() <= 4 && count_code_points(line) < 2);
}

// "Переведено: 33.33 %" — the share of lines done, cut after two decimals.
// The host hears of it when the figure changes, which keeps the panel exact
// after every line without rebuilding the same text thousands of times.
class ProgressReport {
  public:
    ProgressReport(const Translator& translator, TranslationHost& host,
                   const std::string& decimal_separator, int64_t line_count)
        : translator_(translator),
          host_(host),
          decimal_separator_(decimal_separator),
          line_count_(line_count) {}

    void line_done(int64_t line_number) {
        const double percent = progress_percent(line_number, line_count_);
        if (percent == shown_)
            return;
        shown_ = percent;
        host_.show_progress(translator_.messages[4] +
                            format_number(percent, 15, decimal_separator_) + " %");
    }

  private:
    const Translator& translator_;
    TranslationHost& host_;
    const std::string& decimal_separator_;
    int64_t line_count_;
    double shown_ = -1;
};

}  // namespace

std::optional<std::string> text_translate(Translator& translator, TranslationHost& host,
                                          const std::string& source_text,
                                          const std::string& decimal_separator) {
    if (translator.run_in_progress)
        return std::nullopt;
    const RunInProgress busy(translator);
    reset_counters(translator);

    // temp1.txt and temp2.txt are the run's files of record, as they always
    // were; the lines themselves are taken from the text in memory, where they
    // are the same, so the text is neither read back nor split twice. A folder
    // that cannot be written therefore never stops a run.
    const WorkFolder folder(translator.work_folder.empty() ? translator.application_folder
                                                           : translator.work_folder);
    const TemporaryFile source_file(folder.file("temp1.txt"));
    const int64_t line_count = save_source_text(source_text, source_file.path());
    if (line_count == 0)
        return std::nullopt;

    const TemporaryFile output_file(folder.file("temp2.txt"));
    OutputFile out(output_file.path());
    std::string output;
    output.reserve(source_text.size() + source_text.size() / 2);
    ProgressReport progress(translator, host, decimal_separator, line_count);
    MemoryLines lines(source_text);
    std::string_view line;
    std::string_view next_line;
    bool has_line = lines.next(line);
    std::size_t current = 0;  // the workspace holding `line`, prepared when it has words
    if (has_line && !has_fewer_than_two_characters(line))
        prepare_line(translator, line, translator.workspaces[current]);
    for (int64_t line_number = 1; has_line; ++line_number) {
        const bool has_next = lines.next(next_line);
        if (has_next && !has_fewer_than_two_characters(next_line))
            prepare_line(translator, next_line, translator.workspaces[1 - current]);
        if (has_fewer_than_two_characters(line)) {
            output += line;
        } else {
            render_line(translator, host, line, translator.workspaces[current], output);
        }
        output += kCrLf;
        out.catch_up(output);
        host.process_pending_events();
        progress.line_done(line_number);
        line = next_line;
        has_line = has_next;
        current = 1 - current;
    }
    out.finish(output);
    return output;
}

}  // namespace vorna
