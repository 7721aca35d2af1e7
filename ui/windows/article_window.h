#pragma once

#include <QWidget>

#include "core/text/script.h"

class QPlainTextEdit;

namespace vorna::ui {

// The small window that shows a word's full dictionary article. It stays
// open beside the main window and shows each next word asked for. It first
// opens beside the main window where the screen has room, else over the right
// of the upper box, and after that where the reader last left it.
class ArticleWindow : public QWidget {
  public:
    ArticleWindow(Script script, QWidget& main_window);

    // Shows `text` (plain, LF-ended), scrolled to its start, and brings the
    // window up without taking the focus from the main window.
    void show_text(const QString& text);
    QString text() const;

  protected:
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

  private:
    void place();
    void remember_place() const;

    QWidget& main_window_;
    QPlainTextEdit* article_;
    bool placed_ = false;
};

}  // namespace vorna::ui
