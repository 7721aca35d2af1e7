#pragma once

#include "core/text/script.h"

class QObject;

namespace vorna::ui {

// Qt's own dialogs, buttons and context menus speak the interface's language:
// Russian when the interface shows Cyrillic (Qt's translations, when they are
// installed). In translit they stay English, which any font can show. The
// translation lives as long as `owner`.
void install_toolkit_translation(Script script, QObject& owner);

}  // namespace vorna::ui
