#include "ui/desktop/frame_watch.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace vorna::ui {

FrameWatch::FrameWatch(QWidget& window, std::function<void()> outer_size_changed)
    : QObject(&window), window_(window), outer_size_changed_(std::move(outer_size_changed)) {}

QSize FrameWatch::outer_size() const {
    // The window's own frame margins are read from the platform each time;
    // the widget's copy is refreshed only on a move or resize.
    if (const QWindow* native = window_.windowHandle()) {
        return native->frameGeometry().size();
    }
    return window_.frameGeometry().size();
}

void FrameWatch::start() {
    if (QWindow* native = window_.windowHandle()) {
        native->removeEventFilter(this);
        native->installEventFilter(this);
    }
}

bool FrameWatch::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Expose:
        case QEvent::Move:
        case QEvent::Show:
        case QEvent::WindowStateChange:
            if (outer_size() != last_outer_) {
                outer_size_changed_();
            }
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace vorna::ui
