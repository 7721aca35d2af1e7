#pragma once

#include <QWidget>
#include <cstdint>
#include <memory>

#include "core/dictionary/load_progress.h"
#include "ui/event_loop_pacer.h"

class QLabel;

namespace vorna::ui {

class DesktopServices;
class Form1;
struct Session;

// Form4: the loading window. It loads the dictionary at start-up, shows how
// far the load has got, and hands over to the main window.
class Form4 : public QWidget, private LoadProgressSink {
  public:
    Form4(Session& session, DesktopServices& services);
    ~Form4() override;

    // Runs the whole start-up. Returns the main window, shown, or null when
    // the program was ended (the dictionary is missing).
    std::unique_ptr<Form1> start_up();

    QLabel& status_label() { return *label1_; }

  private:
    void dictionary_missing() override;
    void letter_done(char letter, int32_t running_count) override;
    void indexing_started() override;
    void records_left_out(int32_t count) override;
    void process_pending_events() override;

    Session& session_;
    DesktopServices& services_;
    QLabel* label1_;
    QLabel* label2_;
    EventLoopPacer pacer_;
    bool cyrillic_shown_ = false;
    int32_t left_out_ = 0;
};

}  // namespace vorna::ui
