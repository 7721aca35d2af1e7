#pragma once

#include <QObject>
#include <QSize>
#include <functional>

class QWidget;

namespace vorna::ui {

// Reports when a top-level window's outer size changes, the window manager's
// frame included. Qt tells a widget when its client area moves or resizes,
// but not when the window manager frames it: with a static gravity the client
// keeps its place and size, so no event reaches the widget. The frame is in
// place by the time the window is exposed, so exposure is checked too.
class FrameWatch : public QObject {
  public:
    FrameWatch(QWidget& window, std::function<void()> outer_size_changed);

    // The outer size in logical pixels: frame, title bar and client area.
    QSize outer_size() const;
    // Starts watching once the window has its native window (after show()).
    void start();
    // Remembers the outer size the caller has acted on.
    void acted_on(QSize outer) { last_outer_ = outer; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& window_;
    std::function<void()> outer_size_changed_;
    QSize last_outer_;
};

}  // namespace vorna::ui
