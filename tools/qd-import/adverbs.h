#pragma once

#include <string>
#include <vector>

namespace qd_import {

// The adjectives an English -ly adverb can be made from, likeliest first:
// slowly slow, happily happy, terribly terrible, basically basic, fully
// full, truly true.
std::vector<std::string> adjectives_of_adverb(const std::string& adverb);

// -ly words whose adjective's Russian adverb is not what they mean
// ("lastly" is not "последне", "hardly" not "твёрдо"), reviewed one by one.
bool is_adverb_exception(const std::string& adverb);

// Whether the Russian adjective carries a negation ("неспособный") that the
// English adverb does not: the adverb would say the opposite.
bool adds_negation(const std::string& russian_adjective, const std::string& english_adverb);

}  // namespace qd_import
