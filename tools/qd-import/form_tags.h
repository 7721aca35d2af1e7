#pragma once

#include <string>

#include "article.h"

namespace qd_import {

// The part of speech a word-class tag of running text names ("NNS" a noun,
// "VBD" a verb, "IN" a preposition or conjunction); unknown for the rest.
PartOfSpeech part_of_tag(const std::string& tag);

// "IN" stands for prepositions and subordinating conjunctions alike.
bool tag_allows(const std::string& tag, PartOfSpeech part);

// Tags of forms that are inflections of another word: plural nouns, verb
// forms other than the base, comparatives and superlatives.
bool is_inflection_tag(const std::string& tag);

}  // namespace qd_import
