#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/dictionary/dictionary_store.h"
#include "core/engine/translation_engine.h"
#include "core/engine/translation_run.h"
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

// A ready engine over a small store, writing the Cyrillic column. Word and
// line translation count into one run, made afresh when the options change.
struct EngineFixture {
    explicit EngineFixture(const std::vector<Row>& rows, std::string folder = "/nonexistent")
        : engine(store, folder + "/qd.dat") {
        fill_store(store, rows);
    }

    void set_options(const TranslationOptions& new_options) {
        options = new_options;
        word_run = std::make_unique<TranslationRun>(store, options);
    }
    void set_form(OutputForm form) {
        TranslationOptions changed = options;
        changed.form = form;
        set_options(changed);
    }
    // From now on the store is searched by the literal scan of each prefix
    // stretch, the reference the lookup hash must agree with.
    void drop_lookup_hash() { store.lookup = LookupIndex(); }

    std::string word(std::string text) {
        std::string result;
        word_run->word_translate(text, result, static_cast<int32_t>(text.size()), host);
        return result;
    }
    std::string line(const std::string& text) {
        std::string result;
        word_run->text_line_translate(text, static_cast<int32_t>(count_code_points(text)), result,
                                      host);
        return result;
    }
    TranslationResult text(const std::string& source) {
        return engine.text_translate(source, options, host);
    }
    // How often `headword` was met, by the run's counts or by `counts`.
    int32_t count_of(const std::string& headword) const {
        return count_of(headword, word_run->counts());
    }
    int32_t count_of(const std::string& headword, const RunCounts& counts) const {
        for (std::size_t row = 0; row < store.entries.size(); ++row) {
            if (store.entries[row].word_eng == headword)
                return counts.repeats_of(row);
        }
        return -1;
    }
    int32_t unknown_count() const { return word_run->counts().unknown_word_count; }

    DictionaryStore store;
    TranslationEngine engine;
    TranslationOptions options;
    std::unique_ptr<TranslationRun> word_run = std::make_unique<TranslationRun>(store, options);
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
