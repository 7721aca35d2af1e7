#include "ui/desktop/toolkit_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vorna::ui {

void install_toolkit_translation(Script script, QObject& owner) {
    if (script != Script::cyrillic) {
        return;
    }
    auto* translation = new QTranslator(&owner);
    if (translation->load(QStringLiteral("qtbase_ru"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translation);
    } else {
        delete translation;
    }
}

}  // namespace vorna::ui
