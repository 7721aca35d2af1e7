#pragma once

#include <QString>
#include <QWidget>
#include <functional>

#include "core/text/script.h"
#include "ui/popup/popup_translator.h"

class QLabel;
class QPushButton;
class QStatusBar;

namespace vorna::ui {

class DesktopServices;
class Pronunciation;

// The small frameless window with the translation of the selection, shown
// at the pointer. Esc or a click outside closes it, Ctrl+C copies the
// translation, Enter or its link opens the text in the main window.
class PopupWindow : public QWidget {
  public:
    explicit PopupWindow(DesktopServices& services);
    ~PopupWindow() override;

    // The popup's script, settled by its own Cyrillic check.
    Script script() const { return script_; }
    // Shows `content` with `note` below it (may be empty), next to the
    // pointer at `pointer` and inside that screen.
    void show_content(const PopupContent& content, const QString& note, QPoint pointer);
    // What the popup says, as plain text, line by line.
    QString shown_text() const;
    void set_open_in_main_window(std::function<void(const QString& text)> open) {
        open_in_main_window_ = std::move(open);
    }
    Pronunciation& pronunciation() const { return *pronunciation_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void open_in_main_window();

    Script script_ = Script::cyrillic;
    PopupContent content_;
    QLabel* heading_;
    QLabel* form_;
    QLabel* article_;
    QLabel* note_;
    QPushButton* pronounce_button_;
    QLabel* open_link_;
    QStatusBar* status_line_;
    Pronunciation* pronunciation_;
    std::function<void(const QString& text)> open_in_main_window_;
};

}  // namespace vorna::ui
