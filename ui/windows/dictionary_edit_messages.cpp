#include "ui/windows/dictionary_edit_messages.h"

#include "core/dictionary/edit_refusal_text.h"
#include "ui/windows/status_reason.h"

namespace vorna::ui {

QString edit_refusal_message(const EditOutcome& outcome, const std::string& headword,
                             const std::string& dictionary_path, Script script) {
    QString text = QString::fromUtf8(
        vorna::edit_refusal_text(outcome, headword, dictionary_path, script).c_str());
    if (outcome.refusal == EditRefusal::file_not_read ||
        outcome.refusal == EditRefusal::file_not_written)
        text += reason_line(outcome.status);
    return text;
}

}  // namespace vorna::ui
