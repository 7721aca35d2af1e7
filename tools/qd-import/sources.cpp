#include "sources.h"

#include <ostream>
#include <stdexcept>

namespace qd_import {

const char* const kSourceOptions =
    "  --index, --dict   the dictd dictionary (.index and .dict or .dict.dz)\n"
    "  --word-levels     folder of word lists by size level (<variety>-words.<level>):\n"
    "                    confirms inflected forms and ranks words by commonness\n"
    "  --word-list       a plain word list, counted as level 50 (when no levels exist)\n"
    "  --frequencies     \"<form> <count>\" lines: how often forms occur in running text;\n"
    "                    the commonest fill the records first\n"
    "  --wordnet         lexical database folder: part-of-speech use and irregular forms\n"
    "  --form-tags       \"<form> <tag>...\" lines: each form's word classes in running\n"
    "                    text, the commonest first; ranks the senses before the database\n"
    "  --reviewed        the reviewers' decisions, applied before every rule\n"
    "  --supplement      the team's translations of everyday words the source lacks\n";

bool take_source_option(const std::string& name, const std::string& value, SourcePaths& paths) {
    if (name == "--index") {
        paths.index = value;
    } else if (name == "--dict") {
        paths.dict = value;
    } else if (name == "--word-levels") {
        paths.level_folders.push_back(value);
    } else if (name == "--word-list") {
        paths.word_lists.push_back(value);
    } else if (name == "--frequencies") {
        paths.frequencies = value;
    } else if (name == "--wordnet") {
        paths.wordnet = value;
    } else if (name == "--form-tags") {
        paths.form_tags = value;
    } else if (name == "--reviewed") {
        paths.reviewed = value;
    } else if (name == "--supplement") {
        paths.supplement = value;
    } else {
        return false;
    }
    return true;
}

void load_sources(const SourcePaths& paths, Sources& sources, std::ostream& warnings) {
    for (const std::string& folder : paths.level_folders) {
        if (sources.ranks.add_level_folder(folder) == 0) {
            warnings << "warning: no word lists by level in " << folder << "\n";
        }
    }
    for (const std::string& list : paths.word_lists) {
        if (!sources.ranks.add_word_file(list, 50)) {
            warnings << "warning: cannot read " << list << "\n";
        }
    }
    if (!paths.frequencies.empty() && !sources.ranks.add_frequency_file(paths.frequencies)) {
        warnings << "warning: cannot read " << paths.frequencies << "\n";
    }
    if (sources.ranks.empty()) {
        warnings << "warning: no word list; no inflected forms are added\n";
    }
    if (!paths.wordnet.empty() && !sources.usage.read_folder(paths.wordnet)) {
        warnings << "warning: nothing read from " << paths.wordnet << "\n";
    }
    if (!paths.form_tags.empty() && !sources.usage.read_form_tags(paths.form_tags)) {
        warnings << "warning: cannot read " << paths.form_tags << "\n";
    }
    if (!paths.reviewed.empty()) {
        sources.reviewed = read_reviewed(paths.reviewed);
    }
    if (!paths.supplement.empty()) {
        sources.supplement = read_overrides(paths.supplement);
    }
    const vorna::Status read =
        vorna::read_dictd_articles({paths.index, paths.dict}, sources.articles);
    if (!read.ok()) {
        throw std::runtime_error(read.describe());
    }
}

}  // namespace qd_import
