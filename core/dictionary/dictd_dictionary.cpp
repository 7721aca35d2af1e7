#include "core/dictionary/dictd_dictionary.h"

#include <set>
#include <utility>

#include "core/io/file_bytes.h"

namespace vorna {

DictdFiles installed_article_files() {
    return {"/usr/share/dictd/mueller7.index", "/usr/share/dictd/mueller7.dict.dz"};
}

Status read_dictd_articles(const DictdFiles& files, std::vector<DictdArticle>& articles) {
    articles.clear();
    std::vector<DictdIndexRecord> records;
    Status status = read_dictd_index(files.index, records);
    if (!status.ok())
        return status;
    DictdData data;
    status = data.open(files.data);
    if (!status.ok())
        return status;
    articles.reserve(records.size());
    for (DictdIndexRecord& record : records) {
        std::string text;
        status = data.read(record.location, text);
        if (!status.ok()) {
            articles.clear();
            return Status::failure(files.index, "the record of \"" + record.key +
                                                    "\" points outside " + files.data + " (" +
                                                    status.reason() + ")");
        }
        articles.push_back({std::move(record.key), std::move(text)});
    }
    return {};
}

bool DictdDictionary::installed() const {
    return check_readable_file(files_.index).ok() && check_readable_file(files_.data).ok();
}

Status DictdDictionary::open() {
    std::vector<DictdIndexRecord> records;
    Status status = read_dictd_index(files_.index, records);
    if (status.ok())
        status = data_.open(files_.data);
    if (status.ok())
        index_ = std::make_unique<DictdIndex>(std::move(records));
    return status;
}

Status DictdDictionary::articles(std::string_view key, std::vector<std::string>& texts) {
    texts.clear();
    if (!opened_)
        opened_ = open();
    if (!opened_->ok())
        return *opened_;
    // A damaged index may file one article under a key again and again, or
    // thousands of them: each article is given once, and no more of them
    // than one long article's worth.
    std::set<std::pair<uint64_t, uint64_t>> given;
    uint64_t total = 0;
    for (const DictdLocation& location : index_->find(key)) {
        if (!given.insert({location.offset, location.length}).second)
            continue;
        if (total + location.length > kMaxArticleBytes && !texts.empty())
            break;
        std::string text;
        const Status status = data_.read(location, text);
        if (!status.ok()) {
            texts.clear();
            return status;
        }
        total += text.size();
        texts.push_back(std::move(text));
    }
    return {};
}

}  // namespace vorna
