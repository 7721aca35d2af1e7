#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace vorna::ui {

// How far from the pointer the popup's nearest corner stands, so the pointer
// does not cover its first letters.
inline constexpr int kPointerGap = 12;

// Where a popup of `size` goes for the pointer at `pointer` on a screen whose
// free area is `screen`: below and to the right of the pointer, else above
// it or to its left where there is no room, and always inside the screen
// (its top left corner first when it is larger than the screen).
QPoint popup_position(QPoint pointer, QSize size, const QRect& screen);

}  // namespace vorna::ui
