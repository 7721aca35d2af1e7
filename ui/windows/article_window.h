#pragma once

#include <QWidget>
#include <functional>

#include "core/text/script.h"

class QPlainTextEdit;
class QPushButton;

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

    // The word the article is about, which the "Произнести" button says; the
    // button is off while there is none.
    void set_headword(const QString& word);
    void set_pronounce(std::function<void(const QString&)> pronounce) {
        pronounce_ = std::move(pronounce);
    }

  protected:
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

  private:
    void place();
    void remember_place() const;

    QWidget& main_window_;
    QPlainTextEdit* article_;
    bool placed_ = false;
    QPushButton* pronounce_button_;
    QString headword_;
    std::function<void(const QString&)> pronounce_;
};

}  // namespace vorna::ui
