#include "word_lists.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unordered_set>

#include "utf8_text.h"

namespace qd_import {

int WordRanks::add_level_folder(const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code error;
    int files = 0;
    for (const auto& item : fs::directory_iterator(folder, error)) {
        const std::string name = item.path().filename().string();
        const std::size_t dot = name.rfind('.');
        if (dot == std::string::npos) {
            continue;
        }
        const std::string stem = name.substr(0, dot);
        const std::string suffix = name.substr(dot + 1);
        // Every list of the three main spellings: words, capitalised words,
        // abbreviations and contractions (not the variant spellings).
        const bool is_words_file = stem.rfind("english-", 0) == 0 ||
                                   stem.rfind("american-", 0) == 0 ||
                                   stem.rfind("british-", 0) == 0;
        // The plain words of each spelling, for pairing "color" with "colour".
        std::unordered_set<std::string>* variety = nullptr;
        if (stem == "american-words") {
            variety = &american_;
        } else if (stem == "british-words") {
            variety = &british_;
        }
        if (variety != nullptr) {
            std::ifstream in(item.path(), std::ios::binary);
            for (std::string line; std::getline(in, line);) {
                variety->insert(trim(line));
            }
        }
        if (!is_words_file || suffix.empty() ||
            suffix.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        if (add_word_file(item.path().string(), std::stoi(suffix))) {
            ++files;
        }
    }
    return files;
}

bool WordRanks::add_word_file(const std::string& path, int level) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::string line;
    while (std::getline(in, line)) {
        const std::string word = trim(line);
        if (!word.empty()) {
            add(word, level);
        }
    }
    return true;
}

void WordRanks::add(const std::string& word, int level) {
    // Lists keep capitalised words apart; lookups are lower-cased, so the
    // commonest spelling of either case counts.
    const std::string key = ascii_lower(word);
    if (key != word) {
        capitalised_.insert(key);
    }
    const auto found = levels_.find(key);
    if (found == levels_.end() || found->second > level) {
        levels_[key] = level;
    }
}

int WordRanks::level(const std::string& word) const {
    const auto found = levels_.find(word);
    return found == levels_.end() ? kUnlisted : found->second;
}

bool WordRanks::add_frequency_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::istringstream fields(line);
        std::string form;
        long long count = 0;
        if (fields >> form >> count && count > 0) {
            const bool capitalised = form[0] >= 'A' && form[0] <= 'Z';
            add_count(form, count, capitalised);
        }
    }
    return true;
}

void WordRanks::add_count(const std::string& form, long long count, bool mostly_capitalised) {
    Occurrences& known = counts_[ascii_lower(form)];
    known.count += count;
    known.capitalised = mostly_capitalised;
}

std::vector<std::string> WordRanks::counted_forms() const {
    std::vector<std::string> forms;
    forms.reserve(counts_.size());
    for (const auto& [form, occurrences] : counts_) {
        forms.push_back(form);
    }
    std::sort(forms.begin(), forms.end());
    return forms;
}

long long WordRanks::count(const std::string& word) const {
    const auto found = counts_.find(word);
    return found == counts_.end() ? 0 : found->second.count;
}

bool WordRanks::listed_capitalised(const std::string& word) const {
    return capitalised_.count(word) > 0;
}

bool WordRanks::mostly_capitalised(const std::string& word) const {
    const auto found = counts_.find(word);
    return found != counts_.end() && found->second.capitalised;
}

std::size_t WordUsage::slot(PartOfSpeech part) {
    switch (part) {
        case PartOfSpeech::noun:
            return 0;
        case PartOfSpeech::verb:
            return 1;
        case PartOfSpeech::adjective:
            return 2;
        case PartOfSpeech::adverb:
            return 3;
        default:
            return 4;
    }
}

int WordUsage::tagged_total(const std::string& word) const {
    const auto found = counts_.find(word);
    if (found == counts_.end()) {
        return 0;
    }
    int total = 0;
    for (const int count : found->second) {
        total += count;
    }
    return total;
}

int WordUsage::tagged_count(const std::string& word, PartOfSpeech part) const {
    const std::size_t index = slot(part);
    if (index >= 4) {
        return 0;
    }
    const auto found = counts_.find(word);
    int count = found != counts_.end() ? found->second[index] : 0;
    // The tagged texts count "better" under "good": an irregular form is
    // used as often as its base is in that part of speech.
    const auto bases = bases_of_form_.find(word);
    if (bases != bases_of_form_.end()) {
        for (const auto& [base, base_part] : bases->second) {
            if (base_part == part) {
                const auto base_counts = counts_.find(base);
                count += base_counts != counts_.end() ? base_counts->second[index] : 0;
            }
        }
    }
    return count;
}

bool WordUsage::is_irregular_form_of(const std::string& form, const std::string& base) const {
    const auto bases = bases_of_form_.find(form);
    return bases != bases_of_form_.end() &&
           std::any_of(bases->second.begin(), bases->second.end(),
                       [&base](const auto& known) { return known.first == base; });
}

std::vector<std::pair<std::string, PartOfSpeech>> WordUsage::bases_of(
    const std::string& form) const {
    const auto bases = bases_of_form_.find(form);
    return bases == bases_of_form_.end() ? std::vector<std::pair<std::string, PartOfSpeech>>{}
                                         : bases->second;
}

bool WordUsage::has_irregular_forms(const std::string& base, PartOfSpeech part) const {
    return irregular_bases_.count(std::to_string(slot(part)) + ":" + base) > 0;
}

void WordUsage::add_irregular_form(IrregularForm form) {
    irregular_bases_.insert(std::to_string(slot(form.part)) + ":" + form.base);
    bases_of_form_[form.form].emplace_back(form.base, form.part);
    irregular_.push_back(std::move(form));
}

void WordUsage::set_tagged_count(const std::string& word, PartOfSpeech part, int count) {
    const std::size_t index = slot(part);
    if (index < 4) {
        counts_[word][index] = count;
    }
}

bool WordUsage::read_form_tags(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        std::string form;
        if (line.empty() || line[0] == '#' || !(fields >> form)) {
            continue;
        }
        std::vector<std::string> tags;
        for (std::string tag; fields >> tag;) {
            tags.push_back(tag);
        }
        set_form_tags(form, std::move(tags));
    }
    return true;
}

void WordUsage::set_form_tags(const std::string& form, std::vector<std::string> tags) {
    form_tags_[form] = std::move(tags);
}

const std::vector<std::string>& WordUsage::form_tags(const std::string& form) const {
    static const std::vector<std::string> kNone;
    const auto found = form_tags_.find(form);
    return found == form_tags_.end() ? kNone : found->second;
}

// cntlist.rev: "lemma%type:file:id:head:hid sense_number tag_count", type 1
// noun, 2 verb, 3 adjective, 4 adverb, 5 adjective satellite.
bool WordUsage::read_sense_counts(const std::string& path) {
    std::ifstream in(path);
    if (!in) {
        return false;
    }
    static const std::array<PartOfSpeech, 6> kTypes = {
        PartOfSpeech::unknown,   PartOfSpeech::noun,   PartOfSpeech::verb,
        PartOfSpeech::adjective, PartOfSpeech::adverb, PartOfSpeech::adjective};
    counts_.clear();
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string key;
        int sense = 0;
        int tagged = 0;
        const std::size_t percent = line.find('%');
        if (!(fields >> key >> sense >> tagged) || percent == std::string::npos ||
            percent + 1 >= line.size()) {
            continue;
        }
        const int type = line[percent + 1] - '0';
        if (type < 1 || type > 5) {
            continue;
        }
        const std::size_t index = slot(kTypes[static_cast<std::size_t>(type)]);
        counts_[key.substr(0, percent)][index] += tagged;
    }
    return true;
}

bool WordUsage::read_folder(const std::string& folder) {
    struct Source {
        const char* name;
        PartOfSpeech part;
    };
    static const std::array<Source, 4> kSources = {{{"noun", PartOfSpeech::noun},
                                                    {"verb", PartOfSpeech::verb},
                                                    {"adj", PartOfSpeech::adjective},
                                                    {"adv", PartOfSpeech::adverb}}};
    bool any = false;
    for (const Source& source : kSources) {
        // index.<pos>: lemma pos synset_cnt p_cnt [ptr...] sense_cnt tagsense_cnt ...
        std::ifstream index(folder + "/index." + source.name);
        std::string line;
        while (index && std::getline(index, line)) {
            if (line.empty() || line[0] == ' ') {
                continue;  // the licence text at the top
            }
            std::istringstream fields(line);
            std::string lemma;
            std::string pos;
            int synsets = 0;
            int pointers = 0;
            fields >> lemma >> pos >> synsets >> pointers;
            std::string skipped;
            for (int i = 0; i < pointers; ++i) {
                fields >> skipped;
            }
            int senses = 0;
            int tagged = 0;
            if (fields >> senses >> tagged) {
                set_tagged_count(lemma, source.part, tagged);
                any = true;
            }
        }
        std::ifstream exceptions(folder + "/" + source.name + ".exc");
        while (exceptions && std::getline(exceptions, line)) {
            std::istringstream fields(line);
            std::string form;
            std::string base;
            if (fields >> form >> base) {
                add_irregular_form({form, base, source.part});
                any = true;
            }
        }
    }
    // The counts of tagged occurrences rank the parts of speech far better
    // than the number of tagged senses does.
    return read_sense_counts(folder + "/cntlist.rev") || any;
}

}  // namespace qd_import
