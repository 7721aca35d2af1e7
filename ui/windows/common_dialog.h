#pragma once

#include <QFont>
#include <QString>

class QFileDialog;

#include "ui/windows/window_texts.h"

namespace vorna::ui {

// CD1: the one dialog object of the main window. The file name and the font
// it holds after one dialog are still there for the next.
struct CommonDialog {
    QString title = QString::fromUtf8(kFileDialogTitle);
    QString filter;  // "description|pattern" pairs, as the file commands give them
    QString file_name;
    QFont font;
};

// Turns "description|pattern|..." into Qt's "description (pattern);;..." form.
// A description that already ends in its pattern in brackets is kept as it is.
QString file_dialog_filter(const QString& bar_separated);

// Sets up a file dialog for a filter in Qt's form and a remembered file.
// "*.*" admits every file, dotted or not, as the filter says; the entry keeps
// its caption, since the pattern Qt goes by stands in a bracket the dialog
// hides. The dialog opens where dialog_start_path() says.
void prepare_file_dialog(QFileDialog& dialog, const QString& qt_filter, const QString& start_path);

// Where a file dialog opens for a remembered file: there, unless its folder
// lies in a pseudo file system (/proc, /sys, /dev), whose files can block a
// reader; then the same name in the home folder.
QString dialog_start_path(const QString& remembered);

}  // namespace vorna::ui
