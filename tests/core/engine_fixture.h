#pragma once

#include <string>
#include <vector>

#include "core/dictionary/dictionary_store.h"
#include "core/engine/translation_engine.h"
#include "core/text/text_case.h"

namespace vorna::testing {

struct Row {
    std::string eng, rus, translit;
};

// Fills a store with rows in the given order, through the same indexing as
// the load, without going through files.
inline void fill_store(DictionaryStore& store, const std::vector<Row>& rows) {
    clear_store(store);
    for (const Row& row : rows)
        add_entry(store, row.eng, row.rus, row.translit);
    finish_index(store);
}

// Records what the engine tells its host.
class RecordingHost : public RunHost {
  public:
    void process_pending_events() override { ++pumps; }
    void show_progress(double percent) override { progress.push_back(percent); }

    int pumps = 0;
    std::vector<double> progress;
};

// A ready engine over a small store, writing the Cyrillic column.
struct EngineFixture {
    explicit EngineFixture(const std::vector<Row>& rows, std::string folder = "/nonexistent")
        : engine(store, folder + "/qd.dat") {
        fill_store(store, rows);
    }

    void set_form(OutputForm form) {
        TranslationOptions options = engine.options();
        options.form = form;
        engine.set_options(options);
    }
    std::string word(std::string text) {
        std::string result;
        engine.word_translate(text, result, static_cast<int32_t>(text.size()), host);
        return result;
    }
    std::string line(const std::string& text) {
        std::string result;
        engine.text_line_translate(text, static_cast<int32_t>(count_code_points(text)), result,
                                   host);
        return result;
    }
    // How often `headword` was met, by the engine's counts or by `counts`.
    int32_t count_of(const std::string& headword) const {
        return count_of(headword, engine.counts());
    }
    int32_t count_of(const std::string& headword, const RunCounts& counts) const {
        for (std::size_t row = 0; row < store.entries.size(); ++row) {
            if (store.entries[row].word_eng == headword)
                return counts.repeats_of(row);
        }
        return -1;
    }
    int32_t unknown_count() const { return engine.counts().unknown_word_count; }

    DictionaryStore store;
    TranslationEngine engine;
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
