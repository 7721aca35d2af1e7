#include "core/dictionary/dictionary_lines.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "core/dictionary/dictionary_file.h"
#include "core/text/text_case.h"

namespace vorna {

DictionaryLines::DictionaryLines(const std::string& bytes)
    : encoding_(detect_source_encoding(bytes)), decoder_(encoding_) {
    std::string_view text = bytes;
    if (starts_with_byte_order_mark(text)) {
        text.remove_prefix(kUtf8ByteOrderMark.size());
        start_ = std::string(kUtf8ByteOrderMark);
    }
    lines_.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    for_each_line(text, [&](std::string_view line) {
        const std::size_t end = static_cast<std::size_t>(line.data() - bytes.data()) + line.size();
        std::string line_end;
        if (end < bytes.size())
            line_end = bytes[end] == '\r' ? "\r\n" : "\n";
        if (line_end_.empty())
            line_end_ = line_end;
        lines_.push_back(make_line(std::string(line), std::move(line_end)));
        count(lines_.back(), 1);
        if (lines_.back().record)
            lines_of_word_[lines_.back().word].push_back(lines_.size() - 1);
    });
    // CR LF, the format's own, when no line has ended yet.
    if (line_end_.empty())
        line_end_ = "\r\n";
}

DictionaryLines::Line DictionaryLines::make_line(std::string text, std::string end) {
    Line line;
    line.record = !text.empty() && text.front() >= 'a' && text.front() <= 'z';
    if (line.record)
        line.word = lower_headword(decoder_.decode(parse_record(text).headword));
    line.high = std::any_of(text.begin(), text.end(),
                            [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    // Only a Windows-1251 file can turn into UTF-8; a UTF-8 one is valid.
    line.utf8 = !line.high || encoding_ != SourceEncoding::windows_1251 || is_valid_utf8(text);
    line.text = std::move(text);
    line.end = std::move(end);
    return line;
}

void DictionaryLines::count(const Line& line, int sign) {
    const auto step = [sign](std::size_t& counter, bool counts) {
        if (counts)
            counter = sign > 0 ? counter + 1 : counter - 1;
    };
    step(records_, line.record);
    step(high_lines_, line.high);
    step(non_utf8_lines_, !line.utf8);
}

bool DictionaryLines::holds(const std::string& headword) const {
    return first_line(headword) != nullptr;
}

const std::string* DictionaryLines::first_line(const std::string& headword) const {
    if (const auto found = lines_of_word_.find(headword); found != lines_of_word_.end())
        return &lines_[found->second.front()].text;
    if (const auto added = added_.find(headword); added != added_.end())
        return &added->second.text;
    return nullptr;
}

bool DictionaryLines::set(const std::string& headword, const std::string& text) {
    const auto found = lines_of_word_.find(headword);
    const auto added = added_.find(headword);
    std::vector<const Line*> replaced;
    if (found != lines_of_word_.end()) {
        for (const std::size_t i : found->second)
            replaced.push_back(&lines_[i]);
    } else if (added != added_.end()) {
        replaced.push_back(&added->second);
    }
    Line line = make_line(text, {});
    // Windows-1251 bytes that happen to read as UTF-8 would turn the whole
    // file into UTF-8 at the next load.
    if (encoding_ == SourceEncoding::windows_1251) {
        std::size_t high = high_lines_ + line.high;
        std::size_t non_utf8 = non_utf8_lines_ + !line.utf8;
        for (const Line* old : replaced) {
            high -= old->high;
            non_utf8 -= !old->utf8;
        }
        if (high > 0 && non_utf8 == 0)
            return false;
    }
    count(line, 1);
    if (found != lines_of_word_.end()) {
        std::vector<std::size_t>& places = found->second;
        for (const std::size_t i : places) {
            count(lines_[i], -1);
            lines_[i].gone = true;
        }
        Line& first = lines_[places.front()];
        line.end = std::move(first.end);  // the line keeps its own line end
        first = std::move(line);
        places.resize(1);
    } else if (added != added_.end()) {
        count(added->second, -1);
        added->second = std::move(line);
    } else {
        added_.emplace(headword, std::move(line));
    }
    return true;
}

void DictionaryLines::remove(const std::string& headword) {
    if (const auto found = lines_of_word_.find(headword); found != lines_of_word_.end()) {
        for (const std::size_t i : found->second) {
            count(lines_[i], -1);
            lines_[i].gone = true;
        }
        lines_of_word_.erase(found);
    }
    if (const auto added = added_.find(headword); added != added_.end()) {
        count(added->second, -1);
        added_.erase(added);
    }
}

// Where each added line goes, `added` being sorted by headword: before the
// line numbered so, after the last record that sorts before it, or before
// the first record when none does. Added lines that share a place keep
// their sorted order, as one by one they would take it.
std::vector<std::size_t> DictionaryLines::places_of_added(
    const std::vector<const Line*>& added) const {
    std::vector<std::pair<const std::string*, std::size_t>> records;
    std::size_t first_record = lines_.size();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].record && !lines_[i].gone) {
            records.emplace_back(&lines_[i].word, i);
            first_record = std::min(first_record, i);
        }
    }
    std::sort(records.begin(), records.end(),
              [](const auto& a, const auto& b) { return *a.first < *b.first; });
    std::vector<std::size_t> places;
    places.reserve(added.size());
    std::size_t next = 0;
    bool any_before = false;
    std::size_t last_before = 0;
    for (const Line* line : added) {
        for (; next < records.size() && *records[next].first < line->word; ++next) {
            last_before =
                any_before ? std::max(last_before, records[next].second) : records[next].second;
            any_before = true;
        }
        places.push_back(any_before ? last_before + 1 : first_record);
    }
    return places;
}

std::string DictionaryLines::bytes() const {
    std::vector<const Line*> added;
    added.reserve(added_.size());
    for (const auto& entry : added_)
        added.push_back(&entry.second);
    std::sort(added.begin(), added.end(),
              [](const Line* a, const Line* b) { return a->word < b->word; });
    const std::vector<std::size_t> places = places_of_added(added);

    std::vector<std::pair<const std::string*, const std::string*>> out;  // text, end
    out.reserve(lines_.size() + added.size());
    std::size_t next_added = 0;
    // Added lines in place order; stable, so those of one place stay sorted.
    std::vector<std::size_t> order(added.size());
    for (std::size_t k = 0; k < order.size(); ++k)
        order[k] = k;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return places[a] < places[b]; });
    for (std::size_t i = 0; i <= lines_.size(); ++i) {
        for (; next_added < order.size() && places[order[next_added]] == i; ++next_added)
            out.emplace_back(&added[order[next_added]]->text, &line_end_);
        if (i < lines_.size() && !lines_[i].gone)
            out.emplace_back(&lines_[i].text, &lines_[i].end);
    }
    // Only the file's last line goes without a line end, as it did.
    bool last_unended = false;
    for (std::size_t i = lines_.size(); i-- > 0;) {
        if (!lines_[i].gone) {
            last_unended = lines_[i].end.empty();
            break;
        }
    }
    std::size_t size = start_.size();
    for (const auto& [text, end] : out)
        size += text->size() + end->size();
    std::string bytes;
    bytes.reserve(size);
    bytes += start_;
    for (std::size_t k = 0; k < out.size(); ++k) {
        bytes += *out[k].first;
        const bool last = k + 1 == out.size();
        if (last && last_unended)
            continue;
        bytes += out[k].second->empty() ? line_end_ : *out[k].second;
    }
    return bytes;
}

}  // namespace vorna
