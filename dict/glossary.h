#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/dictionary/dictionary_edit.h"
#include "core/io/file_calls.h"
#include "core/io/status.h"

namespace vorna::dict {

enum class GlossaryFault {
    not_a_record,  // no tab between word and translation, or too many columns
    not_utf8,
    too_long,  // longer than kMaxGlossaryLine: a field past the bound
};

// The longest glossary line read, in bytes: six columns of kMaxFieldBytes
// and then some. A longer line is refused without being held whole.
inline constexpr std::size_t kMaxGlossaryLine = 8 * kMaxFieldBytes;

// What one line of a glossary gives.
struct GlossaryLine {
    enum class Kind {
        nothing,       // a blank line or a "#" comment
        entry,         // `record`
        fault,         // `fault`
        untranslated,  // a row of an unknown-words table left without a translation
    };
    Kind kind = Kind::nothing;
    std::size_t number = 0;  // counted from 1
    RecordText record;
    GlossaryFault fault = GlossaryFault::not_a_record;
};

// Reads one line of a glossary in UTF-8: "word<TAB>translation[<TAB>translit]".
// A table of unknown words as the program saves it
// ("word<TAB>count<TAB>form<TAB>sentence") is read too: the reader types the
// translation into a fifth column and, if they like, a translit into a
// sixth. The fields are checked by the edit itself, with the same rules as a
// correction made in the window.
GlossaryLine read_glossary_line(std::size_t number, std::string_view line);

// Reads a glossary a line at a time from a descriptor (a file, a pipe), so
// that a glossary of any length takes no more memory than its longest line
// up to kMaxGlossaryLine. A byte order mark at the start is passed over;
// lines end in LF or CR LF.
class GlossaryReader {
  public:
    GlossaryReader(int descriptor, std::string name, FileCalls& calls = system_file_calls());

    // The next line; false at the end, or when a read fails (see status()).
    bool next(GlossaryLine& line);
    const Status& status() const { return status_; }

  private:
    bool fill();

    int descriptor_;
    std::string name_;
    FileCalls& calls_;
    std::string buffer_;
    std::size_t start_ = 0;  // of the unread part of buffer_
    bool at_end_ = false;
    bool first_ = true;
    std::size_t number_ = 0;
    Status status_;
};

}  // namespace vorna::dict
