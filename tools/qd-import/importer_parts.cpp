#include "importer.h"

#include <algorithm>
#include <array>

#include "form_tags.h"

// Which part of speech a headword is mostly used as.

namespace qd_import {
namespace {

// The tagged texts count content words only: a word tagged for fewer than
// this share of its occurrences in running text is mostly a function word
// ("under" 5 tagged of 13,358, "while" 23 of 17,821; "now" 528 of 163,333
// and "only" 627 of 55,269 are adverbs).
constexpr double kContentShareFloor = 1.5 / 1000;

bool is_function_part(PartOfSpeech part) {
    return part == PartOfSpeech::preposition || part == PartOfSpeech::conjunction ||
           part == PartOfSpeech::pronoun || part == PartOfSpeech::interjection;
}

// These are modal verbs in running text, whatever their homographs
// (May the month, can the tin, will the testament) are tagged as.
bool is_modal_verb(const std::string& word) {
    static const std::array<const char*, 10> kModals = {
        "may", "might", "can", "could", "must", "shall", "should", "will", "would", "ought"};
    return std::any_of(kModals.begin(), kModals.end(),
                       [&word](const char* modal) { return word == modal; });
}

}  // namespace

bool Importer::has_part(const Entry& entry, PartOfSpeech part) const {
    return std::any_of(entry.candidates.begin(), entry.candidates.end(),
                       [part](const Candidate& c) { return c.part == part; });
}

// The first class of the form in the tagged lexicon ("tunnel NN VBP") that
// the article translates plainly.
PartOfSpeech Importer::part_by_form_tags(const std::string& headword, const Entry& entry) const {
    for (const std::string& tag : usage_.form_tags(headword)) {
        for (const Candidate& candidate : entry.candidates) {
            if (candidate.article_rank == 0 && !candidate.marginal &&
                tag_allows(tag, candidate.part)) {
                return candidate.part;
            }
        }
    }
    return PartOfSpeech::unknown;
}

// The part of speech a word is mostly used as: a numeral's number, a modal's
// verb; the part the tagged texts met most often, unless they met the word
// so rarely that it is mostly a function word (a preposition, conjunction,
// pronoun or interjection) in running text.
PartOfSpeech Importer::usual_part(const std::string& headword, const Entry& entry) const {
    if (has_part(entry, PartOfSpeech::numeral)) {
        return PartOfSpeech::numeral;
    }
    if (is_modal_verb(headword) && has_part(entry, PartOfSpeech::verb)) {
        return PartOfSpeech::verb;
    }
    PartOfSpeech best = PartOfSpeech::unknown;
    int best_count = 0;
    for (const PartOfSpeech part :
         {PartOfSpeech::noun, PartOfSpeech::verb, PartOfSpeech::adjective, PartOfSpeech::adverb}) {
        const int count = usage_.tagged_count(headword, part);
        if (count > best_count && has_part(entry, part)) {
            best = part;
            best_count = count;
        }
    }
    const auto running = static_cast<double>(ranks_.count(headword));
    if (running == 0 && best_count == 0) {
        // Nothing known of its use: a function word's own part when it has one.
        for (const Candidate& candidate : entry.candidates) {
            if (candidate.article_rank == 0 && is_function_part(candidate.part)) {
                return candidate.part;
            }
        }
        return best;
    }
    const bool mostly_function = usage_.tagged_total(headword) < kContentShareFloor * running;
    // Where the table of corrections gives the usual sense, it has ranked
    // the parts already.
    const PartOfSpeech lexicon =
        overrides_.count(headword) > 0 ? PartOfSpeech::unknown : part_by_form_tags(headword, entry);
    if (mostly_function) {
        // The article's own order among the parts function words have and
        // the tagged part: "where" is где before туда, "yes" да before
        // утверждение, "dear" дорогой before дорого; but where that is a
        // content word and running text uses a function word ("while" is
        // время before пока), the function word.
        for (const Candidate& candidate : entry.candidates) {
            if (candidate.article_rank == 0 && !candidate.marginal &&
                (is_function_part(candidate.part) || candidate.part == PartOfSpeech::adverb ||
                 candidate.part == best)) {
                const bool content =
                    !is_function_part(candidate.part) && candidate.part != PartOfSpeech::adverb;
                return content && is_function_part(lexicon) ? lexicon : candidate.part;
            }
        }
    }
    // The lexicon counts each form in running text; the sense-tagged texts
    // count a few hundred uses, but overrule it where they are sure.
    if (lexicon != PartOfSpeech::unknown && !is_function_part(lexicon) &&
        2 * usage_.tagged_count(headword, lexicon) >= best_count) {
        return lexicon;
    }
    if (best == PartOfSpeech::unknown && running > 0) {
        // Nothing tagged: the article's own order, its first part.
        for (const Candidate& candidate : entry.candidates) {
            if (candidate.article_rank == 0 && !candidate.marginal) {
                return candidate.part;
            }
        }
    }
    return best;
}

}  // namespace qd_import
