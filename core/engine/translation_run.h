#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/dictionary/dictionary_store.h"
#include "core/dictionary/word_search.h"
#include "core/engine/line_workspace.h"
#include "core/engine/run_host.h"
#include "core/engine/translation_options.h"
#include "core/engine/translation_result.h"
#include "core/engine/word_lookup.h"

namespace vorna {

// One run over the dictionary: its options, and everything it counts and
// collects as it goes. The engine makes one for every text; word and line
// translation can also be driven on their own, counting into the same run.
// A store without its lookup hash is searched by the literal scan of the
// prefix stretch, the reference the hash is checked against.
class TranslationRun {
  public:
    TranslationRun(const DictionaryStore& store, const TranslationOptions& options);
    TranslationRun(const TranslationRun&) = delete;
    TranslationRun& operator=(const TranslationRun&) = delete;

    // Translates one word as line translation cut it out. `word` is emptied;
    // `result` receives what stands for the word in the output.
    void word_translate(std::string& word, std::string& result, int32_t length, EventPump& host);
    // Renders the first `len_eng` characters of one source line (without its
    // line break) into `text_line_rus`.
    void text_line_translate(const std::string& text_line_eng, int32_t len_eng,
                             std::string& text_line_rus, EventPump& host);

    const RunCounts& counts() const { return counts_; }
    // True once a lookup met an index that points outside the entry table.
    bool dictionary_damaged() const { return damaged_; }

    // Line translation in two steps, so that the text run can prepare the
    // next line while it translates this one, and build its output without a
    // copy per line. prepare_line cuts the line into words, makes their keys
    // and starts loading the dictionary memory the first of them will need.
    void prepare_line(std::string_view line, LineWorkspace& workspace) const;
    // render_line cuts and renders the rest of a long line a piece at a time;
    // `line_offset` is where the line starts in the text, for the positions.
    void render_line(std::string_view line, uint64_t line_offset, LineWorkspace& workspace,
                     std::string& out, EventPump& host);
    // Two workspaces, reused from line to line.
    LineWorkspace& workspace(std::size_t which) { return workspaces_[which]; }

    // Hands over what the run produced; the run is spent.
    TranslationResult finish(RunOutcome outcome, std::string text);

  private:
    WordLookup look_up_key(std::string_view key, const WordKey& word_key, EventPump& host);
    bool look_up_parts(std::string_view key, EventPump& host, WordLookup& lookup);
    // Counts a found entry; notes a damaged dictionary. True when found.
    bool count_match(const WordMatch& match);
    // A word the dictionary lacks, counted as such.
    WordLookup unknown_lookup();
    // The translation of `row`, from `lookup` when it holds the text.
    std::string_view translation_of(int32_t row, const WordLookup& lookup, bool rus) const;
    // The mode's choices come as arguments, worked out once per line by the caller.
    void append_word_result(std::string& out, std::string_view word, const WordLookup& lookup,
                            bool word_list, bool rus) const;
    void note_unknown_word(std::string_view key, uint64_t offset);
    bool prefetching() const { return store_.lookup.is_built(); }

    const DictionaryStore& store_;
    const TranslationOptions options_;
    bool damaged_ = false;
    RunCounts counts_;
    std::vector<WordPosition> word_positions_;
    std::vector<UnknownWord> unknown_words_;
    std::map<std::string, std::size_t, std::less<>> unknown_word_index_;
    std::array<LineWorkspace, 2> workspaces_;
};

}  // namespace vorna
