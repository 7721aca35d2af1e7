#include "inflections.h"

#include "utf8_text.h"

namespace qd_import {
namespace {

bool is_vowel(char c) {
    return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u';
}

// stop, plan, admit: a last consonant after a single vowel may double.
bool may_double_last(const std::string& word) {
    const std::size_t n = word.size();
    if (n < 3) {
        return false;
    }
    const char last = word[n - 1];
    return !is_vowel(last) && last != 'w' && last != 'x' && last != 'y' && is_vowel(word[n - 2]) &&
           !is_vowel(word[n - 3]);
}

bool consonant_then_y(const std::string& word) {
    return word.size() >= 2 && word.back() == 'y' && !is_vowel(word[word.size() - 2]);
}

// The stems that take a vowel suffix (-ed, -ing, -er, -est).
std::vector<std::string> stems_for_vowel_suffix(const std::string& base) {
    std::vector<std::string> stems{base};
    if (may_double_last(base)) {
        stems.push_back(base + base.back());
    }
    return stems;
}

}  // namespace

std::vector<std::string> plural_or_third_person(const std::string& base) {
    if (base.empty()) {
        return {};
    }
    if (consonant_then_y(base)) {
        return {base.substr(0, base.size() - 1) + "ies"};
    }
    if (ends_with(base, "s") || ends_with(base, "x") || ends_with(base, "z") ||
        ends_with(base, "ch") || ends_with(base, "sh")) {
        return {base + "es"};
    }
    if (ends_with(base, "o")) {
        return {base + "s", base + "es"};
    }
    if (ends_with(base, "man")) {
        return {base.substr(0, base.size() - 3) + "men", base + "s"};  // gentlemen, Germans
    }
    return {base + "s"};
}

std::vector<std::string> past_forms(const std::string& base) {
    if (base.empty()) {
        return {};
    }
    if (base.back() == 'e') {
        return {base + "d"};
    }
    if (consonant_then_y(base)) {
        return {base.substr(0, base.size() - 1) + "ied"};
    }
    std::vector<std::string> forms;
    for (const std::string& stem : stems_for_vowel_suffix(base)) {
        forms.push_back(stem + "ed");
    }
    return forms;
}

std::vector<std::string> ing_forms(const std::string& base) {
    if (base.empty()) {
        return {};
    }
    if (ends_with(base, "ie")) {
        return {base.substr(0, base.size() - 2) + "ying"};
    }
    if (base.back() == 'e' && base.size() > 2) {
        // make -> making, but see -> seeing, dye -> dyeing
        return {base.substr(0, base.size() - 1) + "ing", base + "ing"};
    }
    std::vector<std::string> forms;
    for (const std::string& stem : stems_for_vowel_suffix(base)) {
        forms.push_back(stem + "ing");
    }
    return forms;
}

std::vector<std::string> comparison_forms(const std::string& base) {
    if (base.empty()) {
        return {};
    }
    if (base.back() == 'e') {
        return {base + "r", base + "st"};
    }
    if (consonant_then_y(base)) {
        const std::string stem = base.substr(0, base.size() - 1);
        return {stem + "ier", stem + "iest"};
    }
    std::vector<std::string> forms;
    for (const std::string& stem : stems_for_vowel_suffix(base)) {
        forms.push_back(stem + "er");
        forms.push_back(stem + "est");
    }
    return forms;
}

std::vector<PossibleBase> possible_bases(const std::string& form) {
    struct Suffix {
        const char* ending;
        FormKind kind;
    };
    static const Suffix kSuffixes[] = {
        {"s", FormKind::plural_or_third_person},
        {"es", FormKind::plural_or_third_person},
        {"ies", FormKind::plural_or_third_person},
        {"d", FormKind::past},
        {"ed", FormKind::past},
        {"ied", FormKind::past},
        {"ing", FormKind::ing},
        {"ying", FormKind::ing},
        {"r", FormKind::comparison},
        {"er", FormKind::comparison},
        {"st", FormKind::comparison},
        {"est", FormKind::comparison},
        {"ier", FormKind::comparison},
        {"iest", FormKind::comparison},
    };
    const auto forms_of = [](const std::string& base, FormKind kind) {
        switch (kind) {
            case FormKind::plural_or_third_person:
                return plural_or_third_person(base);
            case FormKind::past:
                return past_forms(base);
            case FormKind::ing:
                return ing_forms(base);
            case FormKind::comparison:
                return comparison_forms(base);
        }
        return std::vector<std::string>{};
    };
    std::vector<PossibleBase> bases;
    const auto try_base = [&](const std::string& base, FormKind kind) {
        if (base.size() < 2) {
            return;
        }
        for (const PossibleBase& known : bases) {
            if (known.base == base && known.kind == kind) {
                return;
            }
        }
        for (const std::string& made : forms_of(base, kind)) {
            if (made == form) {
                bases.push_back({base, kind});
                return;
            }
        }
    };
    for (const Suffix& suffix : kSuffixes) {
        const std::string ending = suffix.ending;
        if (form.size() <= ending.size() + 1 || !ends_with(form, ending)) {
            continue;
        }
        const std::string stem = form.substr(0, form.size() - ending.size());
        // The stem itself, with a final e or y back, or with a doubled
        // consonant undone.
        try_base(stem, suffix.kind);
        try_base(stem + "e", suffix.kind);
        try_base(stem + "y", suffix.kind);
        try_base(stem + "ie", suffix.kind);
        if (stem.size() >= 2 && stem.back() == stem[stem.size() - 2]) {
            try_base(stem.substr(0, stem.size() - 1), suffix.kind);
        }
    }
    return bases;
}

}  // namespace qd_import
