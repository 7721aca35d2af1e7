#include "ui/boxes/box_layout.h"

namespace vorna::ui {

namespace {

// Side margin and the space above, between and below the boxes, in twips.
constexpr double kWidthAllowance = 130;
constexpr double kHeightAllowance = 480;

void apply_if_not_negative(double& property, double value) {
    if (value >= 0) {
        property = value;
    }
}

}  // namespace

BoxGeometry lay_out_boxes(BoxGeometry current, double outer_width, double outer_height) {
    BoxGeometry next = current;
    apply_if_not_negative(next.width1, outer_width - kWidthAllowance);
    apply_if_not_negative(next.height1, outer_height / 2 - kHeightAllowance);
    apply_if_not_negative(next.width2, outer_width - kWidthAllowance);
    apply_if_not_negative(next.height2, outer_height / 2 - kHeightAllowance);
    // RTF1's top never moves from 0.
    apply_if_not_negative(next.top2, 0 + next.height1);
    return next;
}

}  // namespace vorna::ui
