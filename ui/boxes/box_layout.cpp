#include "ui/boxes/box_layout.h"

#include <cmath>

#include "ui/boxes/twips.h"

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

BoxGeometry fit_boxes_to_client(BoxGeometry current, double outer_width, double outer_height,
                                double client_width, double client_height) {
    // The rule is given the outer size whose allowances are exactly the client
    // area's, or one it refuses where it would refuse the real one.
    const double width = outer_width - kWidthAllowance >= 0 ? client_width : -1;
    const double half_height =
        outer_height / 2 - kHeightAllowance >= 0
            ? std::floor(client_height / (2 * kTwipsPerPixel)) * kTwipsPerPixel
            : -1;
    return lay_out_boxes(current, width + kWidthAllowance, 2 * (half_height + kHeightAllowance));
}

}  // namespace vorna::ui
