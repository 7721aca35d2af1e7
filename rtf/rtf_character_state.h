#pragma once

#include <tuple>

namespace vorna::rtf {

// The character formatting in force at a point of an RTF document.
struct CharacterState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int font = -1;        // font table number; -1: the document's default font
    int half_points = 0;  // 0: the box's own size
    int colour = 0;       // colour table index

    auto tied() const {
        return std::tie(bold, italic, underline, strike, font, half_points, colour);
    }
    bool operator==(const CharacterState& other) const { return tied() == other.tied(); }
    bool operator!=(const CharacterState& other) const { return tied() != other.tied(); }
    bool operator<(const CharacterState& other) const { return tied() < other.tied(); }
};

}  // namespace vorna::rtf
