#include <algorithm>

#include "core/engine/translation_run.h"
#include "core/text/text_case.h"

namespace vorna {

namespace {

bool row_in_table(int32_t row) {
    return row >= 0 && row <= kMaxEntries;
}

bool starts_with_capital(std::string_view word) {
    return !word.empty() && word[0] >= 'A' && word[0] <= 'Z';
}

}  // namespace

// The reference lookup: every row of the stretch in turn, handing control to
// the host after each row that does not match. Returns 0 when nothing matched
// (row 0 is never loaded, so it is never a match) or the stretch leaves the
// table.
int32_t TranslationRun::scan_stretch(std::string_view key, int32_t first, int32_t last,
                                     EventPump& host) {
    for (int32_t row = first; row <= last; ++row) {
        if (!row_in_table(row)) {
            damaged_ = true;
            return 0;
        }
        if (row > 0 && store_.entries[static_cast<std::size_t>(row)].word_eng == key)
            return row;
        host.process_pending_events();
    }
    return 0;
}

// Same answer as scan_stretch, from the hash built at load. This and
// match_in_slot run for every word and are used only in this file: inline,
// so a lookup costs one call instead of three.
inline LookupIndex::Match TranslationRun::find_in_stretch(std::string_view key, uint32_t hash,
                                                          int32_t first, int32_t last) {
    if (first > last)
        return {};
    if (!row_in_table(first)) {
        damaged_ = true;
        return {};
    }
    const LookupIndex::Match match =
        store_.lookup.find(key, hash, first, std::min(last, kMaxEntries));
    if (match.row == 0 && last > kMaxEntries)
        damaged_ = true;
    return match;
}

inline LookupIndex::Match TranslationRun::match_in_slot(std::string_view key, uint32_t hash,
                                                        int32_t slot, EventPump& host) {
    if (slot >= kPrefixSlots) {
        damaged_ = true;
        return {};
    }
    const PrefixSlot& stretch = store_.prefix_index[static_cast<std::size_t>(slot)];
    const bool use_scan = !store_.lookup.is_built();
    return use_scan ? LookupIndex::Match{scan_stretch(key, stretch.first_entry, stretch.last_entry,
                                                      host),
                                         false,
                                         {},
                                         {}}
                    : find_in_stretch(key, hash, stretch.first_entry, stretch.last_entry);
}

// The first dictionary form of an unknown word that the dictionary holds.
LookupIndex::Match TranslationRun::match_dictionary_form(std::string_view key, EventPump& host) {
    for (const std::string& form : options_.word_forms->forms_of(key)) {
        const bool plain = form.size() >= 2 && std::all_of(form.begin(), form.end(), [](char c) {
                               return (c >= 'a' && c <= 'z') || c == '\'' || c == '-';
                           });
        if (!plain)
            continue;
        const int32_t slot = letter_pair_slot(form[0], form[1]);
        if (slot < 0)
            continue;
        const LookupIndex::Match match =
            match_in_slot(form, LookupIndex::hash_of(form), slot, host);
        if (damaged_ || match.row != 0)
            return match;
    }
    return {};
}

WordLookup TranslationRun::look_up_key(std::string_view key, const WordKey& word_key,
                                       EventPump& host) {
    if (!word_key.looked_up)
        return {};
    const int32_t slot = letter_pair_slot(key[0], key[1]);
    if (slot < 0)
        return {};
    LookupIndex::Match match = match_in_slot(key, word_key.hash, slot, host);
    if (!damaged_ && match.row == 0 && options_.word_forms != nullptr)
        match = match_dictionary_form(key, host);
    if (damaged_)
        return {};
    if (match.row == 0) {
        ++counts_.unknown_word_count;
        return {WordLookup::Outcome::unknown, 0, false, {}, {}};
    }
    ++counts_.repeat_count[static_cast<std::size_t>(match.row)];
    return {WordLookup::Outcome::found, match.row, match.has_text, match.word_rus,
            match.word_translit};
}

void TranslationRun::append_word_result(std::string& out, std::string_view word,
                                        const WordLookup& lookup, bool word_list, bool rus) const {
    if (word_list)
        (out += word) += " - ";
    switch (lookup.outcome) {
        case WordLookup::Outcome::not_looked_up:
            return;
        case WordLookup::Outcome::unknown:
            out += word;
            return;
        case WordLookup::Outcome::found: {
            const DictionaryEntry& entry = store_.entries[static_cast<std::size_t>(lookup.row)];
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

void TranslationRun::note_unknown_word(std::string_view key, uint64_t offset) {
    const auto known = unknown_word_index_.find(key);
    if (known != unknown_word_index_.end()) {
        ++unknown_words_[known->second].count;
        return;
    }
    unknown_word_index_.emplace(std::string(key), unknown_words_.size());
    unknown_words_.push_back({std::string(key), 1, offset});
}

void TranslationRun::word_translate(std::string& word, std::string& result, int32_t length,
                                    EventPump& host) {
    result.clear();
    std::string key(word.size(), '\0');
    const WordKey word_key = make_word_key(word, length, key.data());
    const WordLookup lookup = look_up_key(key, word_key, host);
    append_word_result(result, word, lookup, options_.form == OutputForm::word_list,
                       options_.script == Script::cyrillic);
    word.clear();
}

}  // namespace vorna
