#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vorna {

// Buffers that line translation reuses from one line to the next, so that a
// long run does not allocate for every line. A line is cut into pieces of at
// most kMaxWords words, one piece at a time, so the buffers stay small
// however long the line is.
struct LineWorkspace {
    static constexpr std::size_t kMaxWords = 4096;

    struct Word {
        std::size_t start = 0;  // byte offsets in the line
        std::size_t end = 0;
        uint32_t hash = 0;
        uint32_t key_size = 0;
        bool looked_up = false;
    };
    std::vector<Word> words;    // the words of the current piece
    std::string keys;           // their keys, each in room as long as its word
    std::size_t piece_end = 0;  // where the scan for the next piece starts
};

}  // namespace vorna
