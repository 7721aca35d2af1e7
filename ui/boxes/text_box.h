#pragma once

#include <QTextEdit>

#include "ui/desktop/event_loop_pacer.h"

namespace vorna::ui {

// The rich-text box of the main window. A long paste goes in as plain text a
// piece at a time, the event loop turning in between, and a long text of one
// format is laid out only where it is shown (see PlainTextLayout); a short
// one goes in as the toolkit pastes it, formatting and all.
class TextBox : public QTextEdit {
  public:
    using QTextEdit::QTextEdit;

  protected:
    void insertFromMimeData(const QMimeData* source) override;

  private:
    EventLoopPacer pacer_;
    bool pasting_ = false;
};

}  // namespace vorna::ui
