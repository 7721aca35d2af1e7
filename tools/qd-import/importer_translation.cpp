#include "importer.h"

#include <vector>

#include "form_tags.h"

// A headword's translation: the reviewers' and the table's decisions, the
// references it makes, and the sense of the part it is wanted as.

namespace qd_import {
namespace {

// References may chain (a form of a variant of a word) but never loop for long.
constexpr int kMaxReferenceDepth = 6;

}  // namespace

std::optional<std::string> Importer::translate(const std::string& headword, PartOfSpeech wanted) {
    if (wanted == PartOfSpeech::unknown) {
        const auto known = plain_translations_.find(headword);
        if (known != plain_translations_.end()) {
            return known->second;
        }
        auto translation = resolve(headword, wanted, 0, 0, 0);
        plain_translations_.emplace(headword, translation);
        return translation;
    }
    return resolve(headword, wanted, 0, 0, 0);
}

std::optional<std::string> Importer::resolve(const std::string& headword, PartOfSpeech wanted,
                                             int homograph, int group, int depth) {
    if (wanted != PartOfSpeech::unknown) {
        const auto decided = by_part_.find({headword, wanted});
        if (decided != by_part_.end()) {
            return decided->second;
        }
    }
    const auto found = entries_.find(headword);
    const auto overridden = overrides_.find(headword);
    // The table corrects a word's usual sense; a form that asks for another
    // part of speech ("likes", the verb) still finds it in the article, unless
    // running text uses the word mostly as that part ("files" and "file").
    if (overridden != overrides_.end() &&
        (wanted == PartOfSpeech::unknown || found == entries_.end() ||
         !has_part(found->second, wanted) ||
         usual_part(headword, found->second) == PartOfSpeech::unknown ||
         usual_part(headword, found->second) == wanted ||
         part_by_form_tags(headword, found->second) == wanted)) {
        return overridden->second;
    }
    if (found == entries_.end() || depth > kMaxReferenceDepth) {
        return std::nullopt;
    }
    const Entry& entry = found->second;

    // A form of another word ("might", "are", "found") means what that word
    // means, however its own homographs are ordered.
    std::vector<const Reference*> form_references;
    if (entry.leading_form_reference) {
        form_references.push_back(&*entry.leading_form_reference);
    }
    for (const Reference& reference : entry.references) {
        if (usage_.is_irregular_form_of(headword, reference.target)) {
            form_references.push_back(&reference);
        }
    }
    for (const Reference* reference : form_references) {
        if (wanted != PartOfSpeech::unknown && reference->form_of != PartOfSpeech::unknown &&
            reference->form_of != wanted) {
            continue;
        }
        // "ground" is the past of "grind", but running text means the earth.
        const PartOfSpeech base_part =
            reference->form_of != PartOfSpeech::unknown ? reference->form_of : PartOfSpeech::verb;
        if (usage_.tagged_total(headword) > 2 * usage_.tagged_count(reference->target, base_part)) {
            continue;
        }
        // "bit" is the past of "bite", but the tagged lexicon meets it as a
        // noun first, and the article has the noun.
        const auto& tags = usage_.form_tags(headword);
        if (wanted == PartOfSpeech::unknown && !tags.empty() && !is_inflection_tag(tags.front()) &&
            part_by_form_tags(headword, entry) != PartOfSpeech::unknown) {
            continue;
        }
        if (auto target = follow(*reference, headword, wanted, depth)) {
            return target;
        }
    }

    // A reference such as "go 1" names the homograph and group it means;
    // keep to them when they exist.
    std::vector<const Candidate*> pool;
    for (const Candidate& c : entry.candidates) {
        if ((homograph == 0 || c.homograph == homograph) && (group == 0 || c.group == group)) {
            pool.push_back(&c);
        }
    }
    if (pool.empty()) {
        for (const Candidate& c : entry.candidates) {
            pool.push_back(&c);
        }
    }
    const PartOfSpeech part =
        wanted != PartOfSpeech::unknown ? wanted : usual_part(headword, entry);
    const auto first_of = [&pool](PartOfSpeech of, bool allow_marginal) -> const Candidate* {
        for (const Candidate* c : pool) {
            if ((of == PartOfSpeech::unknown || c->part == of) &&
                (allow_marginal || !c->marginal)) {
                return c;
            }
        }
        return nullptr;
    };
    const Candidate* chosen = nullptr;
    if (part != PartOfSpeech::unknown) {
        chosen = first_of(part, false);
        if (chosen == nullptr) {
            chosen = first_of(part, true);
        }
    }
    if (chosen == nullptr) {
        chosen = first_of(PartOfSpeech::unknown, false);
    }
    if (chosen != nullptr) {
        return chosen->translation;
    }
    for (const Reference& reference : entry.references) {
        if (auto target = follow(reference, headword, wanted, depth)) {
            return target;
        }
    }
    if (const Candidate* marginal = first_of(PartOfSpeech::unknown, true)) {
        return marginal->translation;
    }
    return std::nullopt;
}

std::optional<std::string> Importer::follow(const Reference& reference, const std::string& from,
                                            PartOfSpeech wanted, int depth) {
    if (reference.target == from && reference.homograph == 0 && reference.group == 0) {
        return std::nullopt;
    }
    const PartOfSpeech form_of =
        reference.form_of != PartOfSpeech::unknown ? reference.form_of : wanted;
    return resolve(reference.target, form_of, reference.homograph, reference.group, depth + 1);
}

std::optional<std::string> Importer::own_sense(const std::string& headword,
                                               PartOfSpeech part) const {
    const auto found = entries_.find(headword);
    if (found == entries_.end()) {
        return std::nullopt;
    }
    for (const Candidate& candidate : found->second.candidates) {
        if (candidate.article_rank == 0 && candidate.part == part && !candidate.marginal) {
            return candidate.translation;
        }
    }
    return std::nullopt;
}

}  // namespace qd_import
