#include "ui/desktop/desktop_services.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

#include <algorithm>
#include <vector>

#include "ui/desktop/x11_window_hints.h"
#include "ui/windows/common_dialog.h"

namespace vorna::ui {

namespace {

// A modal message box with the application's title. CR LF joins the lines of
// our messages; a label wants a plain LF.
int run_message_box(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                    QMessageBox::StandardButtons buttons,
                    QMessageBox::StandardButton default_button = QMessageBox::NoButton) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(icon, QGuiApplication::applicationDisplayName(), shown, buttons, parent);
    if (default_button != QMessageBox::NoButton)
        box.setDefaultButton(default_button);
    ask_for_no_minimise_button(box);
    return box.exec();
}

}  // namespace

void QtDesktopServices::show_message(QWidget* parent, const QString& text) {
    run_message_box(parent, QMessageBox::NoIcon, text, QMessageBox::Ok);
}

void QtDesktopServices::show_warning(QWidget* parent, const QString& text) {
    run_message_box(parent, QMessageBox::Warning, text, QMessageBox::Ok);
}

bool QtDesktopServices::ask(QWidget* parent, const QString& question) {
    return run_message_box(parent, QMessageBox::Question, question,
                           QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

std::optional<int> QtDesktopServices::choose(QWidget* parent, const QString& question,
                                             const QStringList& answers, const QString& cancel) {
    QString shown = question;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::Question, QGuiApplication::applicationDisplayName(), shown,
                    QMessageBox::NoButton, parent);
    std::vector<QAbstractButton*> buttons;
    for (const QString& answer : answers)
        buttons.push_back(box.addButton(answer, QMessageBox::AcceptRole));
    box.setEscapeButton(box.addButton(cancel, QMessageBox::RejectRole));
    if (!buttons.empty())
        box.setDefaultButton(static_cast<QPushButton*>(buttons.front()));
    ask_for_no_minimise_button(box);
    box.exec();
    const auto chosen = std::find(buttons.begin(), buttons.end(), box.clickedButton());
    if (chosen == buttons.end())
        return std::nullopt;
    return static_cast<int>(chosen - buttons.begin());
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

std::optional<QFont> QtDesktopServices::choose_font(QWidget* parent, const QString& title,
                                                    const QFont& initial) {
    // Underline, strike-out and colour are offered; the command applies none.
    QFontDialog dialog(initial, parent);
    dialog.setWindowTitle(title);
    ask_for_no_minimise_button(dialog);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.selectedFont();
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
