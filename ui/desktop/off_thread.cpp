#include "ui/desktop/off_thread.h"

#include <QCoreApplication>
#include <QSemaphore>
#include <QThreadPool>
#include <atomic>

namespace vorna::ui {

namespace {

void run_and_answer_events(const std::function<void()>& work, QSemaphore* begun) {
    std::atomic<bool> done{false};
    QThreadPool::globalInstance()->start([&work, &done] {
        work();
        done = true;
        // Wakes the waiting loop below; posted after `done` is set, so the
        // loop cannot go to sleep after it.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] {}, Qt::QueuedConnection);
    });
    if (begun != nullptr)
        begun->acquire();
    while (!done)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

}  // namespace

void run_off_thread(const std::function<void()>& work) {
    run_and_answer_events(work, nullptr);
}

void run_off_thread_once_begun(const std::function<void(const std::function<void()>&)>& work) {
    QSemaphore begun;
    std::atomic<bool> told{false};
    const std::function<void()> tell = [&begun, &told] {
        if (!told.exchange(true))
            begun.release();
    };
    run_and_answer_events(
        [&work, &tell] {
            work(tell);
            tell();
        },
        &begun);
}

}  // namespace vorna::ui
