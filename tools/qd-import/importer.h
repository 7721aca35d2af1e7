#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "article.h"
#include "core/dictionary/dictd_dictionary.h"
#include "overrides.h"
#include "qd_writer.h"
#include "reviewed.h"
#include "sense_text.h"
#include "word_lists.h"

namespace qd_import {

using vorna::DictdArticle;

// The program loads at most 60,000 records; the default dictionary keeps
// 1,000 of them free for the reader's corrections and new words.
constexpr std::size_t kDefaultRecordLimit = 59000;

struct ImportFigures {
    std::size_t articles = 0;
    std::size_t headwords = 0;     // single-word headwords the source has
    std::size_t translated = 0;    // of those, the ones given a translation
    std::size_t forms = 0;         // inflected forms added
    std::size_t overridden = 0;    // records whose translation the table gave
    std::size_t left_out = 0;      // dropped, the rarest first, to keep within the limit
    std::size_t names = 0;         // headwords left out as names (only slang senses)
    std::size_t supplement = 0;    // everyday words the source lacks, from the team's list
    std::size_t spellings = 0;     // American and British spellings given the other one's record
    std::size_t adverbs = 0;       // -ly adverbs made from their adjective's sense
    std::size_t reviewed_out = 0;  // headwords the review leaves without a record
};

// Turns the articles of an English-Russian dictd dictionary into qd.dat
// records: one short translation per headword, references followed,
// inflected forms added, the commonest words kept within `limit`. Its parts
// live in importer_*.cpp, one concept a file.
class Importer {
  public:
    // The word lists are only referred to: they must outlive the importer.
    Importer(const WordRanks& ranks, const WordUsage& usage, Overrides overrides);
    Importer(WordRanks&&, const WordUsage&, Overrides) = delete;
    Importer(const WordRanks&, WordUsage&&, Overrides) = delete;

    // The reviewers' decisions: they come before every rule, and the forms
    // of a reviewed word follow it. Call before add_articles.
    void add_reviewed(const ReviewedWords& reviewed);
    void add_articles(const std::vector<DictdArticle>& articles);
    // Everyday words the source lacks: used for a headword nothing else gives.
    void add_supplement(const Overrides& words);

    // The translation of a headword; with `wanted` set, the sense of that
    // part of speech when the word has one (a verb form takes the verb's).
    std::optional<std::string> translate(const std::string& headword,
                                         PartOfSpeech wanted = PartOfSpeech::unknown);

    std::vector<QdRecord> records(std::size_t limit, ImportFigures& figures);

    // The headwords whose "sense" decision names a translation that their
    // article does not hold, in alphabetical order.
    std::vector<std::string> unattested_senses() const;
    // The headwords a form may be a form of ("served" serve, "went" go),
    // those the source has, the likeliest first.
    std::vector<std::string> bases_of(const std::string& form) const;

  private:
    struct Candidate {
        int article_rank = 0;  // 0 for the article whose headword is the key as written
        int homograph = 1;
        int group = 0;
        PartOfSpeech part = PartOfSpeech::unknown;
        bool marginal = false;
        bool colloquial = false;
        std::string translation;
    };
    struct Entry {
        std::vector<Candidate> candidates;
        std::vector<Reference> references;
        // "_p. от may": the article opens by naming the word it is a form of.
        std::optional<Reference> leading_form_reference;
    };
    struct Ranked {
        std::string headword;
        std::string translation;
        int level = 0;
        long long count = 0;  // occurrences in running text
        bool is_form = false;
    };

    std::optional<std::string> resolve(const std::string& headword, PartOfSpeech wanted,
                                       int homograph, int group, int depth);
    std::optional<std::string> follow(const Reference& reference, const std::string& from,
                                      PartOfSpeech wanted, int depth);
    PartOfSpeech usual_part(const std::string& headword, const Entry& entry) const;
    PartOfSpeech part_by_form_tags(const std::string& headword, const Entry& entry) const;
    std::optional<std::string> translate_as_form(const std::string& headword);
    std::optional<std::string> translate_comparison(const std::string& form, bool superlative);
    std::optional<std::string> compared_form(const std::string& form, const std::string& base);
    bool is_name(const std::string& headword) const;
    bool earns_possessive(const std::string& base) const;
    bool has_part(const Entry& entry, PartOfSpeech part) const;
    void add_forms(std::vector<Ranked>& ranked, std::unordered_map<std::string, bool>& taken);
    void add_negations(std::vector<Ranked>& ranked,
                       std::unordered_map<std::string, bool>& taken) const;
    std::size_t add_supplement_forms(std::vector<Ranked>& ranked,
                                     std::unordered_map<std::string, bool>& taken);
    std::size_t add_american_spellings(std::vector<Ranked>& ranked,
                                       std::unordered_map<std::string, bool>& taken);
    std::size_t add_adverbs(std::vector<Ranked>& ranked,
                            std::unordered_map<std::string, bool>& taken);
    int level_of(const std::string& headword) const;
    void check_attested(const std::string& headword, const std::string& article_text);
    // The article's own first plain sense of that part, references aside.
    std::optional<std::string> own_sense(const std::string& headword, PartOfSpeech part) const;

    const WordRanks& ranks_;
    const WordUsage& usage_;
    Overrides overrides_;
    Overrides supplement_;
    std::map<std::pair<std::string, PartOfSpeech>, std::string> by_part_;
    std::unordered_set<std::string> no_record_;
    // "sense" decisions (headword, translation), and whether their article
    // holds the translation.
    std::map<std::pair<std::string, std::string>, bool> sense_attested_;
    std::unordered_map<std::string, Entry> entries_;
    std::vector<std::string> headword_order_;
    std::unordered_map<std::string, std::optional<std::string>> plain_translations_;
};

// Whether a source key can be a qd.dat headword that a lookup may meet:
// a-z first, then letters, apostrophes, hyphens and dots only.
bool is_usable_headword(const std::string& key);

}  // namespace qd_import
