#include "adverbs.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "utf8_text.h"

namespace qd_import {
namespace {

bool starts_with(std::string_view text, std::string_view start) {
    return text.compare(0, start.size(), start) == 0;
}

}  // namespace

std::vector<std::string> adjectives_of_adverb(const std::string& adverb) {
    std::vector<std::string> bases;
    if (adverb.size() < 5 || !ends_with(adverb, "ly")) {
        return bases;
    }
    const std::string stem = adverb.substr(0, adverb.size() - 2);
    bases.push_back(stem);
    if (ends_with(stem, "i")) {
        bases.push_back(stem.substr(0, stem.size() - 1) + "y");
    }
    if (ends_with(adverb, "bly") || ends_with(adverb, "ply") || ends_with(adverb, "tly") ||
        ends_with(adverb, "dly") || ends_with(adverb, "gly") || ends_with(adverb, "kly")) {
        bases.push_back(stem + "le");
    }
    if (ends_with(adverb, "ically")) {
        bases.push_back(adverb.substr(0, adverb.size() - 4));
    }
    if (ends_with(adverb, "ully")) {
        bases.push_back(stem + "l");
    }
    if (ends_with(adverb, "uly")) {
        bases.push_back(stem + "e");
    }
    return bases;
}

bool is_adverb_exception(const std::string& adverb) {
    static const std::array<const char*, 12> kExceptions = {
        "lastly", "hardly",  "shortly", "presently",    "lately",     "barely",
        "early",  "greenly", "snidely", "monumentally", "freakishly", "inherently"};
    return std::any_of(kExceptions.begin(), kExceptions.end(),
                       [&adverb](const char* exception) { return adverb == exception; });
}

bool adds_negation(const std::string& russian_adjective, const std::string& english_adverb) {
    const bool russian_negated = starts_with(russian_adjective, "не") ||
                                 starts_with(russian_adjective, "без") ||
                                 starts_with(russian_adjective, "бес");
    if (!russian_negated) {
        return false;
    }
    for (const char* prefix : {"un", "in", "im", "il", "ir", "non", "dis", "mis"}) {
        if (starts_with(english_adverb, prefix)) {
            return false;
        }
    }
    return english_adverb.find("less") == std::string::npos;
}

}  // namespace qd_import
