#include "dict/glossary.h"

#include <cerrno>
#include <string>
#include <utility>
#include <vector>

#include "core/text/english_words.h"
#include "core/text/text_case.h"
#include "core/text/text_encoding.h"

namespace vorna::dict {

namespace {

constexpr std::size_t kChunk = 64 * 1024;

std::vector<std::string> columns_of(std::string_view line) {
    std::vector<std::string> columns;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        columns.emplace_back(line.substr(start, tab - start));
        if (tab == std::string_view::npos)
            return columns;
        start = tab + 1;
    }
}

bool is_blank_line(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

bool is_count(const std::string& column) {
    return !column.empty() && column.find_first_not_of("0123456789") == std::string::npos;
}

GlossaryLine fault(std::size_t number, GlossaryFault what) {
    GlossaryLine line;
    line.kind = GlossaryLine::Kind::fault;
    line.number = number;
    line.fault = what;
    return line;
}

}  // namespace

GlossaryLine read_glossary_line(std::size_t number, std::string_view text) {
    GlossaryLine line;
    line.number = number;
    if (is_blank_line(text) || text.front() == '#')
        return line;
    if (!is_valid_utf8(std::string(text)))
        return fault(number, GlossaryFault::not_utf8);
    std::vector<std::string> columns = columns_of(text);
    RecordText& record = line.record;
    if (columns.size() == 2 || columns.size() == 3) {
        record.headword = ascii_forms(columns[0]);
        record.translation = std::move(columns[1]);
        if (columns.size() == 3)
            record.translit = std::move(columns[2]);
    } else if (columns.size() >= 4 && columns.size() <= 6 && is_count(columns[1])) {
        if (columns.size() == 4 || is_blank_line(columns[4])) {
            line.kind = GlossaryLine::Kind::untranslated;
            return line;
        }
        record.headword = ascii_forms(columns[0]);
        record.translation = std::move(columns[4]);
        if (columns.size() == 6)
            record.translit = std::move(columns[5]);
    } else {
        return fault(number, GlossaryFault::not_a_record);
    }
    line.kind = GlossaryLine::Kind::entry;
    return line;
}

GlossaryReader::GlossaryReader(int descriptor, std::string name, FileCalls& calls)
    : descriptor_(descriptor), name_(std::move(name)), calls_(calls) {}

// Reads the next chunk after what is left unread; false at the end or on a
// failure.
bool GlossaryReader::fill() {
    if (at_end_ || !status_.ok())
        return false;
    buffer_.erase(0, start_);
    start_ = 0;
    const std::size_t kept = buffer_.size();
    buffer_.resize(kept + kChunk);
    for (;;) {
        const ssize_t count = calls_.read(descriptor_, buffer_.data() + kept, kChunk);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            status_ = Status::from_errno(errno, name_);
        at_end_ = count <= 0;
        buffer_.resize(kept + (count > 0 ? static_cast<std::size_t>(count) : 0));
        break;
    }
    return status_.ok() && (!at_end_ || start_ < buffer_.size());
}

bool GlossaryReader::next(GlossaryLine& line) {
    if (first_) {
        first_ = false;
        while (buffer_.size() < kUtf8ByteOrderMark.size() && fill()) {
        }
        if (starts_with_byte_order_mark(buffer_))
            start_ = kUtf8ByteOrderMark.size();
    }
    bool too_long = false;
    for (;;) {
        const std::size_t end = buffer_.find('\n', start_);
        if (end != std::string::npos) {
            std::string_view text(buffer_.data() + start_, end - start_);
            start_ = end + 1;
            if (!text.empty() && text.back() == '\r')
                text.remove_suffix(1);
            ++number_;
            line = too_long || text.size() > kMaxGlossaryLine
                       ? fault(number_, GlossaryFault::too_long)
                       : read_glossary_line(number_, text);
            return true;
        }
        if (buffer_.size() - start_ > kMaxGlossaryLine) {
            // Too long to hold: kept only as "too long" up to its end.
            too_long = true;
            start_ = buffer_.size();
        }
        if (!fill()) {
            if (!status_.ok())
                return false;
            if (start_ >= buffer_.size() && !too_long)
                return false;
            // A last line without a line end is still a line.
            std::string_view text(buffer_.data() + start_, buffer_.size() - start_);
            start_ = buffer_.size();
            ++number_;
            line = too_long || text.size() > kMaxGlossaryLine
                       ? fault(number_, GlossaryFault::too_long)
                       : read_glossary_line(number_, text);
            return true;
        }
    }
}

}  // namespace vorna::dict
