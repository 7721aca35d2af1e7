#pragma once

#include <QDialog>
#include <cstdint>

#include "core/dictionary/dictionary_store.h"
#include "core/engine/translation_result.h"

namespace vorna::ui {

class DesktopServices;

// The statistics window (Form2). It reports the counters of the last run as
// they stand when it opens; a new window is made for every showing.
class StatisticsWindow : public QDialog {
  public:
    StatisticsWindow(const DictionaryStore& store, const RunCounts& counts,
                     DesktopServices& services, QWidget* parent);
};

}  // namespace vorna::ui
