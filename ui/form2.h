#pragma once

#include <QDialog>
#include <cstdint>

#include "core/dictionary/dictionary_store.h"

class QTextEdit;

namespace vorna::ui {

class DesktopServices;

// Form2: the statistics window. It reports the counters of the last run as
// they stand when it opens; a new window is made for every showing.
class Form2 : public QDialog {
  public:
    Form2(const DictionaryStore& store, int32_t unknown_word_count, DesktopServices& services,
          QWidget* parent);

    QTextEdit& report_box() { return *rtb1_; }

  private:
    QTextEdit* rtb1_;
};

}  // namespace vorna::ui
