#include "spelling_variants.h"

#include <array>

namespace qd_import {
namespace {

struct Rule {
    const char* american;
    const char* british;
};

// Each rule rewrites one place of the word; the two lists decide which
// rewrites are real words.
constexpr std::array<Rule, 19> kRules = {{
    {"or", "our"},        // color, behavior, neighborhood
    {"iz", "is"},         // realize, organization
    {"yz", "ys"},         // analyze
    {"er", "re"},         // center, theater
    {"ered", "red"},      // centered
    {"ering", "ring"},    // centering
    {"ense", "ence"},     // offense, defense
    {"og", "ogue"},       // catalog, dialog
    {"el", "ell"},        // traveled, canceling
    {"elry", "ellery"},   // jewelry
    {"gment", "gement"},  // judgment
    {"gray", "grey"},     // gray, grayish
    {"am", "amme"},       // program
    {"e", "ae"},          // anemia, pediatric
    {"e", "oe"},          // maneuver, estrogen
    {"ow", "ough"},       // plow
    {"old", "ould"},      // mold, smolder
    {"k", "c"},           // skeptic
    {"ll", "l"},          // fulfill, skillful
}};

}  // namespace

std::vector<SpellingPair> american_british_pairs(
    const std::unordered_set<std::string>& american_only,
    const std::unordered_set<std::string>& british_only,
    const std::function<bool(const std::string&)>& listed) {
    std::vector<SpellingPair> pairs;
    for (const std::string& british : british_only) {
        if (american_only.count(british) > 0) {
            continue;
        }
        for (const Rule& rule : kRules) {
            const std::string from = rule.british;
            bool paired = false;
            for (std::size_t at = british.find(from); at != std::string::npos && !paired;
                 at = british.find(from, at + 1)) {
                std::string american = british;
                american.replace(at, from.size(), rule.american);
                if (british_only.count(american) == 0 &&
                    (american_only.count(american) > 0 || listed(american))) {
                    pairs.push_back({std::move(american), british});
                    paired = true;
                }
            }
            if (paired) {
                break;
            }
        }
    }
    return pairs;
}

}  // namespace qd_import
