#pragma once

#include <cmath>

namespace vorna::ui {

// Window sizes are designed in twips; one logical pixel is 15 twips.
inline constexpr double kTwipsPerPixel = 15.0;

inline int twips_to_pixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

inline double pixels_to_twips(int pixels) {
    return pixels * kTwipsPerPixel;
}

}  // namespace vorna::ui
