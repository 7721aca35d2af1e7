#include "reviewed.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "utf8_text.h"

namespace qd_import {
namespace {

PartOfSpeech part_of_suffix(const std::string& suffix) {
    if (suffix == "n") {
        return PartOfSpeech::noun;
    }
    if (suffix == "v") {
        return PartOfSpeech::verb;
    }
    if (suffix == "adj") {
        return PartOfSpeech::adjective;
    }
    if (suffix == "adv") {
        return PartOfSpeech::adverb;
    }
    return PartOfSpeech::unknown;
}

std::string without_yo(std::string text) {
    for (const char* yo : {"ё", "Ё"}) {
        const std::string e = std::string(yo) == "ё" ? "е" : "Е";
        for (std::size_t at = text.find(yo); at != std::string::npos; at = text.find(yo, at)) {
            text.replace(at, std::string(yo).size(), e);
        }
    }
    return text;
}

}  // namespace

ReviewedWords read_reviewed(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot open " + path);
    }
    ReviewedWords reviewed;
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        const std::string content = trim(line);
        if (content.empty() || content[0] == '#') {
            continue;
        }
        const auto fail = [&](const std::string& why) {
            throw std::runtime_error(path + ":" + std::to_string(number) + ": " + why);
        };
        std::istringstream fields(content);
        std::string headword;
        std::string mark;
        fields >> headword >> mark;
        std::string translation;
        std::getline(fields, translation);
        translation = trim(translation);

        Decision decision;
        decision.line = number;
        decision.translation = translation;
        if (mark == "sense") {
            decision.mark = ReviewMark::sense;
        } else if (mark == "new") {
            decision.mark = ReviewMark::added;
        } else if (mark == "none") {
            decision.mark = ReviewMark::no_record;
        } else {
            fail("the mark is \"sense\", \"new\" or \"none\", not \"" + mark + "\"");
        }
        if ((decision.mark == ReviewMark::no_record) != translation.empty()) {
            fail(translation.empty() ? "no translation" : "\"none\" takes no translation");
        }

        const std::size_t slash = headword.find('/');
        const std::string word = ascii_lower(headword.substr(0, slash));
        bool is_new = false;
        if (slash == std::string::npos) {
            is_new = reviewed.words.emplace(word, decision).second;
        } else {
            const PartOfSpeech part = part_of_suffix(headword.substr(slash + 1));
            if (part == PartOfSpeech::unknown || decision.mark == ReviewMark::no_record) {
                fail("a part of speech is n, v, adj or adv, and has a translation");
            }
            is_new = reviewed.by_part.emplace(std::make_pair(word, part), decision).second;
        }
        if (!is_new) {
            fail("\"" + headword + "\" is decided twice");
        }
    }
    return reviewed;
}

bool article_has_translation(const std::string& article_text, const std::string& translation) {
    return without_yo(article_text).find(without_yo(translation)) != std::string::npos;
}

}  // namespace qd_import
