#pragma once

#include <QString>
#include <string>

#include "core/dictionary/dictionary_edit.h"
#include "core/text/script.h"

namespace vorna::ui {

// What the reader is told about an edit that changed nothing, in the
// window's script. `headword` is the word the edit was about and
// `dictionary_path` the file it was made on.
QString edit_refusal_message(const EditOutcome& outcome, const std::string& headword,
                             const std::string& dictionary_path, Script script);

}  // namespace vorna::ui
