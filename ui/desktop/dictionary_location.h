#pragma once

#include <QString>
#include <functional>
#include <string>

#include "core/dictionary/dictionary_edit.h"
#include "core/text/script.h"

class QLabel;

namespace vorna::ui {

struct Session;

// At start: the reader's own dictionary, when their data folder holds one,
// is loaded instead of the one beside the program.
void choose_dictionary(Session& session);

// The loading window's first line: the described checking text, or, for the
// reader's own dictionary, the same naming the file, shortened to fit `label`.
QString first_loading_line(const Session& session, Script script, const QLabel& label);

// Runs `edit` on the loaded dictionary. Where that file may not be written
// (a system-wide install), the dictionary is copied to the reader's data
// folder and the edit runs on the copy, which is loaded from then on; a
// copy whose edit failed is removed again.
EditOutcome edit_loaded_dictionary(Session& session,
                                   const std::function<EditOutcome(const std::string&)>& edit);

}  // namespace vorna::ui
