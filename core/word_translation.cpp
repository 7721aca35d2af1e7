#include <algorithm>

#include "core/text_case.h"
#include "core/translator.h"

namespace vorna {

namespace {

// Words that are not looked up at all leave no trace: no count, no text.
bool is_looked_up(const std::string& word, int32_t length) {
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
int32_t scan_stretch(const Translator& translator, TranslationHost& host, const std::string& key,
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
int32_t find_in_stretch(const Translator& translator, TranslationHost& host, const std::string& key,
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

}  // namespace

void word_translate(Translator& translator, TranslationHost& host, std::string& word,
                    std::string& result, int32_t length) {
    result.clear();
    if (is_looked_up(word, length)) {
        std::string key = word;
        for (char& c : key) {
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c + 32);
        }
        const int32_t slot = prefix_slot(key);
        if (slot >= 0) {
            if (slot >= kPrefixSlots)
                report_damaged_dictionary(translator, host);
            const PrefixSlot& stretch =
                translator.store.prefix_index[static_cast<std::size_t>(slot)];
            const bool use_scan =
                translator.use_literal_scan || !translator.store.lookup.is_built();
            const int32_t row = use_scan ? scan_stretch(translator, host, key, stretch.first_entry,
                                                        stretch.last_entry)
                                         : find_in_stretch(translator, host, key,
                                                           stretch.first_entry, stretch.last_entry);
            if (row > 0) {
                DictionaryEntry& entry = translator.store.entries[static_cast<std::size_t>(row)];
                result =
                    translator.interface_mode == kModeRus ? entry.word_rus : entry.word_translit;
                ++entry.repeat_count;
                if (!result.empty() && word[0] >= 'A' && word[0] <= 'Z')
                    raise_first_letter(result);
            } else {
                result = word;
                ++translator.unknown_word_count;
            }
        }
    }
    if (!translator.type_of_translate.empty())
        result = word + " - " + result;
    word.clear();
}

}  // namespace vorna
