#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vorna::bench {

// English-like prose of about `bytes` bytes: mostly words from `vocabulary`
// (drawn by Zipf's law, in the order given), some unknown words, capitals at sentence
// starts, punctuation, digits and paragraph breaks.
std::string generate_prose(const std::vector<std::string>& vocabulary, std::size_t bytes,
                           uint32_t seed);

}  // namespace vorna::bench
