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

// The same rule sized to the client area that is really there, in twips: the
// allowances of the outer size were made for another system's frames, so on
// this one they would leave a strip of the window empty or put the status bar
// over the lower box. The boxes keep the rule's proportions (the full width,
// two equal heights one above the other) in the area between the menu bar and
// the status bar, in whole pixels. A step the rule refuses for the outer size
// is refused here too.
BoxGeometry fit_boxes_to_client(BoxGeometry current, double outer_width, double outer_height,
                                double client_width, double client_height);

}  // namespace vorna::ui
