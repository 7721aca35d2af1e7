#include "ui/desktop/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vorna::ui {

void centre_on_screen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

}  // namespace vorna::ui
