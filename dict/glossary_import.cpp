#include "dict/glossary_import.h"

#include "core/io/file_bytes.h"

namespace vorna::dict {

EditOutcome import_entries(const std::string& path, const std::vector<GlossaryEntry>& entries,
                           std::vector<RefusedEntry>& refused, FileCalls& calls) {
    refused.clear();
    // A missing dictionary is said as such even when no line would go in.
    if (Status status = check_readable_file(path); !status.ok()) {
        EditOutcome outcome;
        outcome.refusal = EditRefusal::file_not_read;
        outcome.status = std::move(status);
        return outcome;
    }
    std::vector<RecordText> records;
    records.reserve(entries.size());
    for (const GlossaryEntry& entry : entries)
        records.push_back(entry.record);
    std::vector<EditOutcome> outcomes = apply_records(path, records, calls);
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        const EditRefusal refusal = outcomes[i].refusal;
        if (refusal == EditRefusal::file_not_read || refusal == EditRefusal::file_not_written)
            return std::move(outcomes[i]);
        if (refusal != EditRefusal::none)
            refused.push_back(
                {entries[i].line, entries[i].record.headword, std::move(outcomes[i])});
    }
    return {};
}

}  // namespace vorna::dict
