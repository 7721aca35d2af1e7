#include <algorithm>

#include "core/text/text_case.h"
#include "core/engine/word_lookup.h"

namespace vorna {

namespace {

[[noreturn]] void report_damaged_dictionary(const Translator& translator, TranslationHost& host) {
    const std::string message = translator.messages[5] + "\r\n" + translator.application_folder +
                                "/qd.dat " + translator.messages[6];
    host.dictionary_damaged(message);
    throw DictionaryDamaged(message);
}

bool row_in_table(int32_t row) {
    return row >= 0 && row <= kMaxEntries;
}

// The reference lookup: every row of the stretch in turn, handing control to
// the host after each row that does not match. Returns 0 when nothing matched
// (row 0 is never loaded, so it is never a match).
int32_t scan_stretch(const Translator& translator, TranslationHost& host, std::string_view key,
                     int32_t first, int32_t last) {
    for (int32_t row = first; row <= last; ++row) {
        if (!row_in_table(row))
            report_damaged_dictionary(translator, host);
        if (row > 0 && translator.store.entries[static_cast<std::size_t>(row)].word_eng == key) {
            return row;
        }
        host.process_pending_events();
    }
    return 0;
}

// Same answer as scan_stretch, from the hash built at load.
LookupIndex::Match find_in_stretch(const Translator& translator, TranslationHost& host,
                                   std::string_view key, uint32_t hash, int32_t first,
                                   int32_t last) {
    if (first > last)
        return {};
    if (!row_in_table(first))
        report_damaged_dictionary(translator, host);
    const LookupIndex::Match match = translator.store.lookup.find(
        translator.store.entries, key, hash, first, std::min(last, kMaxEntries));
    if (match.row == 0 && last > kMaxEntries)
        report_damaged_dictionary(translator, host);
    return match;
}

bool starts_with_capital(std::string_view word) {
    return !word.empty() && word[0] >= 'A' && word[0] <= 'Z';
}

}  // namespace

WordLookup look_up_key(Translator& translator, TranslationHost& host, std::string_view key,
                       const WordKey& word_key) {
    if (!word_key.looked_up)
        return {};
    // The prefix slot rule, on the two ASCII characters at hand.
    const int32_t slot = 26 * (key[0] - 97) + (key[1] - 97);
    if (slot < 0)
        return {};
    if (slot >= kPrefixSlots)
        report_damaged_dictionary(translator, host);

    const PrefixSlot& stretch = translator.store.prefix_index[static_cast<std::size_t>(slot)];
    const bool use_scan = translator.use_literal_scan || !translator.store.lookup.is_built();
    const LookupIndex::Match match =
        use_scan ? LookupIndex::Match{scan_stretch(translator, host, key, stretch.first_entry,
                                                   stretch.last_entry),
                                      false,
                                      {},
                                      {}}
                 : find_in_stretch(translator, host, key, word_key.hash, stretch.first_entry,
                                   stretch.last_entry);
    if (match.row == 0) {
        ++translator.unknown_word_count;
        return {WordLookup::Outcome::unknown, 0, false, {}, {}};
    }
    ++translator.store.repeat_count[static_cast<std::size_t>(match.row)];
    return {WordLookup::Outcome::found, match.row, match.has_text, match.word_rus,
            match.word_translit};
}

void append_word_result(std::string& out, const Translator& translator, std::string_view word,
                        const WordLookup& lookup, bool rus) {
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
            const std::string_view translation =
                lookup.has_text ? (rus ? lookup.word_rus : lookup.word_translit)
                                : std::string_view(rus ? entry.word_rus : entry.word_translit);
            if (translation.empty())
                return;
            const std::size_t start = out.size();
            out += translation;
            if (starts_with_capital(word))
                raise_first_letter(out, start);
            return;
        }
    }
}

void word_translate(Translator& translator, TranslationHost& host, std::string& word,
                    std::string& result, int32_t length) {
    result.clear();
    std::string key(word.size(), '\0');
    const WordKey word_key = make_word_key(word, length, key.data());
    const WordLookup lookup = look_up_key(translator, host, key, word_key);
    append_word_result(result, translator, word, lookup, translator.interface_mode == kModeRus);
    word.clear();
}

}  // namespace vorna
