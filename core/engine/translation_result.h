#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorna {

// How often the words of a run were found, per row of the entry table, and
// how many were not found at all.
struct RunCounts {
    int32_t unknown_word_count = 0;
    std::vector<int32_t> repeat_count;  // one per entry row; empty before any run

    int32_t repeats_of(std::size_t row) const {
        return row < repeat_count.size() ? repeat_count[row] : 0;
    }
};

// A looked-up word: its bytes in the source text and in the run's output.
struct WordPosition {
    uint64_t source_offset = 0;
    uint32_t source_length = 0;
    uint64_t output_offset = 0;
    uint32_t output_length = 0;
    bool found = false;  // the dictionary (or a dictionary form) held it
};

// A word the dictionary did not know: its key (small letters), how often it
// occurred and where it first stood in the source text.
struct UnknownWord {
    std::string word;
    int32_t count = 0;
    uint64_t first_offset = 0;
};

enum class RunOutcome {
    translated,
    empty_text,          // nothing to translate; the counts are cleared
    busy,                // another run is in progress; nothing changed
    cancelled,           // the host asked to stop; temporary files removed
    dictionary_damaged,  // the index points outside the table
};

struct TranslationResult {
    RunOutcome outcome = RunOutcome::translated;
    std::string text;  // every line ended by CR LF
    RunCounts counts;
    std::vector<WordPosition> word_positions;  // when asked for
    std::vector<UnknownWord> unknown_words;    // when asked for, in order of first use
};

}  // namespace vorna
