#include "core/dictionary/word_search.h"
#include "core/engine/translation_run.h"
#include "core/text/english_words.h"
#include "core/text/text_case.h"

namespace vorna {

namespace {

// The two parts of a hyphenated key, when both could be words of their own.
bool split_compound(std::string_view key, std::string_view& first, std::string_view& second) {
    const std::size_t hyphen = key.find('-');
    if (hyphen == std::string_view::npos)
        return false;
    first = key.substr(0, hyphen);
    second = key.substr(hyphen + 1);
    return passes_skip_rules(first) && passes_skip_rules(second);
}

WordLookup found_lookup(const LookupIndex::Match& entry) {
    return {WordLookup::Outcome::found, entry.row, entry.has_text, entry.word_rus,
            entry.word_translit};
}

}  // namespace

bool TranslationRun::count_match(const WordMatch& match) {
    if (match.outcome == WordMatch::Outcome::damaged)
        damaged_ = true;
    if (match.outcome != WordMatch::Outcome::found)
        return false;
    ++counts_.repeat_count[static_cast<std::size_t>(match.entry.row)];
    return true;
}

// A hyphenated word the dictionary lacks, as its parts (long-term: long, term):
// with the dictionary forms only, and only when both parts are found. Each
// part counts under its own entry.
bool TranslationRun::look_up_parts(std::string_view key, EventPump& host, WordLookup& lookup) {
    std::string_view parts[2];
    if (!split_compound(key, parts[0], parts[1]))
        return false;
    WordMatch matches[2];
    for (int i = 0; i < 2; ++i) {
        matches[i] =
            find_word(store_, parts[i], LookupIndex::hash_of(parts[i]), options_.word_forms, &host);
        if (matches[i].outcome != WordMatch::Outcome::found) {
            damaged_ = damaged_ || matches[i].outcome == WordMatch::Outcome::damaged;
            return false;
        }
    }
    count_match(matches[0]);
    count_match(matches[1]);
    lookup = {WordLookup::Outcome::found, matches[0].entry.row, false, {}, {},
              matches[1].entry.row};
    return true;
}

WordLookup TranslationRun::look_up_key(std::string_view key, const WordKey& word_key,
                                       EventPump& host) {
    if (!word_key.looked_up)
        return {};
    // Most words are found as written, and without forms an ASCII key that
    // is not is unknown; find_word takes the rest.
    LookupIndex::Match entry;
    const WrittenKey written =
        damaged_ ? WrittenKey::other : find_as_written(store_, key, word_key.hash, entry);
    if (written == WrittenKey::found) {
        ++counts_.repeat_count[static_cast<std::size_t>(entry.row)];
        return found_lookup(entry);
    }
    if (written == WrittenKey::absent && options_.word_forms == nullptr)
        return unknown_lookup();
    const WordMatch match = written == WrittenKey::absent
                                ? find_absent_word(store_, key, options_.word_forms, &host)
                                : find_word(store_, key, word_key.hash, options_.word_forms, &host);
    if (match.outcome == WordMatch::Outcome::not_looked_up || damaged_)
        return {};
    if (count_match(match))
        return found_lookup(match.entry);
    if (damaged_)
        return {};
    WordLookup parts;
    if (options_.word_forms != nullptr && look_up_parts(key, host, parts))
        return parts;
    if (damaged_)
        return {};
    return unknown_lookup();
}

WordLookup TranslationRun::unknown_lookup() {
    ++counts_.unknown_word_count;
    return {WordLookup::Outcome::unknown, 0, false, {}, {}};
}

std::string_view TranslationRun::translation_of(int32_t row, const WordLookup& lookup,
                                                bool rus) const {
    if (lookup.has_text)
        return rus ? lookup.word_rus : lookup.word_translit;
    const DictionaryEntry& entry = store_.entries[static_cast<std::size_t>(row)];
    return rus ? entry.word_rus : entry.word_translit;
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
            const std::string_view translation = translation_of(lookup.row, lookup, rus);
            if (translation.empty())
                return;
            const std::size_t start = out.size();
            out += translation;
            if (lookup.second_row != 0) {
                out += '-';
                out += translation_of(lookup.second_row, {}, rus);
            }
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
    key.resize(word_key.size);
    const WordLookup lookup = look_up_key(key, word_key, host);
    append_word_result(result, word, lookup, options_.form == OutputForm::word_list,
                       options_.script == Script::cyrillic);
    word.clear();
}

}  // namespace vorna
