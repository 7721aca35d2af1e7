#include "core/lookup_index.h"

#include <cstring>

#include "core/dictionary_store.h"

namespace vorna {

// Keys are short words, so eight bytes are mixed at a time with a multiply;
// the library's general-purpose string hash costs several times as much here.
uint32_t LookupIndex::hash_of(std::string_view key) {
    constexpr uint64_t kMultiplier = 0x9E3779B97F4A7C15u;
    uint64_t hash = key.size() * kMultiplier;
    std::size_t pos = 0;
    for (; pos + 8 <= key.size(); pos += 8) {
        uint64_t chunk;
        std::memcpy(&chunk, key.data() + pos, 8);
        hash = (hash ^ chunk) * kMultiplier;
        hash ^= hash >> 29;
    }
    if (pos < key.size()) {
        uint64_t chunk = 0;
        std::memcpy(&chunk, key.data() + pos, key.size() - pos);
        hash = (hash ^ chunk) * kMultiplier;
        hash ^= hash >> 29;
    }
    return static_cast<uint32_t>(hash >> 32);
}

namespace {

std::size_t table_size_for(int32_t entry_count) {
    std::size_t size = 16;
    while (size < static_cast<std::size_t>(entry_count) * 2)
        size *= 2;
    return size;
}

}  // namespace

LookupIndex::TextLengths LookupIndex::lengths_at(uint32_t offset) const {
    TextLengths lengths;
    std::memcpy(&lengths, texts_.data() + offset, sizeof lengths);
    return lengths;
}

std::string_view LookupIndex::key_of(const std::vector<DictionaryEntry>* entries,
                                     const Slot& slot) const {
    if (slot.text_offset == kNoText) {
        return (*entries)[static_cast<std::size_t>(slot.first_row)].word_eng;
    }
    return std::string_view(texts_).substr(slot.text_offset + sizeof(TextLengths),
                                           lengths_at(slot.text_offset).key);
}

void LookupIndex::build(const std::vector<DictionaryEntry>& entries, int32_t entry_count) {
    slots_.assign(table_size_for(entry_count), Slot{});
    texts_.clear();
    next_same_headword_.assign(static_cast<std::size_t>(entry_count) + 1, 0);
    std::vector<int32_t> last_row(slots_.size(), 0);  // per slot, to chain equal headwords
    for (int32_t row = 1; row <= entry_count; ++row) {
        const DictionaryEntry& entry = entries[static_cast<std::size_t>(row)];
        if (entry.word_eng.size() < 2)
            continue;  // keys are never shorter than two characters
        const uint32_t hash = hash_of(entry.word_eng);
        const std::size_t i = find_slot(&entries, entry.word_eng, hash);
        Slot& slot = slots_[i];
        if (slot.first_row != 0) {
            next_same_headword_[static_cast<std::size_t>(last_row[i])] = row;
            last_row[i] = row;
            continue;
        }
        last_row[i] = row;
        slot = {hash, row, kNoText};
        const std::size_t record = sizeof(TextLengths) + entry.word_eng.size() +
                                   entry.word_rus.size() + entry.word_translit.size();
        if (texts_.size() + record >= kNoText)
            continue;  // beyond 4 GB the entry speaks for itself
        slot.text_offset = static_cast<uint32_t>(texts_.size());
        const TextLengths lengths{static_cast<uint32_t>(entry.word_eng.size()),
                                  static_cast<uint32_t>(entry.word_rus.size()),
                                  static_cast<uint32_t>(entry.word_translit.size())};
        texts_.append(reinterpret_cast<const char*>(&lengths), sizeof lengths);
        ((texts_ += entry.word_eng) += entry.word_rus) += entry.word_translit;
    }
    built_ = true;
}

std::size_t LookupIndex::find_slot(const std::vector<DictionaryEntry>* entries,
                                   std::string_view key, uint32_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.first_row == 0)
            return i;
        if (slot.hash == hash && key_of(entries, slot) == key)
            return i;
    }
}

LookupIndex::Match LookupIndex::find(const std::vector<DictionaryEntry>& entries,
                                     std::string_view key, int32_t first, int32_t last) const {
    return find(entries, key, hash_of(key), first, last);
}

LookupIndex::Match LookupIndex::find(const std::vector<DictionaryEntry>& entries,
                                     std::string_view key, uint32_t hash, int32_t first,
                                     int32_t last) const {
    if (slots_.empty())
        return {};
    const Slot& slot = slots_[find_slot(&entries, key, hash)];
    for (int32_t row = slot.first_row; row != 0 && row <= last;
         row = next_same_headword_[static_cast<std::size_t>(row)]) {
        if (row < first)
            continue;
        if (row != slot.first_row || slot.text_offset == kNoText)
            return {row, false, {}, {}};
        const TextLengths lengths = lengths_at(slot.text_offset);
        const std::string_view texts =
            std::string_view(texts_).substr(slot.text_offset + sizeof(TextLengths) + lengths.key);
        return {row, true, texts.substr(0, lengths.rus),
                texts.substr(lengths.rus, lengths.translit)};
    }
    return {};
}

void LookupIndex::prefetch(uint32_t hash) const {
    if (slots_.empty())
        return;
    __builtin_prefetch(&slots_[hash & (slots_.size() - 1)]);
}

void LookupIndex::prefetch_texts(uint32_t hash) const {
    if (slots_.empty())
        return;
    const Slot& slot = slots_[hash & (slots_.size() - 1)];
    if (slot.first_row != 0 && slot.text_offset != kNoText) {
        __builtin_prefetch(texts_.data() + slot.text_offset);
    }
}

}  // namespace vorna
