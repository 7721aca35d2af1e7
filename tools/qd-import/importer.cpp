#include "importer.h"

#include <algorithm>
#include <functional>
#include <tuple>
#include <unordered_set>
#include <utility>

#include "utf8_text.h"

// The importer's input (articles, reviewed decisions, supplement) and the
// records it makes of them.

namespace qd_import {

bool is_usable_headword(const std::string& key) {
    if (key.empty() || key[0] < 'a' || key[0] > 'z') {
        return false;
    }
    return std::all_of(key.begin(), key.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || c == '\'' || c == '-' || c == '.';
    });
}

Importer::Importer(const WordRanks& ranks, const WordUsage& usage, Overrides overrides)
    : ranks_(ranks), usage_(usage), overrides_(std::move(overrides)) {}

void Importer::add_reviewed(const ReviewedWords& reviewed) {
    for (const auto& [headword, decision] : reviewed.words) {
        if (decision.mark == ReviewMark::no_record) {
            no_record_.insert(headword);
            overrides_.erase(headword);
            continue;
        }
        overrides_[headword] = decision.translation;
        if (decision.mark == ReviewMark::sense) {
            sense_attested_.emplace(std::make_pair(headword, decision.translation), false);
        }
    }
    for (const auto& [key, decision] : reviewed.by_part) {
        by_part_[key] = decision.translation;
        if (decision.mark == ReviewMark::sense) {
            sense_attested_.emplace(std::make_pair(key.first, decision.translation), false);
        }
    }
}

std::vector<std::string> Importer::unattested_senses() const {
    std::vector<std::string> unattested;
    for (const auto& [decided, attested] : sense_attested_) {
        if (!attested) {
            unattested.push_back(decided.first + " " + decided.second);
        }
    }
    return unattested;
}

void Importer::check_attested(const std::string& headword, const std::string& article_text) {
    for (auto it = sense_attested_.lower_bound({headword, std::string()});
         it != sense_attested_.end() && it->first.first == headword; ++it) {
        it->second = it->second || article_has_translation(article_text, it->first.second);
    }
}

void Importer::add_supplement(const Overrides& words) {
    supplement_.insert(words.begin(), words.end());
}

void Importer::add_articles(const std::vector<DictdArticle>& articles) {
    for (const DictdArticle& article : articles) {
        const std::string key = ascii_lower(trim(article.key));
        if (!is_usable_headword(key)) {
            continue;  // phrases and symbols: a word lookup never meets them
        }
        const ParsedArticle parsed = parse_article(article.text);
        check_attested(key, article.text);
        // "may" and "May" share a key; the article written as the key comes first.
        const int rank = parsed.headword == key ? 0 : 1;
        auto [slot, is_new] = entries_.try_emplace(key);
        if (is_new) {
            headword_order_.push_back(key);
        }
        Entry& entry = slot->second;
        const bool opens_entry = entry.candidates.empty() && entry.references.empty();
        for (const Sense& sense : parsed.senses) {
            const bool is_first = opens_entry && &sense == &parsed.senses.front();
            if (auto translation = short_translation(sense.text)) {
                entry.candidates.push_back({rank, sense.homograph, sense.group,
                                            sense.part_of_speech, sense.marginal, sense.colloquial,
                                            std::move(*translation)});
            } else if (auto reference = find_reference(sense.text)) {
                if (is_first && rank == 0 && reference->form_of != PartOfSpeech::unknown) {
                    entry.leading_form_reference = reference;
                }
                entry.references.push_back(std::move(*reference));
            }
        }
        std::stable_sort(
            entry.candidates.begin(), entry.candidates.end(),
            [](const Candidate& a, const Candidate& b) { return a.article_rank < b.article_rank; });
    }
}

// A headword that running text mostly writes with a capital, that the word
// lists know as a name, and whose every sense is slang or rare ("jane"): to
// the reader it is a name.
bool Importer::is_name(const std::string& headword) const {
    if (!ranks_.mostly_capitalised(headword) || !ranks_.listed_capitalised(headword)) {
        return false;
    }
    const auto found = entries_.find(headword);
    if (found == entries_.end() || found->second.candidates.empty() ||
        overrides_.count(headword) > 0) {
        return false;
    }
    const auto& candidates = found->second.candidates;
    return std::all_of(candidates.begin(), candidates.end(),
                       [](const Candidate& c) { return c.marginal || c.colloquial; });
}

int Importer::level_of(const std::string& headword) const {
    std::string word = headword;
    if (!word.empty() && word.back() == '.') {
        word.pop_back();
    }
    return ranks_.level(word);
}

std::vector<QdRecord> Importer::records(std::size_t limit, ImportFigures& figures) {
    std::vector<Ranked> ranked;
    std::unordered_map<std::string, bool> taken;
    std::unordered_set<std::string> untranslated;
    figures.headwords = headword_order_.size();
    for (const std::string& headword : no_record_) {
        taken[headword] = true;
    }
    for (const std::string& headword : headword_order_) {
        taken[headword] = true;
        if (no_record_.count(headword) > 0) {
            ++figures.reviewed_out;
            continue;
        }
        if (is_name(headword)) {
            ++figures.names;
            continue;  // shown as written, like other names
        }
        auto translation = translate_as_form(headword);
        if (!translation) {
            translation = translate(headword);
        }
        if (!translation) {
            untranslated.insert(headword);
        } else {
            ++figures.translated;
            figures.overridden += overrides_.count(headword);
            ranked.push_back(
                {headword, *translation, level_of(headword), ranks_.count(headword), false});
            // "mr." is looked up as "mr": word characters have no dot. A
            // reviewed "mrs" is the reader's word, not the article's.
            if (headword.back() == '.' && headword.find('.') == headword.size() - 1) {
                const std::string bare = headword.substr(0, headword.size() - 1);
                if (entries_.count(bare) == 0 && taken.count(bare) == 0 &&
                    overrides_.count(bare) == 0 && no_record_.count(bare) == 0) {
                    taken[bare] = true;
                    ranked.push_back(
                        {bare, *translation, level_of(bare), ranks_.count(bare), false});
                }
            }
        }
    }
    for (const auto& [headword, translation] : overrides_) {
        if (taken.count(headword) == 0 && is_usable_headword(headword)) {
            taken[headword] = true;
            ++figures.overridden;
            ranked.push_back(
                {headword, translation, level_of(headword), ranks_.count(headword), false});
        }
    }
    // An article that yields no translation ("sake", "elsewhere") leaves
    // its headword to the supplement.
    for (const auto& [headword, translation] : supplement_) {
        const bool free = taken.count(headword) == 0 || untranslated.count(headword) > 0;
        if (free && is_usable_headword(headword)) {
            taken[headword] = true;
            ++figures.supplement;
            ranked.push_back(
                {headword, translation, level_of(headword), ranks_.count(headword), false});
        }
    }
    add_negations(ranked, taken);
    const std::size_t before_forms = ranked.size();
    add_forms(ranked, taken);
    figures.forms = ranked.size() - before_forms;
    figures.forms += add_supplement_forms(ranked, taken);
    figures.spellings = add_american_spellings(ranked, taken);
    figures.adverbs = add_adverbs(ranked, taken);

    // Commonest in running text first; the forms the counts lack by the
    // level of the word lists, a word before the forms of others.
    std::sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) {
        return std::make_tuple(-a.count, a.level, a.is_form, std::cref(a.headword)) <
               std::make_tuple(-b.count, b.level, b.is_form, std::cref(b.headword));
    });
    if (ranked.size() > limit) {
        figures.left_out = ranked.size() - limit;
        ranked.resize(limit);
    }
    std::sort(ranked.begin(), ranked.end(),
              [](const Ranked& a, const Ranked& b) { return a.headword < b.headword; });
    std::vector<QdRecord> records;
    records.reserve(ranked.size());
    for (Ranked& item : ranked) {
        records.push_back({std::move(item.headword), std::move(item.translation)});
    }
    return records;
}

}  // namespace qd_import
