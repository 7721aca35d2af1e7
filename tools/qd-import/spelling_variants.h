#pragma once

#include <functional>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

namespace qd_import {

struct SpellingPair {
    std::string american;
    std::string british;
};

// Pairs an American spelling with the British one by the regular rules
// (-or/-our, -ize/-ise, -yze/-yse, -er/-re, -ense/-ence, -og/-ogue,
// -eled/-elled, -gment/-gement, ...): one rule applied once, and the pair
// kept only when the British list alone holds the British spelling and the
// American list alone holds the other ("color" and "colour", "traveled" and
// "travelled"), or the lists of both spellings do.
// `listed` tells whether any word list holds a word.
std::vector<SpellingPair> american_british_pairs(
    const std::unordered_set<std::string>& american_only,
    const std::unordered_set<std::string>& british_only,
    const std::function<bool(const std::string&)>& listed);

}  // namespace qd_import
