#include "importer.h"

#include <algorithm>
#include <array>
#include <functional>
#include <tuple>
#include <unordered_set>

#include "adverbs.h"
#include "form_tags.h"
#include "inflections.h"
#include "russian_forms.h"
#include "spelling_variants.h"
#include "utf8_text.h"

namespace qd_import {
namespace {

// References may chain (a form of a variant of a word) but never loop for long.
constexpr int kMaxReferenceDepth = 6;

// The tagged texts count content words only: a word tagged for fewer than
// this share of its occurrences in running text is mostly a function word
// ("under" 5 tagged of 13,358, "while" 23 of 17,821; "now" 528 of 163,333
// and "only" 627 of 55,269 are adverbs).
constexpr double kContentShareFloor = 1.5 / 1000;

// A possessive earns a slot only for a noun met this often in running text;
// it is met about a tenth as often as its noun.
constexpr long long kPossessiveFloor = 200;
constexpr long long kPossessiveShare = 10;

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

bool only_small_letters(const std::string& word) {
    return !word.empty() &&
           std::all_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

}  // namespace

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

// Possessives of rare nouns would crowd out common words: only a noun met
// often enough in running text gets one.
bool Importer::earns_possessive(const std::string& base) const {
    const auto found = entries_.find(base);
    return found != entries_.end() && ranks_.count(base) >= kPossessiveFloor &&
           usual_part(base, found->second) == PartOfSpeech::noun;
}

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

// "bigger", "easiest", "worse": a comparison form of the base adjective
// takes the Russian comparative or superlative ("больше", "самый лёгкий").
std::optional<std::string> Importer::compared_form(const std::string& form,
                                                   const std::string& base) {
    const auto ends_in = [&form](const std::string& ending) {
        return form.size() > ending.size() &&
               form.compare(form.size() - ending.size(), ending.size(), ending) == 0;
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

int Importer::level_of(const std::string& headword) const {
    std::string word = headword;
    if (!word.empty() && word.back() == '.') {
        word.pop_back();
    }
    return ranks_.level(word);
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
