#pragma once

#include <QWidget>

#include "core/text/script.h"

class QPlainTextEdit;

namespace vorna::ui {

// The small window that shows a word's full dictionary article. It stays
// open beside the main window and shows each next word asked for.
class ArticleWindow : public QWidget {
  public:
    ArticleWindow(Script script, QWidget* parent);

    // Shows `text` (plain, LF-ended), scrolled to its start, and brings the
    // window up without taking the focus from the main window.
    void show_text(const QString& text);
    QString text() const;

  private:
    QPlainTextEdit* article_;
};

}  // namespace vorna::ui
