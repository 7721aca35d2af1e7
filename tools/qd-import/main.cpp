// qd-import: builds a qd.dat from an English-Russian dictd dictionary.
#include <chrono>
#include <cstdio>
#include <exception>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/dictionary/dictd_dictionary.h"
#include "importer.h"
#include "overrides.h"
#include "qd_writer.h"
#include "word_lists.h"

namespace {

constexpr const char* kUsage =
    "usage: qd-import --index FILE --dict FILE -o OUTPUT\n"
    "                 [--word-levels DIR] [--word-list FILE] [--frequencies FILE]\n"
    "                 [--wordnet DIR] [--form-tags FILE]\n"
    "                 [--overrides FILE] [--supplement FILE] [--limit N]\n"
    "  --index, --dict   the dictd dictionary (.index and .dict or .dict.dz)\n"
    "  --word-levels     folder of word lists by size level (<variety>-words.<level>):\n"
    "                    confirms inflected forms and ranks words by commonness\n"
    "  --word-list       a plain word list, counted as level 50 (when no levels exist)\n"
    "  --frequencies     \"<form> <count>\" lines: how often forms occur in running text;\n"
    "                    the commonest fill the records first\n"
    "  --wordnet         lexical database folder: part-of-speech use and irregular forms\n"
    "  --form-tags       \"<form> <tag>...\" lines: each form's word classes in running\n"
    "                    text, the commonest first; ranks the senses before the database\n"
    "  --overrides       the team's table of corrections\n"
    "  --supplement      the team's translations of everyday words the source lacks\n"
    "  --limit           most records to write (default 59000: the program loads 60000,\n"
    "                    the rest is room for the reader's own words)\n";

struct Arguments {
    std::string index;
    std::string dict;
    std::string output;
    std::vector<std::string> level_folders;
    std::vector<std::string> word_lists;
    std::string frequencies;
    std::string wordnet;
    std::string form_tags;
    std::string overrides;
    std::string supplement;
    std::size_t limit = qd_import::kDefaultRecordLimit;
};

bool parse_arguments(int argc, char** argv, Arguments& args) {
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (i + 1 >= argc) {
            return false;
        }
        const std::string value = argv[++i];
        if (name == "--index") {
            args.index = value;
        } else if (name == "--dict") {
            args.dict = value;
        } else if (name == "-o" || name == "--output") {
            args.output = value;
        } else if (name == "--word-levels") {
            args.level_folders.push_back(value);
        } else if (name == "--word-list") {
            args.word_lists.push_back(value);
        } else if (name == "--frequencies") {
            args.frequencies = value;
        } else if (name == "--wordnet") {
            args.wordnet = value;
        } else if (name == "--form-tags") {
            args.form_tags = value;
        } else if (name == "--overrides") {
            args.overrides = value;
        } else if (name == "--supplement") {
            args.supplement = value;
        } else if (name == "--limit") {
            try {
                const long long limit = std::stoll(value);
                if (limit < 0) {
                    return false;
                }
                args.limit = static_cast<std::size_t>(limit);
            } catch (const std::exception&) {
                return false;
            }
        } else {
            return false;
        }
    }
    return !args.index.empty() && !args.dict.empty() && !args.output.empty();
}

}  // namespace

int main(int argc, char** argv) {
    Arguments args;
    if (!parse_arguments(argc, argv, args)) {
        std::cerr << kUsage;
        return 2;
    }
    const auto started = std::chrono::steady_clock::now();
    try {
        qd_import::WordRanks ranks;
        for (const std::string& folder : args.level_folders) {
            if (ranks.add_level_folder(folder) == 0) {
                std::cerr << "qd-import: warning: no word lists by level in " << folder << "\n";
            }
        }
        for (const std::string& list : args.word_lists) {
            if (!ranks.add_word_file(list, 50)) {
                std::cerr << "qd-import: warning: cannot read " << list << "\n";
            }
        }
        if (!args.frequencies.empty() && !ranks.add_frequency_file(args.frequencies)) {
            std::cerr << "qd-import: warning: cannot read " << args.frequencies << "\n";
        }
        if (ranks.empty()) {
            std::cerr << "qd-import: warning: no word list; no inflected forms are added\n";
        }
        qd_import::WordUsage usage;
        if (!args.wordnet.empty() && !usage.read_folder(args.wordnet)) {
            std::cerr << "qd-import: warning: nothing read from " << args.wordnet << "\n";
        }
        if (!args.form_tags.empty() && !usage.read_form_tags(args.form_tags)) {
            std::cerr << "qd-import: warning: cannot read " << args.form_tags << "\n";
        }
        qd_import::Overrides overrides;
        if (!args.overrides.empty()) {
            overrides = qd_import::read_overrides(args.overrides);
        }

        std::vector<vorna::DictdArticle> articles;
        const vorna::Status read = vorna::read_dictd_articles({args.index, args.dict}, articles);
        if (!read.ok()) {
            throw std::runtime_error(read.describe());
        }
        qd_import::Importer importer(ranks, usage, std::move(overrides));
        importer.add_articles(articles);
        if (!args.supplement.empty()) {
            importer.add_supplement(qd_import::read_overrides(args.supplement));
        }
        qd_import::ImportFigures figures;
        figures.articles = articles.size();
        const auto records = importer.records(args.limit, figures);
        const auto written = qd_import::write_qd_file(args.output, records);
        for (const std::string& headword : written.refused) {
            std::cerr << "qd-import: left out " << headword
                      << " (its translation has a character Windows-1251 lacks)\n";
        }

        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        std::printf(
            "qd-import: %zu articles, %zu single-word headwords, %zu translated (%zu from the "
            "table of corrections), %zu left out as names, %zu inflected forms, %zu other "
            "spellings, %zu -ly adverbs and %zu supplement words added, %zu rarest left out past "
            "the limit of %zu; %zu records written to %s in %.2f s\n",
            figures.articles, figures.headwords, figures.translated, figures.overridden,
            figures.names, figures.forms, figures.spellings, figures.adverbs, figures.supplement,
            figures.left_out, args.limit, written.written, args.output.c_str(), seconds);
    } catch (const std::exception& error) {
        std::cerr << "qd-import: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
