#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "core/dictionary/dictd_dictionary.h"
#include "overrides.h"
#include "reviewed.h"
#include "word_lists.h"

namespace qd_import {

// Where the importer's sources are, as the command lines name them.
struct SourcePaths {
    std::string index;
    std::string dict;
    std::vector<std::string> level_folders;
    std::vector<std::string> word_lists;
    std::string frequencies;
    std::string wordnet;
    std::string form_tags;
    std::string reviewed;
    std::string supplement;
};

// The options both qd-import and qd-review take, for their usage texts.
extern const char* const kSourceOptions;

// Takes "--index FILE" and the other source options; false for another name.
bool take_source_option(const std::string& name, const std::string& value, SourcePaths& paths);

struct Sources {
    WordRanks ranks;
    WordUsage usage;
    ReviewedWords reviewed;
    Overrides supplement;
    std::vector<vorna::DictdArticle> articles;
};

// Reads every source named; a missing optional one is a warning on
// `warnings`, an unreadable dictionary or decisions file an exception.
void load_sources(const SourcePaths& paths, Sources& sources, std::ostream& warnings);

}  // namespace qd_import
