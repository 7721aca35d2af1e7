#include "importer.h"

#include <algorithm>
#include <array>
#include <unordered_map>

#include "adverbs.h"
#include "russian_forms.h"
#include "spelling_variants.h"
#include "utf8_text.h"

// Records for words the articles lack: negated auxiliaries, the other
// spelling of a word, and -ly adverbs.

namespace qd_import {

// "didn't", "couldn't": the negated auxiliary is read as its negation,
// not as the verb it is a form of ("делать", "иметь").
void Importer::add_negations(std::vector<Ranked>& ranked,
                             std::unordered_map<std::string, bool>& taken) const {
    struct Negation {
        const char* auxiliary;
        const char* russian;
    };
    static const std::array<Negation, 18> kNegations = {{
        {"do", "не"},
        {"does", "не"},
        {"did", "не"},
        {"is", "не"},
        {"was", "не"},
        {"are", "не"},
        {"were", "не"},
        {"has", "не"},
        {"have", "не"},
        {"had", "не"},
        {"ai", "не"},
        {"ca", "не может"},
        {"could", "не мог"},
        {"would", "бы не"},
        {"should", "не следует"},
        {"must", "нельзя"},
        {"need", "не нужно"},
        {"wo", "не будет"},
    }};
    for (const Negation& negation : kNegations) {
        const std::string form = std::string(negation.auxiliary) + "n't";
        if (!ranks_.contains(form) && entries_.count(form) == 0) {
            continue;
        }
        const auto known = std::find_if(ranked.begin(), ranked.end(), [&form](const Ranked& item) {
            return item.headword == form;
        });
        if (known != ranked.end()) {
            known->translation = negation.russian;
        } else {
            taken[form] = true;
            ranked.push_back({form, negation.russian, level_of(form), ranks_.count(form), false});
        }
    }
}

// "color", "traveled": the American spelling of a word the source writes
// the British way gets that word's record, and the British spelling
// ("realise") the record of the American one.
std::size_t Importer::add_american_spellings(std::vector<Ranked>& ranked,
                                             std::unordered_map<std::string, bool>& taken) {
    std::unordered_map<std::string, std::string> translation_of;
    for (const Ranked& item : ranked) {
        translation_of.emplace(item.headword, item.translation);
    }
    std::size_t added = 0;
    const auto give = [&](const std::string& form, const std::string& recorded) {
        const auto found = translation_of.find(recorded);
        if (found == translation_of.end() || taken.count(form) > 0 || !is_usable_headword(form)) {
            return;
        }
        taken[form] = true;
        ranked.push_back({form, found->second, level_of(form), ranks_.count(form), true});
        ++added;
    };
    // Either way round: the source writes "realize" but "colour".
    for (const SpellingPair& pair : american_british_pairs(
             ranks_.american_only(), ranks_.british_only(),
             [this](const std::string& word) { return ranks_.contains(word); })) {
        give(pair.american, pair.british);
        give(pair.british, pair.american);
    }
    return added;
}

// "slowly", "physically": an -ly adverb the source lacks is made from its
// adjective's plain sense by the Russian rules (медленно, физически).
std::size_t Importer::add_adverbs(std::vector<Ranked>& ranked,
                                  std::unordered_map<std::string, bool>& taken) {
    std::size_t added = 0;
    for (const std::string& adverb : ranks_.counted_forms()) {
        if (taken.count(adverb) > 0 || !only_small_letters(adverb) || is_adverb_exception(adverb)) {
            continue;
        }
        const auto& tags = usage_.form_tags(adverb);
        if (!tags.empty() && tags.front() != "RB") {
            continue;  // "lovely", "daily": adjectives in running text
        }
        for (const std::string& base : adjectives_of_adverb(adverb)) {
            const auto found = entries_.find(base);
            if (found == entries_.end() || !has_part(found->second, PartOfSpeech::adjective)) {
                continue;
            }
            const auto adjective = translate(base, PartOfSpeech::adjective);
            if (!adjective || adds_negation(*adjective, adverb)) {
                continue;
            }
            if (const auto russian = adverb_of(*adjective)) {
                taken[adverb] = true;
                ranked.push_back({adverb, *russian, level_of(adverb), ranks_.count(adverb), true});
                ++added;
                break;
            }
        }
    }
    return added;
}

}  // namespace qd_import
