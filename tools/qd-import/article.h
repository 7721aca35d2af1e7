#pragma once

#include <string>
#include <vector>

namespace qd_import {

enum class PartOfSpeech {
    unknown,
    noun,
    verb,
    adjective,
    adverb,
    pronoun,
    preposition,
    conjunction,
    numeral,
    interjection,
};

// The text of one marker of an article, which may hold a translation, with
// what the markers around it say about it.
struct Sense {
    int homograph = 1;  // _I, _II, ... (1 when the article has none)
    int group = 0;      // 1., 2., ... part-of-speech group (0 when none)
    PartOfSpeech part_of_speech = PartOfSpeech::unknown;
    // Marked rare, poetic, obsolete, dialect, slang or attributive here or
    // on an enclosing marker: used only when nothing plainer exists.
    bool marginal = false;
    // Marked colloquial or slang: "jane" is "бабёнка" only in slang, so a
    // headword with nothing else is a name to the reader.
    bool colloquial = false;
    std::string text;  // the sense's own text, wrapped lines joined
};

struct ParsedArticle {
    std::string headword;  // the first line, as the source writes it
    std::vector<Sense> senses;
};

// Cuts an article at its four levels of markers (_I homographs, 1. groups,
// 1) senses, а) sub-senses) and keeps each marker's own text, in source order.
ParsedArticle parse_article(const std::string& text);

// The part of speech a label such as "_n." or "_adv." names.
PartOfSpeech part_of_speech_of_label(const std::string& label);

// The labels ("_n.", "_разг.") of a text outside its brackets and parentheses.
std::vector<std::string> labels_outside_brackets(const std::string& text);

}  // namespace qd_import
