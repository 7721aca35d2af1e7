#include "inflections.h"

namespace qd_import {
namespace {

bool is_vowel(char c) {
    return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u';
}

bool ends_with(const std::string& word, const std::string& tail) {
    return word.size() >= tail.size() &&
           word.compare(word.size() - tail.size(), tail.size(), tail) == 0;
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

}  // namespace qd_import
