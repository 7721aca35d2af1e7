// dictionary-coverage: how many word occurrences of English texts a qd.dat
// translates, counted the way a lookup sees the text.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/dictionary/dictionary_loader.h"
#include "core/dictionary/word_search.h"
#include "core/engine/silent_hosts.h"
#include "core/io/private_folder.h"
#include "word_occurrences.h"

namespace {

// Loads qd.dat as the programs do, so a word counts as found exactly when a
// translation would find it.
void load_headwords(vorna::DictionaryStore& store, const std::string& path) {
    vorna::PrivateFolder work_folder;
    vorna::Status status = work_folder.create("dictionary-coverage-");
    vorna::SilentLoadProgress sink;
    if (status.ok())
        status = vorna::load_dictionary_file(store, path, work_folder.path(), sink);
    if (!status.ok())
        throw std::runtime_error(status.describe());
}

void print_top(const std::map<std::string, int>& counts, std::size_t how_many) {
    std::vector<std::pair<std::string, int>> sorted(counts.begin(), counts.end());
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    if (sorted.size() > how_many) {
        sorted.resize(how_many);
    }
    for (const auto& [word, count] : sorted) {
        std::printf("    %6d  %s\n", count, word.c_str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: dictionary-coverage QD_DAT TEXT... [--unknown N]\n";
        return 2;
    }
    std::size_t top = 20;
    std::vector<std::string> texts;
    for (int i = 2; i < argc; ++i) {
        if (std::string(argv[i]) == "--unknown" && i + 1 < argc) {
            top = static_cast<std::size_t>(std::stoul(argv[++i]));
        } else {
            texts.emplace_back(argv[i]);
        }
    }
    try {
        auto store = std::make_unique<vorna::DictionaryStore>();
        load_headwords(*store, argv[1]);
        std::map<std::string, int> all_unknown;
        long long all_found = 0;
        long long all_total = 0;
        for (const std::string& path : texts) {
            std::ifstream in(path, std::ios::binary);
            if (!in) {
                throw std::runtime_error("cannot open " + path);
            }
            std::stringstream content;
            content << in.rdbuf();
            long long found = 0;
            long long total = 0;
            std::map<std::string, int> unknown;
            for (const std::string& word : vorna_tools::looked_up_words(content.str())) {
                ++total;
                if (vorna::find_word(*store, word).outcome == vorna::WordMatch::Outcome::found) {
                    ++found;
                } else {
                    ++unknown[word];
                    ++all_unknown[word];
                }
            }
            all_found += found;
            all_total += total;
            std::printf("%s: %lld of %lld looked-up word occurrences found (%.2f%%)\n",
                        path.c_str(), found, total,
                        total == 0
                            ? 100.0
                            : 100.0 * static_cast<double>(found) / static_cast<double>(total));
            print_top(unknown, top);
        }
        std::printf("all texts: %lld of %lld found (%.2f%%); most frequent unknown words:\n",
                    all_found, all_total,
                    all_total == 0
                        ? 100.0
                        : 100.0 * static_cast<double>(all_found) / static_cast<double>(all_total));
        print_top(all_unknown, top);
    } catch (const std::exception& error) {
        std::cerr << "dictionary-coverage: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
