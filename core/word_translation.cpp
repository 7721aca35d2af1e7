#include <algorithm>

#include "core/text_case.h"
#include "core/word_lookup.h"

namespace vorna {

namespace {

// Words that are not looked up at all leave no trace: no count, no text.
bool is_looked_up(std::string_view word, int32_t length) {
    if (length < 2)
        return false;
    return std::count(word.begin(), word.end(), '-') < 2 &&
           std::count(word.begin(), word.end(), '\'') < 2;
}

[[noreturn]] void report_damaged_dictionary(const Translator& translator, TranslationHost& host) {
    const std::string message = translator.messages[5] + "\r\n" + translator.application_folder +
                                "/qd.dat " + translator.messages[6];
    host.dictionary_damaged(message);
    throw DictionaryDamaged(message);
}

bool row_in_table(int32_t row) {
    return row >= 0 && row <= kMaxEntries;
}

// Row numbers found are never 0: row 0 is never loaded.

// The reference lookup: every row of the stretch in turn, handing control to
// the host after each row that does not match.
int32_t scan_stretch(const Translator& translator, TranslationHost& host, std::string_view key,
                     int32_t first, int32_t last) {
    for (int32_t row = first; row <= last; ++row) {
        if (!row_in_table(row))
            report_damaged_dictionary(translator, host);
        // Row 0 is never loaded, so it never matches.
        if (row > 0 && translator.store.entries[static_cast<std::size_t>(row)].word_eng == key) {
            return row;
        }
        host.process_pending_events();
    }
    return 0;
}

// Same answer as scan_stretch, from the hash built at load.
int32_t find_in_stretch(const Translator& translator, TranslationHost& host, std::string_view key,
                        int32_t first, int32_t last) {
    if (first > last)
        return 0;
    if (!row_in_table(first))
        report_damaged_dictionary(translator, host);
    const int32_t row = translator.store.lookup.find(key, first, std::min(last, kMaxEntries));
    if (row == 0 && last > kMaxEntries)
        report_damaged_dictionary(translator, host);
    return row;
}

bool starts_with_capital(std::string_view word) {
    return !word.empty() && word[0] >= 'A' && word[0] <= 'Z';
}

}  // namespace

WordLookup look_up_word(Translator& translator, TranslationHost& host, std::string_view word,
                        int32_t length) {
    if (!is_looked_up(word, length) || word.size() < 2)
        return {};
    // Words hold only ASCII letters, apostrophes and hyphens; short keys stay
    // on the stack.
    char key_buffer[64];
    std::string long_key;
    char* key = key_buffer;
    if (word.size() > sizeof key_buffer) {
        long_key.resize(word.size());
        key = long_key.data();
    }
    for (std::size_t i = 0; i < word.size(); ++i) {
        const char c = word[i];
        key[i] = c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
    }
    const std::string_view key_view(key, word.size());
    // The prefix slot rule, on the two ASCII characters at hand.
    const int32_t slot = 26 * (key[0] - 97) + (key[1] - 97);
    if (slot < 0)
        return {};
    if (slot >= kPrefixSlots)
        report_damaged_dictionary(translator, host);

    const PrefixSlot& stretch = translator.store.prefix_index[static_cast<std::size_t>(slot)];
    const bool use_scan = translator.use_literal_scan || !translator.store.lookup.is_built();
    const int32_t row =
        use_scan
            ? scan_stretch(translator, host, key_view, stretch.first_entry, stretch.last_entry)
            : find_in_stretch(translator, host, key_view, stretch.first_entry, stretch.last_entry);
    if (row == 0) {
        ++translator.unknown_word_count;
        return {WordLookup::Outcome::unknown, 0};
    }
    ++translator.store.repeat_count[static_cast<std::size_t>(row)];
    return {WordLookup::Outcome::found, row};
}

void append_word_result(std::string& out, const Translator& translator, std::string_view word,
                        const WordLookup& lookup) {
    if (!translator.type_of_translate.empty())
        (out += word) += " - ";
    switch (lookup.outcome) {
        case WordLookup::Outcome::not_looked_up:
            return;
        case WordLookup::Outcome::unknown:
            out += word;
            return;
        case WordLookup::Outcome::found: {
            const DictionaryEntry& entry =
                translator.store.entries[static_cast<std::size_t>(lookup.row)];
            const std::string& translation =
                translator.interface_mode == kModeRus ? entry.word_rus : entry.word_translit;
            if (translation.empty())
                return;
            if (!starts_with_capital(word)) {
                out += translation;
                return;
            }
            std::string raised = translation;
            raise_first_letter(raised);
            out += raised;
            return;
        }
    }
}

void word_translate(Translator& translator, TranslationHost& host, std::string& word,
                    std::string& result, int32_t length) {
    result.clear();
    const WordLookup lookup = look_up_word(translator, host, word, length);
    append_word_result(result, translator, word, lookup);
    word.clear();
}

}  // namespace vorna
