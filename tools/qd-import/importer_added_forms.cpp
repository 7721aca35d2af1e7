#include "importer.h"

#include <algorithm>

#include "form_tags.h"
#include "inflections.h"
#include "utf8_text.h"

// Records for the inflected forms and possessives of translated words.

namespace qd_import {
namespace {

// A possessive earns a slot only for a noun met this often in running text;
// it is met about a tenth as often as its noun.
constexpr long long kPossessiveFloor = 200;
constexpr long long kPossessiveShare = 10;

}  // namespace

// Possessives of rare nouns would crowd out common words: only a noun met
// often enough in running text gets one.
bool Importer::earns_possessive(const std::string& base) const {
    const auto found = entries_.find(base);
    return found != entries_.end() && ranks_.count(base) >= kPossessiveFloor &&
           usual_part(base, found->second) == PartOfSpeech::noun;
}

void Importer::add_forms(std::vector<Ranked>& ranked,
                         std::unordered_map<std::string, bool>& taken) {
    const auto add = [&](const std::string& form, const std::string& base, PartOfSpeech part) {
        if (!is_usable_headword(form) || taken.count(form) > 0 || !ranks_.contains(form)) {
            return;
        }
        // "founded" is a form of the verb "found", not of "find" whose
        // past "found" also is: a base that is itself a form keeps to its
        // own senses.
        std::optional<std::string> translation;
        if (part == PartOfSpeech::adjective) {
            translation = compared_form(form, base);
        }
        // A base that is itself a form: a reviewer's word for that part
        // first, then its article's own sense.
        if (!translation && !usage_.bases_of(base).empty()) {
            const auto decided = by_part_.find({base, part});
            translation =
                decided != by_part_.end() ? std::optional(decided->second) : own_sense(base, part);
        }
        if (!translation) {
            translation = translate(base, part);
        }
        if (translation) {
            taken[form] = true;
            ranked.push_back({form, *translation, level_of(form), ranks_.count(form), true});
        }
    };
    for (const WordUsage::IrregularForm& irregular : usage_.irregular_forms()) {
        const auto base = entries_.find(irregular.base);
        // "goes" is listed as the plural of the noun "go", but the verb is
        // what running text means: the rarer part leaves the form to the rules.
        if (base != entries_.end() && has_part(base->second, irregular.part) &&
            2 * usage_.tagged_count(irregular.base, irregular.part) >=
                usage_.tagged_total(irregular.base)) {
            add(irregular.form, irregular.base, irregular.part);
        }
    }
    for (const std::string& base : headword_order_) {
        if (!only_small_letters(base) || is_name(base) || no_record_.count(base) > 0 ||
            !translate(base)) {
            continue;
        }
        // "father's": the possessive is looked up as one word.
        const std::string possessive = base + "'s";
        if (earns_possessive(base) && taken.count(possessive) == 0) {
            if (auto translation = translate(base, PartOfSpeech::noun)) {
                taken[possessive] = true;
                ranked.push_back({possessive, *translation, level_of(base),
                                  ranks_.count(base) / kPossessiveShare, true});
            }
        }
        const Entry& entry = entries_.at(base);
        // "hoped" and "hoping" are forms of "hope", not of "hop" (which gives
        // "hopped"): leave such spellings to the word with the final e.
        // "passé" is no verb, so "passed" stays with "pass".
        const auto e_twin = entries_.find(base + "e");
        const bool has_e_twin = base.back() != 'e' && e_twin != entries_.end() &&
                                (has_part(e_twin->second, PartOfSpeech::verb) ||
                                 usage_.tagged_count(base + "e", PartOfSpeech::verb) > 0);
        const auto add_unless_e_twin = [&](const std::string& form, PartOfSpeech part) {
            if (has_e_twin && (form == base + "ed" || form == base + "ing" || form == base + "er" ||
                               form == base + "est")) {
                return;
            }
            add(form, base, part);
        };
        // "trains" is mostly the plural of the noun, "puts" mostly the verb:
        // the tagged lexicon tells for the form itself.
        for (const std::string& form : plural_or_third_person(base)) {
            const auto& tags = usage_.form_tags(form);
            const std::string tag = tags.empty() ? std::string() : tags.front();
            // "center" is only "= centre": the reference finds the noun.
            if (tag == "NNS" && (has_part(entry, PartOfSpeech::noun) || entry.candidates.empty())) {
                add(form, base, PartOfSpeech::noun);
            } else if (tag == "VBZ" && has_part(entry, PartOfSpeech::verb)) {
                add_unless_e_twin(form, PartOfSpeech::verb);
            }
        }
        // Otherwise an -s form takes the part of speech its base is mostly
        // used as ("puts" is more often the verb than the noun "put").
        if ((has_part(entry, PartOfSpeech::noun) || has_part(entry, PartOfSpeech::pronoun)) &&
            (!has_part(entry, PartOfSpeech::verb) ||
             usage_.tagged_count(base, PartOfSpeech::noun) >=
                 usage_.tagged_count(base, PartOfSpeech::verb))) {
            // "others": a pronoun's plural means what the pronoun means.
            const PartOfSpeech part =
                has_part(entry, PartOfSpeech::noun) ? PartOfSpeech::noun : PartOfSpeech::pronoun;
            for (const std::string& form : plural_or_third_person(base)) {
                add(form, base, part);
            }
        }
        // An article without part-of-speech labels ("acknowledge") is a verb
        // when the tagged texts know it as one.
        const bool unlabelled =
            std::none_of(entry.candidates.begin(), entry.candidates.end(),
                         [](const Candidate& c) { return c.part != PartOfSpeech::unknown; });
        if (has_part(entry, PartOfSpeech::verb) ||
            (unlabelled && usage_.tagged_count(base, PartOfSpeech::verb) > 0)) {
            for (const auto& forms :
                 {plural_or_third_person(base), past_forms(base), ing_forms(base)}) {
                for (const std::string& form : forms) {
                    add_unless_e_twin(form, PartOfSpeech::verb);
                }
            }
        }
        if (has_part(entry, PartOfSpeech::adjective)) {
            for (const std::string& form : comparison_forms(base)) {
                add_unless_e_twin(form, PartOfSpeech::adjective);
            }
        }
    }
}

// "cowboys", "rescheduled": the forms of a supplement word that running
// text has mean what it means; only of a word the tagged lexicon meets
// first as a noun or verb, and past and -ing forms only of a verb
// ("emailed" is no form of the noun).
std::size_t Importer::add_supplement_forms(std::vector<Ranked>& ranked,
                                           std::unordered_map<std::string, bool>& taken) {
    std::size_t added = 0;
    for (const auto& [word, translation] : supplement_) {
        const auto& tags = usage_.form_tags(word);
        const bool verb = !tags.empty() && tags.front() == "VB";
        if (!tags.empty() && !verb && tags.front() != "NN") {
            continue;  // "paranoid", "elsewhere": no plural
        }
        std::vector<std::string> forms = plural_or_third_person(word);
        if (verb) {
            for (const auto& more : {past_forms(word), ing_forms(word)}) {
                forms.insert(forms.end(), more.begin(), more.end());
            }
        }
        for (const std::string& form : forms) {
            const auto& form_tags = usage_.form_tags(form);
            if (taken.count(form) > 0 || ranks_.count(form) == 0 || !is_usable_headword(form) ||
                (!form_tags.empty() && !is_inflection_tag(form_tags.front()))) {
                continue;
            }
            taken[form] = true;
            ranked.push_back({form, translation, level_of(form), ranks_.count(form), true});
            ++added;
        }
    }
    return added;
}

}  // namespace qd_import
