#include "dict/glossary_import.h"

#include <optional>
#include <utility>

namespace vorna::dict {

ImportOutcome import_glossary(GlossaryReader& reader, DictionaryWriter& writer,
                              const std::function<void(const SkippedLine&)>& skipped) {
    ImportOutcome result;
    const auto skip = [&](SkippedLine line) {
        ++result.skipped;
        skipped(line);
    };
    DictionaryChange change;
    // A missing dictionary is said as such even when no line would go in.
    if (Status status = writer.read(change); !status.ok()) {
        result.file.refusal = EditRefusal::file_not_read;
        result.file.status = std::move(status);
        return result;
    }
    GlossaryLine line;
    while (reader.next(line)) {
        switch (line.kind) {
            case GlossaryLine::Kind::nothing:
                break;
            case GlossaryLine::Kind::untranslated:
                ++result.untranslated;
                break;
            case GlossaryLine::Kind::fault:
                skip({line.number, true, line.fault, {}});
                break;
            case GlossaryLine::Kind::entry:
                if (std::optional<EditOutcome> refusal =
                        change.set(std::move(line.record), line.number))
                    skip({line.number, false, {}, std::move(*refusal)});
                break;
        }
    }
    if (result.glossary = reader.status(); !result.glossary.ok())
        return result;
    result.file = writer.write(change, [&](std::size_t number, EditOutcome outcome) {
        skip({number, false, {}, std::move(outcome)});
    });
    if (result.file.ok())
        result.counts = change.counts();
    return result;
}

}  // namespace vorna::dict
