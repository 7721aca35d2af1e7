#include "ui/desktop/desktop_services.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QMessageBox>
#include <QWidget>

#include "ui/windows/common_dialog.h"

namespace vorna::ui {

void QtDesktopServices::show_message(QWidget* parent, const QString& text) {
    QString shown = text;
    // CR LF joins the lines of our messages; a label wants a plain LF.
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), shown,
                    QMessageBox::Ok, parent);
    box.exec();
}

bool QtDesktopServices::ask(QWidget* parent, const QString& question) {
    QString shown = question;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::Question, QGuiApplication::applicationDisplayName(), shown,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString QtDesktopServices::open_file_name(QWidget* parent, const QString& title,
                                          const QString& filter, const QString& start_path) {
    QFileDialog dialog(parent, title);
    prepare_file_dialog(dialog, filter, start_path);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString QtDesktopServices::save_file_name(QWidget* parent, const QString& title,
                                          const QString& filter, const QString& start_path,
                                          ReplaceQuestion replace) {
    QFileDialog dialog(parent, title);
    prepare_file_dialog(dialog, filter, start_path);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, replace == ReplaceQuestion::by_caller);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
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
