#include "overrides.h"

#include <fstream>
#include <stdexcept>

#include "utf8_text.h"

namespace qd_import {

Overrides read_overrides(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot open " + path);
    }
    Overrides overrides;
    std::string line;
    while (std::getline(in, line)) {
        const std::string content = trim(line);
        if (content.empty() || content[0] == '#') {
            continue;
        }
        const std::size_t gap = content.find_first_of(" \t");
        if (gap == std::string::npos) {
            continue;
        }
        overrides[ascii_lower(content.substr(0, gap))] = trim(content.substr(gap));
    }
    return overrides;
}

}  // namespace qd_import
