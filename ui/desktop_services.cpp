#include "ui/desktop_services.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QMessageBox>
#include <QWidget>

namespace vorna::ui {

void QtDesktopServices::show_message(QWidget* parent, const QString& text) {
    QString shown = text;
    // CR LF joins the lines of our messages; a label wants a plain LF.
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), shown,
                    QMessageBox::Ok, parent);
    box.exec();
}

QString QtDesktopServices::open_file_name(QWidget* parent, const QString& title,
                                          const QString& filter, const QString& start_path) {
    return QFileDialog::getOpenFileName(parent, title, start_path, filter);
}

QString QtDesktopServices::save_file_name(QWidget* parent, const QString& title,
                                          const QString& filter, const QString& start_path) {
    return QFileDialog::getSaveFileName(parent, title, start_path, filter);
}

std::optional<QFont> QtDesktopServices::choose_font(QWidget* parent, const QFont& initial) {
    bool confirmed = false;
    // Underline, strike-out and colour are offered, as the command has always done.
    const QFont chosen = QFontDialog::getFont(&confirmed, initial, parent, QString(),
                                              QFontDialog::FontDialogOptions());
    if (!confirmed) {
        return std::nullopt;
    }
    return chosen;
}

void QtDesktopServices::run_modal(QDialog& dialog) {
    dialog.exec();
}

bool QtDesktopServices::cyrillic_font_installed(const QString& /*window*/) {
    return !QFontDatabase::families(QFontDatabase::Cyrillic).isEmpty();
}

void QtDesktopServices::end_program(int exit_status) {
    program_ended_ = true;
    exit_status_ = exit_status;
    // Hide every window now; the event loop (if it runs yet) returns next.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->hide();
    }
    QCoreApplication::exit(exit_status);
}

}  // namespace vorna::ui
