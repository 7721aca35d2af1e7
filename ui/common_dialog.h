#pragma once

#include <QFont>
#include <QString>

#include "ui/window_texts.h"

namespace vorna::ui {

// CD1: the one dialog object of the main window. The file name, the font and
// the flags it holds after one dialog are still there for the next.
struct CommonDialog {
    // Screen fonts, printer fonts and effects: what the font command asks for.
    static constexpr int kFontDialogFlags = 0x103;

    QString title = QString::fromUtf8(kFileDialogTitle);
    QString filter;  // "description|pattern" pairs, as message table slot 1 holds them
    QString file_name;
    QFont font;
    int flags = 0;
};

// Turns "description|pattern|..." into Qt's "description (pattern);;..." form.
// A description that already ends in its pattern in brackets is kept as it is.
QString file_dialog_filter(const QString& bar_separated);

}  // namespace vorna::ui
