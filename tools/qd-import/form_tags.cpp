#include "form_tags.h"

#include <array>

namespace qd_import {

PartOfSpeech part_of_tag(const std::string& tag) {
    struct Entry {
        const char* tag;
        PartOfSpeech part;
    };
    static const std::array<Entry, 30> kTags = {{
        {"NN", PartOfSpeech::noun},        {"NNS", PartOfSpeech::noun},
        {"VB", PartOfSpeech::verb},        {"VBD", PartOfSpeech::verb},
        {"VBG", PartOfSpeech::verb},       {"VBN", PartOfSpeech::verb},
        {"VBP", PartOfSpeech::verb},       {"VBZ", PartOfSpeech::verb},
        {"MD", PartOfSpeech::verb},        {"JJ", PartOfSpeech::adjective},
        {"JJR", PartOfSpeech::adjective},  {"JJS", PartOfSpeech::adjective},
        {"RB", PartOfSpeech::adverb},      {"RBR", PartOfSpeech::adverb},
        {"RBS", PartOfSpeech::adverb},     {"WRB", PartOfSpeech::adverb},
        {"RP", PartOfSpeech::adverb},      {"IN", PartOfSpeech::preposition},
        {"TO", PartOfSpeech::preposition}, {"CC", PartOfSpeech::conjunction},
        {"DT", PartOfSpeech::pronoun},     {"PDT", PartOfSpeech::pronoun},
        {"WDT", PartOfSpeech::pronoun},    {"PRP", PartOfSpeech::pronoun},
        {"PRP$", PartOfSpeech::pronoun},   {"WP", PartOfSpeech::pronoun},
        {"WP$", PartOfSpeech::pronoun},    {"EX", PartOfSpeech::pronoun},
        {"CD", PartOfSpeech::numeral},     {"UH", PartOfSpeech::interjection},
    }};
    for (const Entry& entry : kTags) {
        if (tag == entry.tag) {
            return entry.part;
        }
    }
    return PartOfSpeech::unknown;
}

bool tag_allows(const std::string& tag, PartOfSpeech part) {
    const PartOfSpeech named = part_of_tag(tag);
    return named == part || (tag == "IN" && part == PartOfSpeech::conjunction);
}

bool is_inflection_tag(const std::string& tag) {
    return tag == "NNS" || tag == "VBD" || tag == "VBG" || tag == "VBN" || tag == "VBZ" ||
           tag == "JJR" || tag == "JJS" || tag == "RBR" || tag == "RBS";
}

}  // namespace qd_import
