#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/text/text_encoding.h"

namespace vorna {

// A dictionary file held line by line for corrections. Each record's
// headword is read once and found through a hash, and new records are put
// among their neighbours only when the bytes are asked for, so any number
// of corrections costs about one pass over the file, not one pass each.
// Lines keep their bytes and their own line ends, and what is not changed is
// written back byte for byte.
class DictionaryLines {
  public:
    explicit DictionaryLines(const std::string& bytes);

    SourceEncoding encoding() const { return encoding_; }
    // Lines the load takes as records.
    std::size_t records() const { return records_; }
    bool holds(const std::string& headword) const;
    // The bytes of the first line of `headword`, or null when it has none.
    const std::string* first_line(const std::string& headword) const;

    // Gives `headword` the record line `line` (in the file's encoding): its
    // first line becomes `line` and its others go, or, when it has none, the
    // line goes where the file's order puts it (after the last record that
    // sorts before it, else before the first record). False, changing
    // nothing, when the file in Windows-1251 would then read as UTF-8.
    bool set(const std::string& headword, const std::string& line);
    // Removes every line of `headword`. New lines are placed among the
    // records left when the bytes are asked for, so a removal made after an
    // addition can move where the addition goes; a correction either
    // removes or sets, never both.
    void remove(const std::string& headword);

    std::string bytes() const;

  private:
    struct Line {
        std::string text;
        std::string end;  // "\r\n", "\n", or "" for a last line without one
        bool record = false;
        bool gone = false;  // removed
        std::string word;   // the headword, lower-cased, of a record
        bool high = false;  // holds a byte of 0x80 or above
        bool utf8 = true;   // reads as UTF-8
    };

    Line make_line(std::string text, std::string end);
    void count(const Line& line, int sign);
    std::vector<std::size_t> places_of_added(const std::vector<const Line*>& added) const;

    SourceEncoding encoding_;
    TextDecoder decoder_;
    std::string start_;  // a byte order mark, or nothing
    std::vector<Line> lines_;
    // The lines of the file that hold each headword, first to last.
    std::unordered_map<std::string, std::vector<std::size_t>> lines_of_word_;
    // Records of headwords the file did not hold, placed by bytes().
    std::unordered_map<std::string, Line> added_;
    std::string line_end_;  // for added lines
    std::size_t records_ = 0;
    std::size_t high_lines_ = 0;
    std::size_t non_utf8_lines_ = 0;
};

}  // namespace vorna
