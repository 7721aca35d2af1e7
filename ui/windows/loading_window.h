#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>

#include "core/dictionary/load_progress.h"
#include "core/text/script.h"
#include "ui/desktop/event_loop_pacer.h"

class QLabel;

namespace vorna::ui {

class DesktopServices;
class MainWindow;
struct Session;

// The loading window's first line: the checking text, or, for the reader's
// own dictionary, the same naming the file, shortened to fit `label`.
QString first_loading_line(const Session& session, Script script, const QLabel& label);

// The loading window (Form4). It loads the dictionary at start-up, shows how
// far the load has got, and hands over to the main window.
class LoadingWindow : public QWidget, private LoadProgressSink {
  public:
    LoadingWindow(Session& session, DesktopServices& services);
    ~LoadingWindow() override;

    // Runs the whole start-up. Returns the main window, shown, or null when
    // the program was ended (the dictionary is missing).
    std::unique_ptr<MainWindow> start_up();
    // Loads the dictionary again, as at start-up, after it was corrected.
    // False when the program was ended (the dictionary is gone).
    bool reload();

    QLabel& status_label() { return *status_label_; }

  private:
    // Shows the window and fills the store; false when the program was ended.
    bool load();

    void dictionary_missing() override;
    void letter_done(char letter, int32_t running_count) override;
    void indexing_started() override;
    void records_left_out(int32_t count) override;
    void process_pending_events() override;

    Session& session_;
    DesktopServices& services_;
    QLabel* status_label_;
    QLabel* product_label_;
    EventLoopPacer pacer_;
    Script script_ = Script::translit;
    int32_t left_out_ = 0;
};

}  // namespace vorna::ui
