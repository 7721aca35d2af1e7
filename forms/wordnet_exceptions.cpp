#include "forms/wordnet_exceptions.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace vorna::forms {

namespace {

bool is_word(std::string_view text) {
    return !text.empty() && text.find('_') == std::string_view::npos;
}

}  // namespace

bool WordNetExceptions::read_folder(const std::string& folder) {
    bool any = false;
    for (const char* name : {"verb.exc", "noun.exc", "adj.exc", "adv.exc"}) {
        std::ifstream in(folder + "/" + name, std::ios::binary);
        if (!in)
            continue;
        add_list(std::string(std::istreambuf_iterator<char>(in), {}));
        any = true;
    }
    return any;
}

void WordNetExceptions::add_list(std::string_view text) {
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        std::vector<std::string_view> words;
        while (!line.empty()) {
            const std::size_t blank = std::min(line.find(' '), line.size());
            if (blank > 0)
                words.push_back(line.substr(0, blank));
            line.remove_prefix(std::min(blank + 1, line.size()));
        }
        if (words.size() < 2 || !is_word(words[0]))
            continue;
        std::vector<std::string>& bases = bases_[std::string(words[0])];
        for (std::size_t i = 1; i < words.size(); ++i) {
            const std::string base(words[i]);
            if (is_word(base) && base != words[0] &&
                std::find(bases.begin(), bases.end(), base) == bases.end())
                bases.push_back(base);
        }
    }
}

const std::vector<std::string>* WordNetExceptions::bases_of(std::string_view word) const {
    const auto found = bases_.find(std::string(word));
    return found == bases_.end() ? nullptr : &found->second;
}

}  // namespace vorna::forms
