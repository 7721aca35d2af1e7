#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <optional>

class QDialog;
class QWidget;

namespace vorna::ui {

// Everything the windows ask of the desktop that would block or end a test:
// modal boxes and dialogs, the font check behind the Cyrillic check, and
// ending the program. The program passes QtDesktopServices; tests pass a fake.
class DesktopServices {
  public:
    virtual ~DesktopServices() = default;

    // A modal message box with one OK button and the application's title.
    // Lines of `text` may be joined by CR LF.
    virtual void show_message(QWidget* parent, const QString& text) = 0;
    // The same box for a failure, with the warning icon.
    virtual void show_warning(QWidget* parent, const QString& text) { show_message(parent, text); }

    // A modal question with Yes and No buttons, No the default. True for Yes.
    virtual bool ask(QWidget* parent, const QString& question) = 0;
    // A modal question with a button for each of `answers`, the first the
    // default, and a `cancel` button. The index of the answer chosen, or
    // none for the cancel, Escape or the frame's close button.
    virtual std::optional<int> choose(QWidget* parent, const QString& question,
                                      const QStringList& answers, const QString& cancel) = 0;

    // Who asks before a chosen file is replaced.
    enum class ReplaceQuestion { by_dialog, by_caller };

    // Empty when the user cancelled.
    virtual QString open_file_name(QWidget* parent, const QString& title, const QString& filter,
                                   const QString& start_path) = 0;
    virtual QString save_file_name(QWidget* parent, const QString& title, const QString& filter,
                                   const QString& start_path,
                                   ReplaceQuestion replace = ReplaceQuestion::by_dialog) = 0;

    // nullopt when the user cancelled.
    virtual std::optional<QFont> choose_font(QWidget* parent, const QString& title,
                                             const QFont& initial) = 0;

    // Shows a modal window and returns when it has been closed.
    virtual void run_modal(QDialog& dialog) = 0;

    // The part of the Cyrillic check that a text round trip cannot answer:
    // whether some installed font can draw Cyrillic. `window` names the
    // window that asks, so a test can fail the check for one window alone.
    virtual bool cyrillic_font_installed(const QString& window) = 0;

    // Ends the program at once with the given exit status.
    virtual void end_program(int exit_status) = 0;
};

// The real desktop: Qt's message box, file and font dialogs. The file dialogs
// admit every file under the "*.*" pattern and never open in a pseudo file
// system.
class QtDesktopServices : public DesktopServices {
  public:
    void show_message(QWidget* parent, const QString& text) override;
    void show_warning(QWidget* parent, const QString& text) override;
    bool ask(QWidget* parent, const QString& question) override;
    std::optional<int> choose(QWidget* parent, const QString& question, const QStringList& answers,
                              const QString& cancel) override;
    QString open_file_name(QWidget* parent, const QString& title, const QString& filter,
                           const QString& start_path) override;
    QString save_file_name(QWidget* parent, const QString& title, const QString& filter,
                           const QString& start_path,
                           ReplaceQuestion replace = ReplaceQuestion::by_dialog) override;
    std::optional<QFont> choose_font(QWidget* parent, const QString& title,
                                     const QFont& initial) override;
    void run_modal(QDialog& dialog) override;
    bool cyrillic_font_installed(const QString& window) override;
    void end_program(int exit_status) override;

    bool program_ended() const { return program_ended_; }
    int exit_status() const { return exit_status_; }

  private:
    bool program_ended_ = false;
    int exit_status_ = 0;
};

}  // namespace vorna::ui
