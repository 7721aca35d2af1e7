#pragma once

#include <map>
#include <string>

namespace qd_import {

// The team's corrections: headword -> translation, for the function words
// the source only describes and the words whose first sense is plainly not
// the common one.
using Overrides = std::map<std::string, std::string>;

// Lines "headword<blanks>translation"; blank lines and lines starting with
// '#' are skipped. Throws std::runtime_error when the file cannot be read.
Overrides read_overrides(const std::string& path);

}  // namespace qd_import
