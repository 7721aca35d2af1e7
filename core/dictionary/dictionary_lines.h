#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/text/text_encoding.h"

namespace vorna {

// A dictionary file held line by line for corrections: each record's
// headword is read once, so that many corrections cost one pass over the
// file, not one each. Lines keep their bytes and their own line ends, and
// what is not changed is written back byte for byte.
class DictionaryLines {
  public:
    explicit DictionaryLines(const std::string& bytes);

    SourceEncoding encoding() const { return encoding_; }
    // Lines the load takes as records.
    std::size_t records() const { return records_; }
    bool holds(const std::string& headword) const;

    // Gives `headword` the record line `line` (in the file's encoding): its
    // first line becomes `line` and its others go, or, when it has none, the
    // line goes where the file's order puts it. False, changing nothing, when
    // the file in Windows-1251 would then read as UTF-8.
    bool set(const std::string& headword, const std::string& line);
    // Removes every line of `headword`.
    void remove(const std::string& headword);

    std::string bytes() const;

  private:
    struct Line {
        std::string text;
        std::string end;  // "\r\n", "\n", or "" for a last line without one
        bool record = false;
        std::string word;   // the headword, lower-cased, of a record
        bool high = false;  // holds a byte of 0x80 or above
        bool utf8 = true;   // reads as UTF-8
    };

    Line make_line(std::string text, std::string end);
    std::vector<std::size_t> lines_of_word(const std::string& headword) const;
    std::size_t place_for(const std::string& headword) const;
    std::string line_end() const;
    void count(const Line& line, int sign);
    bool reads_as_utf8() const { return high_lines_ > 0 && non_utf8_lines_ == 0; }

    SourceEncoding encoding_;
    TextDecoder decoder_;
    std::string start_;  // a byte order mark, or nothing
    std::vector<Line> lines_;
    std::size_t records_ = 0;
    std::size_t high_lines_ = 0;
    std::size_t non_utf8_lines_ = 0;
};

}  // namespace vorna
