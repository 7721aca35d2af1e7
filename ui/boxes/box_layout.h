#pragma once

#include <optional>

namespace vorna::ui {

// Geometry of the two text boxes of the main window, in twips.
struct BoxGeometry {
    double width1 = 0;
    double height1 = 0;
    double width2 = 0;
    double height2 = 0;
    double top2 = 0;
};

// The main window's layout rule for an outer (frame) size in twips. Each of
// its steps stands alone: a negative width or height is refused and leaves
// that value as it was, and the next step still runs.
BoxGeometry lay_out_boxes(BoxGeometry current, double outer_width, double outer_height);

}  // namespace vorna::ui
