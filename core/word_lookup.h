#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/translator.h"

namespace vorna {

// What looking a word up came to; the counters are already updated.
struct WordLookup {
    enum class Outcome { not_looked_up, found, unknown };
    Outcome outcome = Outcome::not_looked_up;
    int32_t row = 0;  // the entry found
};

// The lookup half of word translation: skip rules, key, prefix slot, the
// stretch of the slot, and the counting. Throws DictionaryDamaged after
// telling the host when the index points outside the table.
WordLookup look_up_word(Translator& translator, TranslationHost& host, std::string_view word,
                        int32_t length);

// The rendering half: appends what stands for the word in the output (the
// translation in the mode's script with a raised first letter, the word
// itself, or nothing), in the word-list form when a separator is set.
void append_word_result(std::string& out, const Translator& translator, std::string_view word,
                        const WordLookup& lookup);

}  // namespace vorna
