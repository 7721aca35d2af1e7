// qd-import: builds a qd.dat from an English-Russian dictd dictionary.
#include <chrono>
#include <cstdio>
#include <exception>
#include <iostream>
#include <memory>
#include <string>

#include "importer.h"
#include "qd_writer.h"
#include "sources.h"

namespace {

constexpr const char* kUsage =
    "usage: qd-import --index FILE --dict FILE -o OUTPUT\n"
    "                 [--word-levels DIR] [--word-list FILE] [--frequencies FILE]\n"
    "                 [--wordnet DIR] [--form-tags FILE]\n"
    "                 [--reviewed FILE] [--supplement FILE] [--limit N]\n";

struct Arguments {
    qd_import::SourcePaths sources;
    std::string output;
    std::size_t limit = qd_import::kDefaultRecordLimit;
};

bool parse_arguments(int argc, char** argv, Arguments& args) {
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (i + 1 >= argc) {
            return false;
        }
        const std::string value = argv[++i];
        if (qd_import::take_source_option(name, value, args.sources)) {
            continue;
        }
        if (name == "-o" || name == "--output") {
            args.output = value;
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
    return !args.sources.index.empty() && !args.sources.dict.empty() && !args.output.empty();
}

void print_review_figures(const qd_import::ReviewedWords& reviewed) {
    std::size_t marks[3] = {0, 0, 0};
    for (const auto& [headword, decision] : reviewed.words) {
        ++marks[static_cast<int>(decision.mark)];
    }
    for (const auto& [key, decision] : reviewed.by_part) {
        ++marks[static_cast<int>(decision.mark)];
    }
    std::printf(
        "qd-import: reviewed: %zu headwords and %zu part-of-speech lines; %zu senses of the "
        "article, %zu words the article lacks, %zu without a record\n",
        reviewed.words.size(), reviewed.by_part.size(), marks[0], marks[1], marks[2]);
}

}  // namespace

int main(int argc, char** argv) {
    Arguments args;
    if (!parse_arguments(argc, argv, args)) {
        std::cerr << kUsage << qd_import::kSourceOptions
                  << "  --limit           most records to write (default 59000: the program "
                     "loads 60000,\n"
                     "                    the rest is room for the reader's own words)\n";
        return 2;
    }
    const auto started = std::chrono::steady_clock::now();
    try {
        auto sources = std::make_unique<qd_import::Sources>();
        qd_import::load_sources(args.sources, *sources, std::cerr);
        qd_import::Importer importer(sources->ranks, sources->usage, {});
        importer.add_reviewed(sources->reviewed);
        importer.add_articles(sources->articles);
        importer.add_supplement(sources->supplement);
        qd_import::ImportFigures figures;
        figures.articles = sources->articles.size();
        const auto records = importer.records(args.limit, figures);
        const auto written = qd_import::write_qd_file(args.output, records);
        for (const std::string& headword : written.refused) {
            std::cerr << "qd-import: left out " << headword
                      << " (its translation has a character Windows-1251 lacks)\n";
        }
        for (const std::string& decision : importer.unattested_senses()) {
            std::cerr << "qd-import: warning: reviewed as a sense of the article, which lacks it: "
                      << decision << "\n";
        }

        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        std::printf(
            "qd-import: %zu articles, %zu single-word headwords, %zu translated (%zu as "
            "reviewed), %zu left out as names (%zu by review), %zu inflected forms, %zu other "
            "spellings, %zu -ly adverbs and %zu supplement words added, %zu rarest left out past "
            "the limit of %zu; %zu records written to %s in %.2f s\n",
            figures.articles, figures.headwords, figures.translated, figures.overridden,
            figures.names + figures.reviewed_out, figures.reviewed_out, figures.forms,
            figures.spellings, figures.adverbs, figures.supplement, figures.left_out, args.limit,
            written.written, args.output.c_str(), seconds);
        print_review_figures(sources->reviewed);
    } catch (const std::exception& error) {
        std::cerr << "qd-import: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
