#pragma once

#include <map>
#include <string>
#include <utility>

#include "article.h"

namespace qd_import {

// What a reviewer said of a headword's translation.
enum class ReviewMark {
    sense,      // one of the article's own senses
    added,      // a word the article lacks (or a headword the source lacks)
    no_record,  // no record: the word is shown as written (a name)
};

struct Decision {
    ReviewMark mark = ReviewMark::sense;
    std::string translation;  // empty for no_record
    int line = 0;             // where the file says it, for messages
};

// The reviewed words: a headword's own record, and the translation a form
// takes when it asks for one part of speech ("cook/n" повар for "cooks",
// while "cook" itself is готовить).
struct ReviewedWords {
    std::map<std::string, Decision> words;
    std::map<std::pair<std::string, PartOfSpeech>, Decision> by_part;
};

// Lines "headword[/part]  mark  translation": part one of n, v, adj, adv;
// mark "sense", "new" (with a translation) or "none" (without). Blank lines
// and lines starting with '#' are skipped. Throws std::runtime_error naming
// the line when the file cannot be read or a line is malformed or repeated.
ReviewedWords read_reviewed(const std::string& path);

// Whether a "sense" decision's translation is written in the article's text
// (ё and е alike), so a slip of the reviewer's hand shows.
bool article_has_translation(const std::string& article_text, const std::string& translation);

}  // namespace qd_import
