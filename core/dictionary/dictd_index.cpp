#include "core/dictionary/dictd_index.h"

#include <algorithm>
#include <numeric>
#include <type_traits>

#include "core/io/file_bytes.h"

namespace vorna {

namespace {

int digit_value(char c) {
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

char folded(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

bool less_folded(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(folded(x)) < static_cast<unsigned char>(folded(y));
    });
}

std::string_view field(std::string_view line, std::size_t& pos) {
    const std::size_t end = std::min(line.find('\t', pos), line.size());
    const std::string_view value = line.substr(pos, end - pos);
    pos = end + 1;
    return value;
}

}  // namespace

bool decode_dictd_number(std::string_view digits, uint64_t& value) {
    // Ten digits hold 60 bits, more than any file has.
    if (digits.empty() || digits.size() > 10)
        return false;
    value = 0;
    for (const char c : digits) {
        const int digit = digit_value(c);
        if (digit < 0)
            return false;
        value = value * 64 + static_cast<uint64_t>(digit);
    }
    return true;
}

bool parse_dictd_index(std::string_view text, std::vector<DictdIndexRecord>& records,
                       std::string& reason) {
    records.clear();
    std::size_t line_number = 0;
    while (!text.empty()) {
        ++line_number;
        const std::size_t line_feed = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, line_feed);
        text.remove_prefix(std::min(line_feed + 1, text.size()));
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (std::count(line.begin(), line.end(), '\t') < 2)
            continue;
        std::size_t pos = 0;
        const std::string_view key = field(line, pos);
        const std::string_view offset = field(line, pos);
        const std::string_view length = field(line, pos);
        if (key.rfind("00-database", 0) == 0 || key.rfind("00database", 0) == 0)
            continue;
        DictdIndexRecord record{std::string(key), {}};
        if (!decode_dictd_number(offset, record.location.offset) ||
            !decode_dictd_number(length, record.location.length)) {
            reason = "line " + std::to_string(line_number) + ": not an offset and a length";
            records.clear();
            return false;
        }
        records.push_back(std::move(record));
    }
    return true;
}

Status read_dictd_index(const std::string& path, std::vector<DictdIndexRecord>& records) {
    std::string text;
    const Status read = read_whole_file(path, text);
    if (!read.ok())
        return read;
    std::string reason;
    if (!parse_dictd_index(text, records, reason))
        return Status::failure(path, reason);
    return {};
}

DictdIndex::DictdIndex(std::vector<DictdIndexRecord> records) : records_(std::move(records)) {
    by_key_.resize(records_.size());
    std::iota(by_key_.begin(), by_key_.end(), 0u);
    std::stable_sort(by_key_.begin(), by_key_.end(), [this](uint32_t a, uint32_t b) {
        return less_folded(records_[a].key, records_[b].key);
    });
}

std::vector<DictdLocation> DictdIndex::find(std::string_view key) const {
    const auto range =
        std::equal_range(by_key_.begin(), by_key_.end(), key, [this](const auto& a, const auto& b) {
            if constexpr (std::is_same_v<std::decay_t<decltype(a)>, uint32_t>) {
                return less_folded(records_[a].key, b);
            } else {
                return less_folded(a, records_[b].key);
            }
        });
    std::vector<DictdLocation> found;
    for (auto it = range.first; it != range.second; ++it)
        found.push_back(records_[*it].location);
    return found;
}

}  // namespace vorna
