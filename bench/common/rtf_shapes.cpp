#include "common/rtf_shapes.h"

namespace vorna::bench {

std::string alternating_runs_rtf(int pairs) {
    std::string rtf = "{\\rtf1 ";
    for (int i = 0; i < pairs; ++i) {
        rtf += "\\b x\\b0 y";
    }
    return rtf + "}";
}

std::string empty_paragraphs_rtf(int count) {
    std::string rtf = "{\\rtf1 ";
    for (int i = 0; i < count; ++i) {
        rtf += "\\par\n";
    }
    return rtf + "}";
}

std::string many_fonts_rtf(int count) {
    std::string rtf = "{\\rtf1{\\fonttbl";
    for (int i = 0; i < count; ++i) {
        const std::string number = std::to_string(i);
        rtf += "{\\f" + number + " Font" + number + ";}";
    }
    rtf += "}";
    for (int i = 0; i < count; ++i) {
        rtf += "\\f" + std::to_string(i) + " x";
    }
    return rtf + "}";
}

}  // namespace vorna::bench
