#pragma once

#include <QElapsedTimer>

namespace vorna::ui {

// Runs the event loop when long work asks for it, but at most once every
// ~20 ms: the work asks after every line and every dictionary row, far more
// often than a window needs repainting.
class EventLoopPacer {
  public:
    static constexpr qint64 kIntervalMs = 20;

    // True when the event loop ran.
    bool process_pending_events();
    // The next request runs the event loop whatever the time since the last.
    void reset() { since_last_run_.invalidate(); }

  private:
    QElapsedTimer since_last_run_;
};

}  // namespace vorna::ui
