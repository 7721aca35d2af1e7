#include <algorithm>
#include <string_view>

#include "core/engine/run_figures.h"
#include "core/engine/translation_engine.h"
#include "core/engine/translation_run.h"
#include "core/io/file_calls.h"
#include "core/io/path_parts.h"
#include "core/io/work_folder.h"
#include "core/io/working_file.h"
#include "core/text/text_case.h"

namespace vorna {

namespace {

constexpr std::string_view kCrLf = "\r\n";

// Clears the engine's busy mark when a run ends, whatever way it ends.
class BusyFlag {
  public:
    explicit BusyFlag(std::atomic<bool>& flag) : flag_(flag) {}
    ~BusyFlag() { flag_ = false; }
    BusyFlag(const BusyFlag&) = delete;
    BusyFlag& operator=(const BusyFlag&) = delete;

  private:
    std::atomic<bool>& flag_;
};

// A working file of the run, written a large piece at a time. A file that
// cannot be made or written is given up quietly: the text in memory is what
// the run works from, so the file never stops a run.
class RunFile {
  public:
    RunFile(const WorkFolder& folder, const char* name) {
        usable_ = folder.open_file(name, file_).ok();
    }
    void write(std::string_view bytes) {
        if (usable_)
            usable_ = write_all(system_file_calls(), file_.descriptor(), bytes, file_.path()).ok();
    }

  private:
    WorkingFile file_;  // removed when the run ends, however it ends
    bool usable_ = false;
};

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
int64_t save_source_text(const std::string& source_text, RunFile& out, RunHost& host) {
    std::string piece;
    MemoryLines lines(source_text);
    int64_t count = 0;
    for (std::string_view line; lines.next(line); ++count) {
        (piece += line) += kCrLf;
        if (piece.size() >= (1 << 20)) {
            out.write(piece);
            piece.clear();
            // A book takes long enough to save that the windows would stop.
            host.process_pending_events();
        }
    }
    out.write(piece);
    return count;
}

// temp2.txt follows the output as it grows, a large piece at a time.
class OutputFile {
  public:
    explicit OutputFile(RunFile& file) : file_(file) {}

    void catch_up(const std::string& output) {
        if (output.size() - written_ >= kPiece)
            finish(output);
    }
    void finish(const std::string& output) {
        file_.write(std::string_view(output).substr(written_));
        written_ = output.size();
    }

  private:
    static constexpr std::size_t kPiece = 1 << 20;
    RunFile& file_;
    std::size_t written_ = 0;
};

bool has_fewer_than_two_characters(std::string_view line) {
    return line.size() < 2 || (line.size() <= 4 && count_code_points(line) < 2);
}

// Tells the host the share of lines done whenever the figure changes, which
// keeps the panel exact after every line without redrawing it thousands of
// times with the same figure.
class ProgressReport {
  public:
    ProgressReport(RunHost& host, int64_t line_count) : host_(host), line_count_(line_count) {}

    void line_done(int64_t line_number) {
        const double percent = progress_percent(line_number, line_count_);
        if (percent == shown_)
            return;
        shown_ = percent;
        host_.show_progress(percent);
    }

  private:
    RunHost& host_;
    int64_t line_count_;
    double shown_ = -1;
};

}  // namespace

TranslationEngine::TranslationEngine(const DictionaryStore& store, std::string dictionary_path)
    : store_(store), dictionary_path_(std::move(dictionary_path)) {}

TranslationRun::TranslationRun(const DictionaryStore& store, const TranslationOptions& options)
    : store_(store), options_(options) {
    counts_.repeat_count.assign(kEntryRows, 0);
}

TranslationResult TranslationRun::finish(RunOutcome outcome, std::string text) {
    TranslationResult result;
    result.outcome = outcome;
    result.text = std::move(text);
    result.counts = std::move(counts_);
    result.word_positions = std::move(word_positions_);
    result.unknown_words = std::move(unknown_words_);
    return result;
}

TranslationResult TranslationEngine::text_translate(const std::string& source_text,
                                                    const TranslationOptions& options,
                                                    RunHost& host) const {
    if (run_in_progress_.exchange(true)) {
        TranslationResult busy;
        busy.outcome = RunOutcome::busy;
        return busy;
    }
    const BusyFlag busy(run_in_progress_);
    TranslationRun run(store_, options);

    // temp1.txt and temp2.txt are the run's files of record; the lines
    // themselves are taken from the text in memory, where they are the same,
    // so the text is neither read back nor split twice. A folder that cannot
    // be written therefore never stops a run.
    const WorkFolder folder(work_folder_.empty() ? folder_of(dictionary_path_) : work_folder_);
    RunFile source_file(folder, kSourceTextName);
    const int64_t line_count = save_source_text(source_text, source_file, host);
    if (line_count == 0)
        return run.finish(RunOutcome::empty_text, {});

    RunFile output_file(folder, kOutputTextName);
    OutputFile out(output_file);
    std::string output;
    output.reserve(source_text.size() + source_text.size() / 2);
    ProgressReport progress(host, line_count);
    MemoryLines lines(source_text);
    std::string_view line;
    std::string_view next_line;
    bool has_line = lines.next(line);
    std::size_t current = 0;  // the workspace holding `line`, prepared when it has words
    if (has_line && !has_fewer_than_two_characters(line))
        run.prepare_line(line, run.workspace(current));
    for (int64_t line_number = 1; has_line; ++line_number) {
        const bool has_next = lines.next(next_line);
        if (has_next && !has_fewer_than_two_characters(next_line))
            run.prepare_line(next_line, run.workspace(1 - current));
        if (has_fewer_than_two_characters(line)) {
            output += line;
        } else {
            const auto line_offset = static_cast<uint64_t>(line.data() - source_text.data());
            run.render_line(line, line_offset, run.workspace(current), output, host);
            if (run.dictionary_damaged())
                return run.finish(RunOutcome::dictionary_damaged, {});
        }
        output += kCrLf;
        out.catch_up(output);
        host.process_pending_events();
        if (host.cancel_requested())
            return run.finish(RunOutcome::cancelled, {});
        progress.line_done(line_number);
        line = next_line;
        has_line = has_next;
        current = 1 - current;
    }
    out.finish(output);
    return run.finish(RunOutcome::translated, std::move(output));
}

}  // namespace vorna
