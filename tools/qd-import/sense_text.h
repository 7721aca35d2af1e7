#pragma once

#include <optional>
#include <string>

#include "article.h"

namespace qd_import {

// The short translation a sense's text starts with: transcriptions, notes in
// brackets, labels and examples taken away, and of a list of synonyms only
// the first. Nothing when the text describes the word's use instead of
// translating it, or holds no Russian at all.
std::optional<std::string> short_translation(const std::string& sense_text);

// "_p. от go 1", "= other", "см. X", "3-е л. ед. ч. ... гл. to have": where a
// sense sends the reader instead of translating.
struct Reference {
    std::string target;  // lower-cased headword
    int homograph = 0;   // 0: any
    int group = 0;       // 0: any
    // What the referring word is a form of: a verb for "_p. от", a noun for
    // "_pl. от"; unknown when the reference says nothing of it.
    PartOfSpeech form_of = PartOfSpeech::unknown;
};

std::optional<Reference> find_reference(const std::string& sense_text);

}  // namespace qd_import
