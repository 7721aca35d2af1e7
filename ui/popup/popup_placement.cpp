#include "ui/popup/popup_placement.h"

#include <algorithm>

namespace vorna::ui {

namespace {

// One axis: after the pointer when the popup fits there, else before it,
// else wherever it overlaps the pointer least, inside [low, high).
int place_on_axis(int pointer, int extent, int low, int high) {
    const int after = pointer + kPointerGap;
    if (after + extent <= high)
        return std::max(after, low);
    const int before = pointer - kPointerGap - extent;
    if (before >= low)
        return before;
    return std::max(low, high - extent);
}

}  // namespace

QPoint popup_position(QPoint pointer, QSize size, const QRect& screen) {
    const int right_end = screen.x() + screen.width();
    const int bottom_end = screen.y() + screen.height();
    return {place_on_axis(pointer.x(), size.width(), screen.x(), right_end),
            place_on_axis(pointer.y(), size.height(), screen.y(), bottom_end)};
}

}  // namespace vorna::ui
