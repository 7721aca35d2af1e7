#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "core/dictionary/dictionary_store.h"
#include "core/engine/line_workspace.h"
#include "core/engine/run_host.h"
#include "core/engine/translation_options.h"
#include "core/engine/translation_result.h"
#include "core/engine/word_lookup.h"

namespace vorna {

// The translator: word, line and whole-text translation over a loaded,
// read-only dictionary. Options are set once and hold for every run after;
// a run hands back everything it produced in a TranslationResult.
class TranslationEngine {
  public:
    // `dictionary_path` names the file the store was loaded from, for the
    // damaged-dictionary report; the run's temporary files go beside it
    // unless another work folder is set.
    TranslationEngine(const DictionaryStore& store, std::string dictionary_path);
    TranslationEngine(const TranslationEngine&) = delete;
    TranslationEngine& operator=(const TranslationEngine&) = delete;

    void set_options(const TranslationOptions& options) { options_ = options; }
    const TranslationOptions& options() const { return options_; }
    void set_work_folder(std::string folder) { work_folder_ = std::move(folder); }
    const std::string& dictionary_path() const { return dictionary_path_; }
    // After the store was loaded again from another file.
    void set_dictionary_path(std::string path) { dictionary_path_ = std::move(path); }
    bool run_in_progress() const { return run_in_progress_; }

    // The whole run over a source text (UTF-8, lines separated by LF or
    // CR LF): goes through temp1.txt and temp2.txt, reports progress after
    // every line, and returns the output with every line ended by CR LF.
    TranslationResult text_translate(const std::string& source_text, RunHost& host);

    // Translates one word as line translation cut it out. `word` is emptied;
    // `result` receives what stands for the word in the output. Counts go to
    // counts(), which only text_translate resets.
    void word_translate(std::string& word, std::string& result, int32_t length, EventPump& host);
    // Renders the first `len_eng` characters of one source line (without its
    // line break) into `text_line_rus`.
    void text_line_translate(const std::string& text_line_eng, int32_t len_eng,
                             std::string& text_line_rus, EventPump& host);

    const RunCounts& counts() const { return counts_; }
    // True once a lookup met an index that points outside the entry table.
    bool dictionary_damaged() const { return damaged_; }

  private:
    struct RunState;

    void start_counting();
    TranslationResult finish_run(RunOutcome outcome, std::string text);

    // Line translation in two steps, so that a run can prepare the next line
    // while it translates this one, and build its output without a copy per
    // line. prepare_line cuts the line into words, makes their keys and starts
    // loading the dictionary memory the first of them will need.
    void prepare_line(std::string_view line, LineWorkspace& workspace) const;
    // render_line cuts and renders the rest of a long line a piece at a time.
    void render_line(std::string_view line, uint64_t line_offset, LineWorkspace& workspace,
                     std::string& out, EventPump& host);

    WordLookup look_up_key(std::string_view key, const WordKey& word_key, EventPump& host);
    LookupIndex::Match match_in_slot(std::string_view key, uint32_t hash, int32_t slot,
                                     EventPump& host);
    LookupIndex::Match match_dictionary_form(std::string_view key, EventPump& host);
    int32_t scan_stretch(std::string_view key, int32_t first, int32_t last, EventPump& host);
    LookupIndex::Match find_in_stretch(std::string_view key, uint32_t hash, int32_t first,
                                       int32_t last);
    // The mode's choices come as arguments, worked out once per line by the caller.
    void append_word_result(std::string& out, std::string_view word, const WordLookup& lookup,
                            bool word_list, bool rus) const;
    void note_unknown_word(std::string_view key, uint64_t offset);
    bool prefetching() const;

    const DictionaryStore& store_;
    std::string dictionary_path_;
    std::string work_folder_;
    TranslationOptions options_;
    bool run_in_progress_ = false;
    bool damaged_ = false;
    RunCounts counts_;
    std::vector<WordPosition> word_positions_;
    std::vector<UnknownWord> unknown_words_;
    std::map<std::string, std::size_t, std::less<>> unknown_word_index_;
    // Reused from line to line; two, so the next line can be prepared while
    // this one is translated.
    std::array<LineWorkspace, 2> workspaces_;
};

}  // namespace vorna
