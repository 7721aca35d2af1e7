#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/dictionary/dictd_data.h"
#include "core/dictionary/dictd_index.h"
#include "core/io/status.h"

namespace vorna {

// The two files of a dictd dictionary.
struct DictdFiles {
    std::string index;
    std::string data;
};

// Where the English-Russian dictionary the default qd.dat is built from is
// installed, with its full articles.
DictdFiles installed_article_files();

// One article of a dictd dictionary under its index key.
struct DictdArticle {
    std::string key;   // as the index has it
    std::string text;  // UTF-8, the headword on its first line
};

// Every article in index order, for the importer. Fails, naming the file,
// when a file cannot be read or an index record points outside the text.
Status read_dictd_articles(const DictdFiles& files, std::vector<DictdArticle>& articles);

// A dictd dictionary opened for looking words up. Nothing is read until the
// first lookup; then the index is read once and articles are inflated as
// they are asked for.
class DictdDictionary {
  public:
    explicit DictdDictionary(DictdFiles files) : files_(std::move(files)) {}

    // True when both files are there to be read.
    bool installed() const;
    // The articles filed under `key`, in index order, each once and together
    // no longer than kMaxArticleBytes past the first; none when it has none.
    Status articles(std::string_view key, std::vector<std::string>& texts);

  private:
    Status open();

    DictdFiles files_;
    std::optional<Status> opened_;  // the outcome of the first open
    std::unique_ptr<DictdIndex> index_;
    DictdData data_;
};

}  // namespace vorna
