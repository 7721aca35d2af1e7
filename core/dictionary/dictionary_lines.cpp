#include "core/dictionary/dictionary_lines.h"

#include <algorithm>
#include <string_view>

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
        lines_.push_back(make_line(std::string(line), std::move(line_end)));
        count(lines_.back(), 1);
    });
}

DictionaryLines::Line DictionaryLines::make_line(std::string text, std::string end) {
    Line line;
    line.record = !text.empty() && text.front() >= 'a' && text.front() <= 'z';
    if (line.record) {
        line.word = lower_headword(decoder_.decode(parse_record(text).headword));
    }
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

std::vector<std::size_t> DictionaryLines::lines_of_word(const std::string& headword) const {
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].record && lines_[i].word == headword)
            found.push_back(i);
    }
    return found;
}

bool DictionaryLines::holds(const std::string& headword) const {
    return std::any_of(lines_.begin(), lines_.end(),
                       [&](const Line& line) { return line.record && line.word == headword; });
}

// In a sorted file a new line lands among its neighbours: after the last
// record that sorts before it, or before the first record.
std::size_t DictionaryLines::place_for(const std::string& headword) const {
    std::size_t place = lines_.size();
    bool before_any_record = true;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (!lines_[i].record)
            continue;
        const bool sorts_before = lines_[i].word < headword;
        if (before_any_record || sorts_before)
            place = sorts_before ? i + 1 : i;
        before_any_record = false;
    }
    return place;
}

// The line end of the file's first line; CR LF, the format's own, when no
// line has ended yet.
std::string DictionaryLines::line_end() const {
    for (const Line& line : lines_) {
        if (!line.end.empty())
            return line.end;
    }
    return "\r\n";
}

bool DictionaryLines::set(const std::string& headword, const std::string& text) {
    const std::vector<std::size_t> found = lines_of_word(headword);
    Line line = make_line(text, {});
    // Windows-1251 bytes that happen to read as UTF-8 would turn the whole
    // file into UTF-8 at the next load.
    if (encoding_ == SourceEncoding::windows_1251) {
        std::size_t high = high_lines_ + line.high;
        std::size_t non_utf8 = non_utf8_lines_ + !line.utf8;
        for (const std::size_t i : found) {
            high -= lines_[i].high;
            non_utf8 -= !lines_[i].utf8;
        }
        if (high > 0 && non_utf8 == 0)
            return false;
    }
    if (!found.empty()) {
        line.end = lines_[found.front()].end;  // the line keeps its own line end
        count(lines_[found.front()], -1);
        count(line, 1);
        lines_[found.front()] = std::move(line);
        for (std::size_t k = found.size(); k-- > 1;) {
            count(lines_[found[k]], -1);
            lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(found[k]));
        }
        return true;
    }
    const std::size_t place = place_for(headword);
    line.end = line_end();
    count(line, 1);
    if (place < lines_.size()) {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(place), std::move(line));
    } else if (!lines_.empty() && lines_.back().end.empty()) {
        // The last line gets the line end it lacked; the file still ends without one.
        lines_.back().end = line.end;
        line.end.clear();
        lines_.push_back(std::move(line));
    } else {
        lines_.push_back(std::move(line));
    }
    return true;
}

void DictionaryLines::remove(const std::string& headword) {
    const std::vector<std::size_t> found = lines_of_word(headword);
    for (std::size_t k = found.size(); k-- > 0;) {
        count(lines_[found[k]], -1);
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(found[k]));
    }
}

std::string DictionaryLines::bytes() const {
    std::size_t size = start_.size();
    for (const Line& line : lines_)
        size += line.text.size() + line.end.size();
    std::string out;
    out.reserve(size);
    out += start_;
    for (const Line& line : lines_)
        (out += line.text) += line.end;
    return out;
}

}  // namespace vorna
