#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/io/file_calls.h"
#include "core/io/status.h"

namespace vorna {

// One record as the reader types it, in UTF-8.
struct RecordText {
    std::string headword;
    std::string translation;
    std::string translit;  // made from the translation when left empty
};

enum class RecordField { headword, translation, translit };

// The longest field a correction writes, in bytes of UTF-8: a word and its
// translation, with room to spare, and no more, so that no line makes the
// dictionary slow to load.
inline constexpr std::size_t kMaxFieldBytes = 4096;

// Why an edit changed nothing.
enum class EditRefusal {
    none,
    comma_or_quote,          // the file format has no room for them in a field
    character_not_writable,  // the file's encoding has no such character, or it would end the line
    headword_not_a_word,     // fewer than two letters, or not letters, apostrophes and hyphens
    empty_translation,
    field_too_long,    // longer than kMaxFieldBytes
    dictionary_full,   // adding would make a record the load leaves out
    word_not_found,    // nothing to remove
    file_not_read,     // `status` says which file and why
    file_not_written,  // `status` says which file and why; the old file is whole
};

struct EditOutcome {
    EditRefusal refusal = EditRefusal::none;
    RecordField field = RecordField::headword;  // the field at fault
    std::string character;                      // the character at fault, UTF-8
    Status status;                              // for the file refusals

    bool ok() const { return refusal == EditRefusal::none; }
};

// Gives `record.headword` the record's translation: the headword's line (the
// first, when there are several; the others go) is rewritten, or a new line
// is put where the file's order puts it. Blanks around each field are
// dropped and the headword is lower-cased, as the load reads them.
//
// The file keeps its encoding, its byte order mark and its line ends, and
// every other line stays byte for byte as it was. The previous version is
// kept as `<file>.bak` (whatever stood under that name is replaced, never
// written through, and the backup takes the dictionary's permissions); both
// are written in full and flushed before either is renamed into place, so a
// failure leaves both as they were. A link is followed to the file it names.
// The dictionary is locked while it is written, and read again then, so that
// corrections made at once, from any program, take turns and none is lost
// (see DictionaryWriter, which also picks the file and makes the reader's
// copy). A file that is no dictionary (see dictionary_fault) is not edited.
EditOutcome set_record(const std::string& dictionary_path, const RecordText& record,
                       FileCalls& calls = system_file_calls());

// Gives each record its translation as set_record does, in order, with one
// rewrite of the file and one backup for all of them. The outcomes are the
// records', in the same order: a record refused changes nothing, the others
// go in; a file that cannot be read or written refuses them all.
std::vector<EditOutcome> apply_records(const std::string& dictionary_path,
                                       const std::vector<RecordText>& records,
                                       FileCalls& calls = system_file_calls());

// Removes every line of `headword` in the same way.
EditOutcome remove_record(const std::string& dictionary_path, const std::string& headword,
                          FileCalls& calls = system_file_calls());

}  // namespace vorna
