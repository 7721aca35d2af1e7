#pragma once

#include <array>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "article.h"

namespace qd_import {

// How common English words are: the size level of the packaged word lists
// (10 = the commonest words, 95 = the rarest) at which a word first appears.
class WordRanks {
  public:
    static constexpr int kUnlisted = 100;

    // Reads every "<variety>-words.<level>" file of a word-list folder made
    // of size levels (english, american and british spellings). Returns the
    // number of files read.
    int add_level_folder(const std::string& folder);
    // A plain list of words, all at one level.
    bool add_word_file(const std::string& path, int level);
    void add(const std::string& word, int level);

    // A list of "<form> <count>" lines (the commonest first, '#' comments):
    // how often each form occurs in running text. A form written with a
    // capital mostly occurs so. Returns false when the file cannot be read.
    bool add_frequency_file(const std::string& path);
    void add_count(const std::string& form, long long count, bool mostly_capitalised);

    bool empty() const { return levels_.empty() && counts_.empty(); }
    bool contains(const std::string& word) const {
        return levels_.count(word) > 0 || counts_.count(word) > 0;
    }
    int level(const std::string& word) const;
    // The forms of running text, in alphabetical order.
    std::vector<std::string> counted_forms() const;
    // Occurrences of the form in running text; 0 when the list lacks it.
    long long count(const std::string& word) const;
    bool mostly_capitalised(const std::string& word) const;
    // Whether a word list writes the word with a capital ("Jane", "May").
    bool listed_capitalised(const std::string& word) const;
    // The words only the American or only the British lists hold ("color",
    // "colour").
    const std::unordered_set<std::string>& american_only() const { return american_; }
    const std::unordered_set<std::string>& british_only() const { return british_; }

  private:
    struct Occurrences {
        long long count = 0;
        bool capitalised = false;
    };
    std::unordered_map<std::string, int> levels_;
    std::unordered_map<std::string, Occurrences> counts_;
    std::unordered_set<std::string> capitalised_;
    std::unordered_set<std::string> american_;
    std::unordered_set<std::string> british_;
};

// What the lexical database says of English words: how often each part of
// speech of a word was met in its sense-tagged texts, and the irregular forms.
class WordUsage {
  public:
    // Reads the tagged counts of cntlist.rev (or, without it, the number of
    // tagged senses in index.{noun,verb,adj,adv}) and {noun,verb,adj,adv}.exc;
    // returns false when the folder holds none of them.
    bool read_folder(const std::string& folder);

    // Tagged occurrences of the word as that part of speech (0 when unknown).
    int tagged_count(const std::string& word, PartOfSpeech part) const;
    // Of all four parts together, counting the word's own lemma only.
    int tagged_total(const std::string& word) const;
    void set_tagged_count(const std::string& word, PartOfSpeech part, int count);

    // "<form> <tag> <tag>...": each form's word-class tags in a lexicon of
    // running text, the commonest first ("trains NNS VBZ"). Returns false
    // when the file cannot be read.
    bool read_form_tags(const std::string& path);
    void set_form_tags(const std::string& form, std::vector<std::string> tags);
    // Empty when the lexicon lacks the form.
    const std::vector<std::string>& form_tags(const std::string& form) const;

    struct IrregularForm {
        std::string form;
        std::string base;
        PartOfSpeech part;
    };
    const std::vector<IrregularForm>& irregular_forms() const { return irregular_; }
    void add_irregular_form(IrregularForm form);
    bool is_irregular_form_of(const std::string& form, const std::string& base) const;
    bool has_irregular_forms(const std::string& base, PartOfSpeech part) const;
    // The base words an irregular form belongs to, with the part of speech.
    std::vector<std::pair<std::string, PartOfSpeech>> bases_of(const std::string& form) const;

  private:
    static std::size_t slot(PartOfSpeech part);
    bool read_sense_counts(const std::string& path);
    std::unordered_map<std::string, std::array<int, 4>> counts_;
    std::vector<IrregularForm> irregular_;
    std::unordered_map<std::string, std::vector<std::pair<std::string, PartOfSpeech>>>
        bases_of_form_;
    std::unordered_set<std::string> irregular_bases_;  // "<part index>:<base>"
    std::unordered_map<std::string, std::vector<std::string>> form_tags_;
};

}  // namespace qd_import
