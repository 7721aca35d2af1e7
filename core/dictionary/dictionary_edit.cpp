#include "core/dictionary/dictionary_edit.h"

#include <optional>
#include <utility>

#include "core/dictionary/dictionary_change.h"
#include "core/dictionary/dictionary_writer.h"

namespace vorna {

namespace {

EditOutcome file_refused(EditRefusal refusal, Status status) {
    EditOutcome outcome;
    outcome.refusal = refusal;
    outcome.status = std::move(status);
    return outcome;
}

DictionaryPlaces given(const std::string& path) {
    return DictionaryPlaces{path, {}, {}};
}

}  // namespace

EditOutcome set_record(const std::string& dictionary_path, const RecordText& input,
                       FileCalls& calls) {
    std::vector<EditOutcome> outcomes = apply_records(dictionary_path, {input}, calls);
    return std::move(outcomes.front());
}

std::vector<EditOutcome> apply_records(const std::string& dictionary_path,
                                       const std::vector<RecordText>& records, FileCalls& calls) {
    std::vector<EditOutcome> outcomes(records.size());
    // What needs no file is said even when the file cannot be read.
    bool any_to_apply = false;
    for (std::size_t i = 0; i < records.size(); ++i) {
        RecordText checked = records[i];
        if (std::optional<EditOutcome> refusal = check_record(checked))
            outcomes[i] = std::move(*refusal);
        else
            any_to_apply = true;
    }
    if (!any_to_apply)
        return outcomes;
    DictionaryWriter writer(given(dictionary_path), calls);
    DictionaryChange change;
    if (Status status = writer.read(change); !status.ok()) {
        for (EditOutcome& outcome : outcomes) {
            if (outcome.ok())
                outcome = file_refused(EditRefusal::file_not_read, status);
        }
        return outcomes;
    }
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (!outcomes[i].ok())
            continue;
        if (std::optional<EditOutcome> refusal = change.set(records[i], i))
            outcomes[i] = std::move(*refusal);
    }
    const EditOutcome written = writer.write(
        change,
        [&outcomes](std::size_t i, EditOutcome outcome) { outcomes[i] = std::move(outcome); });
    if (!written.ok()) {
        for (EditOutcome& outcome : outcomes) {
            if (outcome.ok())
                outcome = written;
        }
    }
    return outcomes;
}

EditOutcome remove_record(const std::string& dictionary_path, const std::string& headword,
                          FileCalls& calls) {
    DictionaryWriter writer(given(dictionary_path), calls);
    return correct_dictionary(
        writer, [&headword](DictionaryChange& change) { return change.remove(headword); });
}

}  // namespace vorna
