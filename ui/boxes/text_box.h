#pragma once

#include <QTextEdit>

#include "ui/desktop/event_loop_pacer.h"

namespace vorna::ui {

// The rich-text box of the main window. A long paste goes in as plain text:
// into an empty box (or over all of a plain one) as a document made on
// another thread, else a piece at a time, the event loop turning in between;
// a long text of one format is laid out only where it is shown (see
// PlainTextLayout). A short one goes in as the toolkit pastes it,
// formatting and all.
class TextBox : public QTextEdit {
  public:
    using QTextEdit::QTextEdit;

  protected:
    void insertFromMimeData(const QMimeData* source) override;

  private:
    // Whether a paste at the caret replaces everything in a box of plain
    // text: a long one then becomes a new document, made as a file opens.
    bool replaces_everything(const QTextCursor& caret) const;
    void paste_whole(const QString& text);

    EventLoopPacer pacer_;
    bool pasting_ = false;
};

}  // namespace vorna::ui
