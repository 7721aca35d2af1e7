// qd-review: shows, for a range of ranks of the frequency list, each form
// beside the word it is a form of, the translation the import gives it
// today and its article's senses, so a reviewer can decide quickly. It
// never chooses a translation itself.
#include <algorithm>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "article.h"
#include "importer.h"
#include "sources.h"
#include "utf8_text.h"

namespace {

constexpr const char* kUsage =
    "usage: qd-review --index FILE --dict FILE --frequencies FILE --from RANK --to RANK\n"
    "                 [--blind] [the other source options of qd-import]\n"
    "  --from, --to      the ranks of data/word-frequencies.txt to show (1 = the commonest)\n"
    "  --blind           leave out today's translation and the decisions already made,\n"
    "                    for a second reviewer who must not see the first one's choice\n";

// Senses shown a word, and the bytes of a sense's text, at most.
constexpr std::size_t kMostSenses = 14;
constexpr std::size_t kSenseWidth = 110;

struct Arguments {
    qd_import::SourcePaths sources;
    long long from = 0;
    long long to = 0;
    bool blind = false;
};

bool parse_arguments(int argc, char** argv, Arguments& args) {
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--blind") {
            args.blind = true;
            continue;
        }
        if (i + 1 >= argc) {
            return false;
        }
        const std::string value = argv[++i];
        if (qd_import::take_source_option(name, value, args.sources)) {
            continue;
        }
        try {
            if (name == "--from") {
                args.from = std::stoll(value);
            } else if (name == "--to") {
                args.to = std::stoll(value);
            } else {
                return false;
            }
        } catch (const std::exception&) {
            return false;
        }
    }
    return !args.sources.index.empty() && !args.sources.dict.empty() &&
           !args.sources.frequencies.empty() && args.from >= 1 && args.to >= args.from;
}

// The forms of the frequency list from rank `from` to `to`, as it writes them.
std::vector<std::pair<long long, std::string>> forms_in_ranks(const std::string& path,
                                                              long long from, long long to) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot open " + path);
    }
    std::vector<std::pair<long long, std::string>> forms;
    long long rank = 0;
    for (std::string line; std::getline(in, line) && rank < to;) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        ++rank;
        if (rank >= from) {
            forms.emplace_back(rank, line.substr(0, line.find(' ')));
        }
    }
    return forms;
}

const char* part_label(qd_import::PartOfSpeech part) {
    using qd_import::PartOfSpeech;
    switch (part) {
        case PartOfSpeech::noun:
            return "n";
        case PartOfSpeech::verb:
            return "v";
        case PartOfSpeech::adjective:
            return "adj";
        case PartOfSpeech::adverb:
            return "adv";
        case PartOfSpeech::pronoun:
            return "pron";
        case PartOfSpeech::preposition:
            return "prep";
        case PartOfSpeech::conjunction:
            return "conj";
        case PartOfSpeech::numeral:
            return "num";
        case PartOfSpeech::interjection:
            return "int";
        case PartOfSpeech::unknown:
            break;
    }
    return "-";
}

// Blanks collapsed, and cut at a character's edge when too long.
std::string one_line(const std::string& text, std::size_t width) {
    std::string line;
    for (char c : text) {
        const bool blank = c == ' ' || c == '\n' || c == '\t' || c == '\r';
        if (!blank) {
            line += c;
        } else if (!line.empty() && line.back() != ' ') {
            line += ' ';
        }
    }
    if (line.size() > width) {
        std::size_t cut = width;
        while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        line = line.substr(0, cut) + "…";
    }
    return qd_import::trim(line);
}

void print_article(const std::string& headword, const std::vector<const std::string*>& texts) {
    std::size_t shown = 0;
    for (const std::string* text : texts) {
        const qd_import::ParsedArticle parsed = qd_import::parse_article(*text);
        for (const qd_import::Sense& sense : parsed.senses) {
            const std::string body = one_line(sense.text, kSenseWidth);
            // Part-of-speech labels and transcriptions alone say nothing to choose from.
            if (!qd_import::contains_cyrillic(body) || shown == kMostSenses) {
                continue;
            }
            ++shown;
            std::cout << "        " << headword << " " << part_label(sense.part_of_speech)
                      << (sense.marginal ? " (rare)" : "") << (sense.colloquial ? " (colloq)" : "")
                      << ": " << body << "\n";
        }
    }
    if (shown == 0) {
        std::cout << "        " << headword << ": (no article)\n";
    }
}

const char* mark_name(qd_import::ReviewMark mark) {
    switch (mark) {
        case qd_import::ReviewMark::sense:
            return "sense";
        case qd_import::ReviewMark::added:
            return "new";
        case qd_import::ReviewMark::no_record:
            return "none";
    }
    return "";
}

void print_decisions(const std::string& word, const qd_import::ReviewedWords& reviewed) {
    const auto plain = reviewed.words.find(word);
    if (plain != reviewed.words.end()) {
        std::cout << "        reviewed: " << word << " " << mark_name(plain->second.mark) << " "
                  << plain->second.translation << "\n";
    }
    for (const auto& [key, decision] : reviewed.by_part) {
        if (key.first == word) {
            std::cout << "        reviewed: " << word << "/" << part_label(key.second) << " "
                      << mark_name(decision.mark) << " " << decision.translation << "\n";
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    Arguments args;
    if (!parse_arguments(argc, argv, args)) {
        std::cerr << kUsage << qd_import::kSourceOptions;
        return 2;
    }
    try {
        auto sources = std::make_unique<qd_import::Sources>();
        qd_import::load_sources(args.sources, *sources, std::cerr);
        if (args.blind) {
            sources->reviewed = {};
        }
        qd_import::Importer importer(sources->ranks, sources->usage, {});
        importer.add_reviewed(sources->reviewed);
        importer.add_articles(sources->articles);
        importer.add_supplement(sources->supplement);
        std::unordered_map<std::string, std::string> today;
        if (!args.blind) {
            qd_import::ImportFigures figures;
            for (auto& record : importer.records(qd_import::kDefaultRecordLimit, figures)) {
                today.emplace(std::move(record.headword), std::move(record.translation));
            }
        }

        const auto forms = forms_in_ranks(args.sources.frequencies, args.from, args.to);
        std::map<std::string, std::vector<std::string>> bases;
        std::set<std::string> wanted;
        for (const auto& [rank, form] : forms) {
            const std::string word = qd_import::ascii_lower(form);
            bases[word] = importer.bases_of(word);
            wanted.insert(word);
            wanted.insert(bases[word].begin(), bases[word].end());
        }
        std::unordered_map<std::string, std::vector<const std::string*>> articles;
        for (const vorna::DictdArticle& article : sources->articles) {
            const std::string key = qd_import::ascii_lower(qd_import::trim(article.key));
            if (wanted.count(key) > 0) {
                articles[key].push_back(&article.text);
            }
        }

        for (const auto& [rank, form] : forms) {
            const std::string word = qd_import::ascii_lower(form);
            const auto& word_bases = bases[word];
            std::cout << rank << "  " << form;
            if (!word_bases.empty()) {
                std::cout << "  (form of " << word_bases.front() << ")";
            }
            if (!args.blind) {
                const auto found = today.find(word);
                std::cout << "  now: " << (found == today.end() ? "(no record)" : found->second);
            }
            std::cout << "\n";
            if (!args.blind) {
                print_decisions(word, sources->reviewed);
                for (const std::string& base : word_bases) {
                    print_decisions(base, sources->reviewed);
                }
            }
            print_article(word, articles[word]);
            if (!word_bases.empty()) {
                print_article(word_bases.front(), articles[word_bases.front()]);
            }
        }
    } catch (const std::exception& error) {
        std::cerr << "qd-review: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
