#pragma once

class QWidget;

namespace vorna::ui {

// Moves a window so its frame stands in the middle of its screen.
void centre_on_screen(QWidget& window);

}  // namespace vorna::ui
