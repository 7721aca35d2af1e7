#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace vorna {

// Buffers that line translation reuses from one line to the next, so that a
// long run does not allocate for every line.
struct LineWorkspace {
    struct Word {
        std::size_t start = 0;  // byte offsets in the line
        std::size_t end = 0;
        bool looked_up = false;
        uint32_t hash = 0;
    };
    std::vector<Word> words;
    std::string keys;  // the line with its words lower-cased, at the same offsets
};

}  // namespace vorna
