#pragma once

#include "core/dictionary/word_forms.h"
#include "core/text/script.h"

namespace vorna {

// The run's output: the running text, or one "word - translation" line per
// word with an empty line after each source line.
enum class OutputForm { text, word_list };

// What one run is asked to do; given with every run.
struct TranslationOptions {
    Script script = Script::cyrillic;  // which translation column the run writes
    OutputForm form = OutputForm::text;
    // Where each looked-up word came from and went to, for mapping a word of
    // the output back to its source. Costs memory per word, so off unless asked.
    bool keep_word_positions = false;
    // The distinct words the dictionary did not know, with their counts.
    bool collect_unknown_words = false;
    // When set, a word the dictionary does not hold is looked up again by its
    // dictionary forms ("went" -> "go") and counted under the entry found.
    // Not owned.
    WordForms* word_forms = nullptr;
};

}  // namespace vorna
