#include "ui/desktop/event_loop_pacer.h"

#include <QCoreApplication>

namespace vorna::ui {

bool EventLoopPacer::process_pending_events() {
    if (since_last_run_.isValid() && since_last_run_.elapsed() < kIntervalMs) {
        return false;
    }
    QCoreApplication::processEvents();
    since_last_run_.start();
    return true;
}

}  // namespace vorna::ui
