#pragma once

#include <string>
#include <vector>

namespace qd_import {

// Spellings that English rules allow for the regular forms of a base word.
// Where a rule is ambiguous (stop -> stopped, visit -> visited) every
// candidate is given; a word list decides which one is real.
std::vector<std::string> plural_or_third_person(const std::string& base);  // -s, -es, -ies
std::vector<std::string> past_forms(const std::string& base);              // -ed, -d, -ied
std::vector<std::string> ing_forms(const std::string& base);               // -ing
std::vector<std::string> comparison_forms(const std::string& base);        // -er, -est

// Which kind of regular form a spelling is of a base word.
enum class FormKind { plural_or_third_person, past, ing, comparison };

struct PossibleBase {
    std::string base;
    FormKind kind;
};

// The base words a spelling can be a regular form of ("laws" -> law,
// "passed" -> pass, "hoping" -> hope and hop), each checked against the
// rules above; whether the base exists is for the caller to decide.
std::vector<PossibleBase> possible_bases(const std::string& form);

}  // namespace qd_import
