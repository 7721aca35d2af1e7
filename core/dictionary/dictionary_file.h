#pragma once

#include <string>
#include <string_view>

namespace vorna {

// The dictionary's file name, beside the program and in the reader's folder.
inline constexpr std::string_view kDictionaryFileName = "qd.dat";
// What a correction appends to the name of the previous version it keeps.
inline constexpr std::string_view kBackupSuffix = ".bak";

// The three fields of one dictionary line, as written (quotes removed); they
// point into the line they were read from.
struct DictionaryRecord {
    std::string_view headword;
    std::string_view translation;
    std::string_view translit;
};

// Calls visit(line) for every line of `bytes`. Lines end in LF or CR LF; the
// line end is not passed on. A last line without a line end is still a line;
// a line end at the very end starts no further line.
template <typename Visit>
void for_each_line(std::string_view bytes, Visit&& visit) {
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
        if (end == std::string_view::npos)
            end = bytes.size();
        std::size_t length = end - start;
        if (length > 0 && end < bytes.size() && bytes[end - 1] == '\r')
            --length;
        visit(bytes.substr(start, length));
        start = next;
    }
}

// The blanks around a field: space and tab.
constexpr bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

// A line belongs to the dictionary when its very first byte is a-z; in both
// source encodings that byte is the letter itself.
inline bool starts_with_letter(std::string_view line, char letter) {
    return !line.empty() && line.front() == letter;
}

// Reads the three fields of one line. Blanks before a field are skipped. A
// field that opens with a double quote runs to the next quote (or the line
// end) and whatever follows up to the next comma is dropped; any other field
// runs to the next comma and loses its trailing blanks. Missing fields are
// empty and fields past the third are ignored, so a faulty line never shifts
// the lines after it. Works on the raw bytes of UTF-8 and Windows-1251 alike:
// in both, quote, comma and blank are single ASCII bytes.
DictionaryRecord parse_record(std::string_view line);

}  // namespace vorna
