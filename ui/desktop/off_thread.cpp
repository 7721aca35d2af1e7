#include "ui/desktop/off_thread.h"

#include <QCoreApplication>
#include <QThreadPool>
#include <atomic>

namespace vorna::ui {

void run_off_thread(const std::function<void()>& work) {
    std::atomic<bool> done{false};
    QThreadPool::globalInstance()->start([&work, &done] {
        work();
        done = true;
        // Wakes the waiting loop below; posted after `done` is set, so the
        // loop cannot go to sleep after it.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] {}, Qt::QueuedConnection);
    });
    while (!done)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

}  // namespace vorna::ui
