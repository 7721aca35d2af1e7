#include "core/dictionary/word_search.h"

#include <algorithm>

#include "core/text/english_words.h"

namespace vorna {

namespace {

bool row_in_table(int32_t row) {
    return row >= 0 && row <= kMaxEntries;
}

bool is_ascii(std::string_view key) {
    return std::all_of(key.begin(), key.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Every row of the stretch in turn: the reference the hash answers for.
WordMatch::Outcome scan_stretch(const DictionaryStore& store, std::string_view key, int32_t first,
                                int32_t last, EventPump* pump, LookupIndex::Match& match) {
    for (int32_t row = first; row <= last; ++row) {
        if (!row_in_table(row))
            return WordMatch::Outcome::damaged;
        if (row > 0 && store.entries[static_cast<std::size_t>(row)].word_eng == key) {
            match.row = row;
            return WordMatch::Outcome::found;
        }
        if (pump != nullptr)
            pump->process_pending_events();
    }
    return WordMatch::Outcome::not_found;
}

// The lowest row of the slot's stretch that holds `key`.
WordMatch::Outcome find_in_slot(const DictionaryStore& store, std::string_view key, uint32_t hash,
                                int32_t slot, EventPump* pump, LookupIndex::Match& match) {
    if (slot >= kPrefixSlots)
        return WordMatch::Outcome::damaged;
    const PrefixSlot& stretch = store.prefix_index[static_cast<std::size_t>(slot)];
    const int32_t first = stretch.first_entry;
    const int32_t last = stretch.last_entry;
    if (!store.lookup.is_built())
        return scan_stretch(store, key, first, last, pump, match);
    if (first > last)
        return WordMatch::Outcome::not_found;
    if (!row_in_table(first))
        return WordMatch::Outcome::damaged;
    match = store.lookup.find(key, hash, first, std::min(last, kMaxEntries));
    if (match.row != 0)
        return WordMatch::Outcome::found;
    return last > kMaxEntries ? WordMatch::Outcome::damaged : WordMatch::Outcome::not_found;
}

// One key that is not the word's own: found, or the search goes on.
bool found_other(const DictionaryStore& store, const std::string& other, EventPump* pump,
                 WordMatch& result) {
    const int32_t slot = key_slot(other);
    if (slot < 0 || slot >= kPrefixSlots)
        return false;  // not the key of a word: no slot of the index holds it
    result.outcome =
        find_in_slot(store, other, LookupIndex::hash_of(other), slot, pump, result.entry);
    if (result.outcome == WordMatch::Outcome::not_found)
        return false;
    if (result.outcome == WordMatch::Outcome::found)
        result.form = other;
    return true;
}

// The search by the dictionary forms of `base`, when it is not found as
// written: the first form that is a lookup key and that the dictionary holds.
void find_by_forms(const DictionaryStore& store, std::string_view base, WordForms* forms,
                   EventPump* pump, WordMatch& result) {
    if (forms == nullptr)
        return;
    for (const std::string& form : forms->forms_of(base)) {
        if (is_lookup_key(form) && found_other(store, form, pump, result))
            return;
    }
    result.outcome = WordMatch::Outcome::not_found;
}

}  // namespace

int32_t key_slot(std::string_view key) {
    if (key.size() < 2)
        return -1;
    const auto first = static_cast<unsigned char>(key[0]);
    const auto second = static_cast<unsigned char>(key[1]);
    if (first < 0x80 && second < 0x80)
        return letter_pair_slot(first, second);
    return prefix_slot(std::string(key));
}

WordMatch find_word(const DictionaryStore& store, std::string_view key, uint32_t hash,
                    WordForms* forms, EventPump* pump) {
    WordMatch result;
    switch (find_as_written(store, key, hash, result.entry)) {
        case WrittenKey::found:
            result.outcome = WordMatch::Outcome::found;
            return result;
        case WrittenKey::absent:
            return find_absent_word(store, key, forms, pump);
        case WrittenKey::other:
            break;
    }
    const bool plain = is_ascii(key);
    const std::string unmarked = plain ? std::string() : without_marks(key);
    const std::string_view base = plain ? key : std::string_view(unmarked);
    // Whether a word is looked up at all goes by its letters, not their marks.
    const int32_t base_slot = key_slot(base);
    if (base_slot < 0) {
        result.outcome = WordMatch::Outcome::not_looked_up;
        return result;
    }
    if (plain) {
        result.outcome = find_in_slot(store, key, hash, base_slot, pump, result.entry);
    } else {
        // A key with marks may be filed anywhere, or nowhere: not finding it
        // there says nothing about the dictionary.
        const int32_t slot = key_slot(key);
        if (slot >= 0 && slot < kPrefixSlots)
            result.outcome = find_in_slot(store, key, hash, slot, pump, result.entry);
        if (result.outcome == WordMatch::Outcome::not_found)
            found_other(store, unmarked, pump, result);
    }
    if (result.outcome == WordMatch::Outcome::not_found)
        find_by_forms(store, base, forms, pump, result);
    return result;
}

WordMatch find_absent_word(const DictionaryStore& store, std::string_view key, WordForms* forms,
                           EventPump* pump) {
    WordMatch result;
    find_by_forms(store, key, forms, pump, result);
    return result;
}

WordMatch find_word(const DictionaryStore& store, std::string_view key, WordForms* forms) {
    return find_word(store, key, LookupIndex::hash_of(key), forms, nullptr);
}

int32_t find_entry(const DictionaryStore& store, std::string_view key) {
    const WordMatch match = find_word(store, key);
    return match.outcome == WordMatch::Outcome::found && match.form.empty() ? match.entry.row : 0;
}

}  // namespace vorna
