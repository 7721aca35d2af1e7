#include "importer.h"

#include <algorithm>
#include <string_view>

#include "form_tags.h"
#include "inflections.h"
#include "russian_forms.h"
#include "utf8_text.h"

// Headwords read as forms of another word: their bases and what they mean.

namespace qd_import {

std::vector<std::string> Importer::bases_of(const std::string& form) const {
    std::vector<std::string> bases;
    const auto add = [&](const std::string& base) {
        if (base != form && entries_.count(base) > 0 &&
            std::find(bases.begin(), bases.end(), base) == bases.end()) {
            bases.push_back(base);
        }
    };
    for (const auto& [base, part] : usage_.bases_of(form)) {
        add(base);
    }
    const auto found = entries_.find(form);
    if (found != entries_.end()) {
        for (const Reference& reference : found->second.references) {
            if (reference.form_of != PartOfSpeech::unknown ||
                usage_.is_irregular_form_of(form, reference.target)) {
                add(reference.target);
            }
        }
    }
    // "never" is no comparative of "neve", nor "mother" of "moth": a form
    // running text uses as a word of its own has no regular base.
    const auto& tags = usage_.form_tags(form);
    if (found == entries_.end() || (!tags.empty() && is_inflection_tag(tags.front()))) {
        std::vector<std::string> regular;
        for (const PossibleBase& possible : possible_bases(form)) {
            if (entries_.count(possible.base) > 0) {
                regular.push_back(possible.base);
            }
        }
        // "does" is a form of "do" rather than of "doe".
        std::stable_sort(regular.begin(), regular.end(),
                         [this](const std::string& a, const std::string& b) {
                             return ranks_.count(a) > ranks_.count(b);
                         });
        for (const std::string& base : regular) {
            add(base);
        }
    }
    return bases;
}

// "laws", "ladies", "going", "won": a headword that is also a form of a
// commoner word means what that word means, unless the tagged texts meet it
// as a word of its own more often ("evening" is not a form of "even").
std::optional<std::string> Importer::translate_as_form(const std::string& headword) {
    if (overrides_.count(headword) > 0) {
        return std::nullopt;
    }
    const auto& tags = usage_.form_tags(headword);
    if (!tags.empty()) {
        const std::string& tag = tags.front();
        const auto& entry = entries_.at(headword);
        // "evening", "interesting": running text uses it as a word of its own.
        if (!is_inflection_tag(tag) &&
            std::any_of(entry.candidates.begin(), entry.candidates.end(),
                        [&tag](const Candidate& c) { return tag_allows(tag, c.part); })) {
            return std::nullopt;
        }
        // "longer RB JJR": a comparative however it is mostly tagged.
        const auto tagged = [&tags](const char* wanted) {
            return std::find(tags.begin(), tags.end(), wanted) != tags.end();
        };
        const bool superlative = tagged("JJS") || tagged("RBS");
        if (superlative || tagged("JJR") || tagged("RBR")) {
            if (auto compared = translate_comparison(headword, superlative)) {
                return compared;
            }
        }
    }
    const int own = usage_.tagged_total(headword);
    const auto outweighs = [&](const std::string& base, PartOfSpeech part) {
        return base != headword && entries_.count(base) > 0 && has_part(entries_.at(base), part) &&
               2 * own < usage_.tagged_count(base, part);
    };
    for (const auto& [base, part] : usage_.bases_of(headword)) {
        if (outweighs(base, part)) {
            return translate(base, part);
        }
    }
    for (const PossibleBase& possible : possible_bases(headword)) {
        PartOfSpeech part = PartOfSpeech::verb;
        if (possible.kind == FormKind::comparison) {
            part = PartOfSpeech::adjective;
        } else if (possible.kind == FormKind::plural_or_third_person &&
                   (tags.empty() ? usage_.tagged_count(possible.base, PartOfSpeech::noun) >=
                                       usage_.tagged_count(possible.base, PartOfSpeech::verb)
                                 : tags.front() == "NNS")) {
            part = PartOfSpeech::noun;
        }
        // "bed" is no past of "be": a verb with an irregular past has no regular one.
        if (possible.kind == FormKind::past && usage_.has_irregular_forms(possible.base, part)) {
            continue;
        }
        if (outweighs(possible.base, part)) {
            return translate(possible.base, part);
        }
    }
    return std::nullopt;
}

// "better", "longer", "best": the comparative or superlative of the base
// adjective's sense ("лучше", "длиннее", "лучший").
std::optional<std::string> Importer::translate_comparison(const std::string& form,
                                                          bool superlative) {
    std::vector<std::string> bases;
    for (const auto& [base, part] : usage_.bases_of(form)) {
        if (part == PartOfSpeech::adjective) {
            bases.push_back(base);
        }
    }
    for (const PossibleBase& possible : possible_bases(form)) {
        if (possible.kind == FormKind::comparison) {
            bases.push_back(possible.base);
        }
    }
    for (const std::string& base : bases) {
        const auto found = entries_.find(base);
        if (base == form || found == entries_.end() ||
            !has_part(found->second, PartOfSpeech::adjective)) {
            continue;
        }
        if (const auto adjective = translate(base, PartOfSpeech::adjective)) {
            if (auto compared =
                    superlative ? superlative_of(*adjective) : comparative_of(*adjective)) {
                return compared;
            }
        }
    }
    return std::nullopt;
}

// "bigger", "easiest", "worse": a comparison form of the base adjective
// takes the Russian comparative or superlative ("больше", "самый лёгкий").
std::optional<std::string> Importer::compared_form(const std::string& form,
                                                   const std::string& base) {
    const auto ends_in = [&form](std::string_view ending) {
        return form.size() > ending.size() && ends_with(form, ending);
    };
    const auto& tags = usage_.form_tags(form);
    const auto tagged = [&tags](const char* tag) {
        return std::find(tags.begin(), tags.end(), tag) != tags.end();
    };
    const bool superlative = ends_in("est") || tagged("JJS") || tagged("RBS");
    if (!superlative && !ends_in("er") && !tagged("JJR") && !tagged("RBR")) {
        return std::nullopt;
    }
    const auto adjective = translate(base, PartOfSpeech::adjective);
    if (!adjective) {
        return std::nullopt;
    }
    return superlative ? superlative_of(*adjective) : comparative_of(*adjective);
}

}  // namespace qd_import
