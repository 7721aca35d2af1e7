#pragma once

#include <QWidget>
#include <functional>

#include "core/text/script.h"

class QPlainTextEdit;
class QPushButton;
class QStatusBar;

namespace vorna::ui {

class ProgramSettings;

// The small window that shows a word's full dictionary article. It stays
// open beside the main window and shows each next word asked for. It first
// opens beside the main window where the screen has room, else over the right
// of the upper box, and after that where the reader last left it. It has a
// status line of its own and closes on Escape.
class ArticleWindow : public QWidget {
  public:
    // Its place is kept in `settings` between starts.
    ArticleWindow(Script script, ProgramSettings& settings, QWidget& main_window);

    // Shows `text` (plain, LF-ended), scrolled to its start, and brings the
    // window up without taking the focus from the main window.
    void show_text(const QString& text);
    QString text() const;

    // The word the article is about, which the "Произнести" button says; the
    // button is off while there is none.
    void set_headword(const QString& word);
    // Says a word, reporting on the given status line.
    using Pronounce = std::function<void(const QString& word, QStatusBar& status_line)>;
    void set_pronounce(Pronounce pronounce) { pronounce_ = std::move(pronounce); }
    QStatusBar& status_line() const { return *status_line_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

  private:
    void place();
    void remember_place() const;

    ProgramSettings& settings_;
    QWidget& main_window_;
    QPlainTextEdit* article_;
    bool placed_ = false;
    QPushButton* pronounce_button_;
    QStatusBar* status_line_;
    QString headword_;
    Pronounce pronounce_;
};

}  // namespace vorna::ui
