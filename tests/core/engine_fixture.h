#pragma once

#include <string>
#include <vector>

#include "core/dictionary/dictionary_store.h"
#include "core/text/message_table.h"
#include "core/text/text_case.h"
#include "core/engine/translator.h"

namespace vorna::testing {

struct Row {
    std::string eng, rus, translit;
};

// Fills a store with rows in the given order, indexed the way the load does,
// without going through files.
inline void fill_store(DictionaryStore& store, const std::vector<Row>& rows) {
    store.entries.assign(kEntryRows, DictionaryEntry{});
    store.repeat_count.assign(kEntryRows, 0);
    store.prefix_index.fill(PrefixSlot{});
    store.entry_count = 0;
    for (const Row& row : rows) {
        const int32_t n = ++store.entry_count;
        DictionaryEntry& entry = store.entries[static_cast<std::size_t>(n)];
        entry = {lower_headword(row.eng), row.rus, row.translit};
        if (count_code_points(entry.word_eng) < 2)
            continue;
        const int32_t slot = prefix_slot(entry.word_eng);
        if (slot < 0 || slot >= kPrefixSlots)
            continue;
        PrefixSlot& target = store.prefix_index[static_cast<std::size_t>(slot)];
        (target.first_entry == 0 ? target.first_entry : target.last_entry) = n;
    }
    build_char_classes(store);
    fill_index_gaps(store);
    store.lookup.build(store.entries, store.entry_count);
}

// Records what the engine tells its host.
class RecordingHost : public TranslationHost {
  public:
    void process_pending_events() override { ++pumps; }
    void show_progress(const std::string& text) override { progress.push_back(text); }
    void dictionary_damaged(const std::string& message) override { damaged_message = message; }

    int pumps = 0;
    std::vector<std::string> progress;
    std::string damaged_message;
};

// A ready translator over a small store, main-phase messages in mode "rus".
struct EngineFixture {
    explicit EngineFixture(const std::vector<Row>& rows, std::string folder = "/nonexistent")
        : translator(store, messages, std::move(folder)) {
        fill_store(store, rows);
        fill_main_messages(messages, kModeRus);
        translator.interface_mode = kModeRus;
    }

    std::string word(std::string text) {
        std::string result;
        word_translate(translator, host, text, result, static_cast<int32_t>(text.size()));
        return result;
    }
    std::string line(const std::string& text) {
        std::string result;
        text_line_translate(translator, host, text, static_cast<int32_t>(count_code_points(text)),
                            result);
        return result;
    }
    int32_t count_of(const std::string& headword) const {
        for (std::size_t row = 0; row < store.entries.size(); ++row) {
            if (store.entries[row].word_eng == headword)
                return store.repeat_count[row];
        }
        return -1;
    }

    DictionaryStore store;
    MessageTable messages;
    Translator translator;
    RecordingHost host;
};

inline const std::vector<Row>& small_dictionary() {
    static const std::vector<Row> rows = {
        {"am", "являюсь", "javljajus"},
        {"cat", "кошка", "koshka"},
        {"dog", "собака", "sobaka"},
        {"don't", "не делай", "ne delaj"},
        {"empty", "", ""},
        {"hello", "привет", "privet"},
        {"here", "здесь", "zdes"},
        {"the", "этот", "etot"},
        {"well-known", "известный", "izvestnij"},
        {"yolk", "ёлка", "jolka"},
        {"zero", "0 ноль", "0 nolj"},
    };
    return rows;
}

}  // namespace vorna::testing
