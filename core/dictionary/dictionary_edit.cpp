#include "core/dictionary/dictionary_edit.h"

#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string_view>
#include <vector>

#include "core/dictionary/dictionary_file.h"
#include "core/dictionary/dictionary_store.h"
#include "core/dictionary/edit_lock.h"
#include "core/io/atomic_write.h"
#include "core/io/file_bytes.h"
#include "core/text/text_case.h"
#include "core/text/text_encoding.h"
#include "core/text/transliteration.h"

namespace vorna {

namespace {

// One line of the file: where its text starts, how long it is, and how many
// bytes of line end follow it (0 for a last line without one).
struct LineSpan {
    std::size_t start = 0;
    std::size_t length = 0;
    std::size_t end_length = 0;

    std::size_t end() const { return start + length; }
    std::size_t next() const { return start + length + end_length; }
};

std::vector<LineSpan> lines_of(const std::string& bytes) {
    std::string_view text = bytes;
    if (starts_with_byte_order_mark(text))
        text.remove_prefix(kUtf8ByteOrderMark.size());
    std::vector<LineSpan> lines;
    for_each_line(text, [&](std::string_view line) {
        LineSpan span{static_cast<std::size_t>(line.data() - bytes.data()), line.size(), 0};
        if (span.end() < bytes.size())
            span.end_length = bytes[span.end()] == '\r' ? 2 : 1;
        lines.push_back(span);
    });
    return lines;
}

// The line end of the file's first line; CR LF, the format's own, when no
// line has ended yet.
std::string_view line_end_of(const std::string& bytes) {
    const std::size_t feed = bytes.find('\n');
    if (feed != std::string::npos && (feed == 0 || bytes[feed - 1] != '\r'))
        return "\n";
    return "\r\n";
}

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

std::string trimmed(const std::string& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && is_blank(text[first]))
        ++first;
    while (last > first && is_blank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

bool is_latin_letter(uint32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// A headword the load accepts and a lookup can find: it starts with a letter
// (a line starting otherwise is not a record) and holds only the characters
// a word is cut from.
bool is_lookup_word(const std::string& headword) {
    std::size_t pos = 0;
    std::size_t count = 0;
    while (pos < headword.size()) {
        const uint32_t c = next_code_point(headword, pos);
        if (!is_latin_letter(c) && (count == 0 || (c != '\'' && c != '-')))
            return false;
        ++count;
    }
    return count >= 2;
}

EditOutcome refused(EditRefusal refusal, RecordField field = RecordField::headword,
                    std::string character = {}) {
    EditOutcome outcome;
    outcome.refusal = refusal;
    outcome.field = field;
    outcome.character = std::move(character);
    return outcome;
}

EditOutcome file_refused(EditRefusal refusal, Status status) {
    EditOutcome outcome;
    outcome.refusal = refusal;
    outcome.status = std::move(status);
    return outcome;
}

// Appends the field's bytes in the file's encoding, or gives the refusal for
// its first character that cannot go there: one the encoding lacks, or a
// control character that would end or garble the line.
std::optional<EditOutcome> encode_field(const std::string& utf8, RecordField field,
                                        SourceEncoding encoding, std::string& out) {
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t start = pos;
        const uint32_t c = next_code_point(utf8, pos);
        const std::string character = utf8.substr(start, pos - start);
        if (c < 0x20 || c == 0x7F || !is_valid_utf8(character))
            return refused(EditRefusal::character_not_writable, field, character);
        if (encoding == SourceEncoding::utf8) {
            out += character;
        } else if (const std::optional<uint8_t> byte = windows_1251_byte(c)) {
            out += static_cast<char>(*byte);
        } else {
            return refused(EditRefusal::character_not_writable, field, character);
        }
    }
    return std::nullopt;
}

// The new line "headword,translation,translit" in the file's encoding.
std::optional<EditOutcome> encode_record(const RecordText& record, SourceEncoding encoding,
                                         std::string& line) {
    const struct {
        const std::string& text;
        RecordField field;
    } fields[] = {{record.headword, RecordField::headword},
                  {record.translation, RecordField::translation},
                  {record.translit, RecordField::translit}};
    for (const auto& [text, field] : fields) {
        if (field != RecordField::headword)
            line += ',';
        if (std::optional<EditOutcome> refusal = encode_field(text, field, encoding, line))
            return refusal;
    }
    return std::nullopt;
}

// The input in the form it is written, or the refusal that needs no file.
std::optional<EditOutcome> check_record(RecordText& record) {
    record.headword = lower_headword(trimmed(record.headword));
    record.translation = trimmed(record.translation);
    record.translit = trimmed(record.translit);
    for (const auto& [text, field] : {std::pair{&record.headword, RecordField::headword},
                                      std::pair{&record.translation, RecordField::translation},
                                      std::pair{&record.translit, RecordField::translit}}) {
        const std::size_t mark = text->find_first_of(",\"");
        if (mark != std::string::npos)
            return refused(EditRefusal::comma_or_quote, field, text->substr(mark, 1));
    }
    if (!is_lookup_word(record.headword))
        return refused(EditRefusal::headword_not_a_word);
    if (record.translation.empty())
        return refused(EditRefusal::empty_translation, RecordField::translation);
    if (record.translit.empty())
        record.translit = transliterate(record.translation);
    return std::nullopt;
}

// The dictionary as read, with what an edit of one headword needs to know
// of it.
struct OpenedDictionary {
    std::string bytes;
    SourceEncoding encoding = SourceEncoding::windows_1251;
    std::vector<LineSpan> lines;
    std::vector<std::size_t> matches;  // lines of the headword, in file order
    std::size_t records = 0;           // lines the load takes as records
    std::size_t insert_before = 0;     // line index a new record goes before
};

// The file a link names is the one edited, and its .bak goes beside it.
std::string edited_file(const std::string& path) {
    char* real_path = realpath(path.c_str(), nullptr);
    std::string file = real_path != nullptr ? real_path : path;
    free(real_path);
    return file;
}

// Locks the dictionary against other corrections and reads it whole.
Status read_locked(const std::string& path, EditLock& lock, std::string& bytes, FileCalls& calls) {
    if (Status status = lock.acquire(path); !status.ok())
        return status;
    const auto size = static_cast<std::size_t>(lock.status().st_size);
    if (Status status = read_to_end(calls, lock.descriptor(), path, bytes, size); !status.ok())
        return status;
    if (bytes.size() != size)
        return Status::failure(path, "the file was cut short while it was read");
    return {};
}

void find_headword(const std::string& headword, OpenedDictionary& dictionary) {
    dictionary.lines = lines_of(dictionary.bytes);
    dictionary.matches.clear();
    dictionary.records = 0;
    dictionary.insert_before = dictionary.lines.size();
    TextDecoder decoder(dictionary.encoding);
    bool before_any_record = true;
    for (std::size_t i = 0; i < dictionary.lines.size(); ++i) {
        const std::string_view line(dictionary.bytes.data() + dictionary.lines[i].start,
                                    dictionary.lines[i].length);
        if (line.empty() || line.front() < 'a' || line.front() > 'z')
            continue;
        ++dictionary.records;
        const std::string word = lower_headword(decoder.decode(parse_record(line).headword));
        if (word == headword)
            dictionary.matches.push_back(i);
        // In a sorted file the new line lands among its neighbours.
        if (before_any_record || word < headword)
            dictionary.insert_before = word < headword ? i + 1 : i;
        before_any_record = false;
    }
}

// The file with the lines of `dictionary.matches` dropped, except that the
// first of them becomes `new_line` when it is not empty; or, with no match,
// `new_line` put in before `insert_before`.
std::string edited_bytes(const OpenedDictionary& dictionary, const std::string& new_line) {
    const std::string& bytes = dictionary.bytes;
    const std::vector<LineSpan>& lines = dictionary.lines;
    std::string out;
    out.reserve(bytes.size() + new_line.size() + 2);
    if (dictionary.matches.empty()) {
        const std::string_view line_end = line_end_of(bytes);
        const std::size_t at = dictionary.insert_before;
        if (at < lines.size()) {
            out.append(bytes, 0, lines[at].start);
            out += new_line;
            out += line_end;
            out.append(bytes, lines[at].start);
        } else if (!lines.empty() && lines.back().end_length == 0) {
            // The last line gets the line end it lacked; the file still ends without one.
            out = bytes;
            out += line_end;
            out += new_line;
        } else {
            out = bytes;
            out += new_line;
            out += line_end;
        }
        return out;
    }
    std::size_t copied_to = 0;
    for (std::size_t k = 0; k < dictionary.matches.size(); ++k) {
        const LineSpan& line = lines[dictionary.matches[k]];
        out.append(bytes, copied_to, line.start - copied_to);
        if (k == 0 && !new_line.empty()) {
            out += new_line;
            copied_to = line.end();  // the line keeps its own line end
        } else {
            copied_to = line.next();
        }
    }
    out.append(bytes, copied_to);
    return out;
}

// Keeps the old version, then puts the new one in place, while the lock
// keeps other corrections waiting. The backup is the program's own file:
// whatever was planted under its name (a link, a FIFO) is replaced, never
// opened, and it takes the dictionary's permissions.
Status write_edit(const std::string& path, const EditLock& lock, const std::string& old_bytes,
                  const std::string& new_bytes, FileCalls& calls) {
    // A file the reader may not write is not replaced behind its back, even
    // where the folder would allow it.
    if (access(path.c_str(), W_OK) != 0)
        return Status::from_errno(errno, path);
    const WriteRules own_file{true, &lock.status()};
    PendingFile backup;
    PendingFile file;
    Status status = backup.prepare(path + std::string(kBackupSuffix), old_bytes, calls, own_file);
    if (status.ok())
        status = file.prepare(path, new_bytes, calls, own_file);
    if (status.ok())
        status = commit_all({&backup, &file});
    return status;
}

std::string first_non_ascii(const std::string& utf8) {
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t start = pos;
        if (next_code_point(utf8, pos) >= 0x80)
            return utf8.substr(start, pos - start);
    }
    return {};
}

// Puts a checked record into the dictionary's bytes, or says why it cannot
// go there.
std::optional<EditOutcome> apply_record(const RecordText& record, OpenedDictionary& dictionary) {
    std::string line;
    if (std::optional<EditOutcome> refusal = encode_record(record, dictionary.encoding, line))
        return refusal;
    find_headword(record.headword, dictionary);
    if (dictionary.matches.empty() && dictionary.records >= static_cast<std::size_t>(kMaxEntries))
        return refused(EditRefusal::dictionary_full);
    std::string new_bytes = edited_bytes(dictionary, line);
    // Windows-1251 bytes that happen to read as UTF-8 would turn the whole
    // file into UTF-8 at the next load.
    if (dictionary.encoding == SourceEncoding::windows_1251 &&
        detect_source_encoding(new_bytes) == SourceEncoding::utf8) {
        return refused(EditRefusal::character_not_writable, RecordField::translation,
                       first_non_ascii(record.translation));
    }
    dictionary.bytes = std::move(new_bytes);
    return std::nullopt;
}

}  // namespace

EditOutcome set_record(const std::string& dictionary_path, const RecordText& input,
                       FileCalls& calls) {
    std::vector<EditOutcome> outcomes = apply_records(dictionary_path, {input}, calls);
    return std::move(outcomes.front());
}

std::vector<EditOutcome> apply_records(const std::string& dictionary_path,
                                       const std::vector<RecordText>& records, FileCalls& calls) {
    std::vector<EditOutcome> outcomes(records.size());
    std::vector<RecordText> checked = records;
    bool any_to_apply = false;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (std::optional<EditOutcome> refusal = check_record(checked[i]))
            outcomes[i] = std::move(*refusal);
        else
            any_to_apply = true;
    }
    if (!any_to_apply)
        return outcomes;
    const std::string path = edited_file(dictionary_path);
    EditLock lock;
    OpenedDictionary dictionary;
    if (Status status = read_locked(path, lock, dictionary.bytes, calls); !status.ok()) {
        for (EditOutcome& outcome : outcomes) {
            if (outcome.ok())
                outcome = file_refused(EditRefusal::file_not_read, status);
        }
        return outcomes;
    }
    const std::string old_bytes = dictionary.bytes;
    dictionary.encoding = detect_source_encoding(dictionary.bytes);
    bool changed = false;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (!outcomes[i].ok())
            continue;
        if (std::optional<EditOutcome> refusal = apply_record(checked[i], dictionary))
            outcomes[i] = std::move(*refusal);
        else
            changed = true;
    }
    if (!changed)
        return outcomes;
    if (Status status = write_edit(path, lock, old_bytes, dictionary.bytes, calls); !status.ok()) {
        for (EditOutcome& outcome : outcomes) {
            if (outcome.ok())
                outcome = file_refused(EditRefusal::file_not_written, status);
        }
    }
    return outcomes;
}

EditOutcome remove_record(const std::string& dictionary_path, const std::string& headword,
                          FileCalls& calls) {
    const std::string word = lower_headword(trimmed(headword));
    const std::string path = edited_file(dictionary_path);
    EditLock lock;
    OpenedDictionary dictionary;
    if (Status status = read_locked(path, lock, dictionary.bytes, calls); !status.ok())
        return file_refused(EditRefusal::file_not_read, std::move(status));
    dictionary.encoding = detect_source_encoding(dictionary.bytes);
    find_headword(word, dictionary);
    if (dictionary.matches.empty())
        return refused(EditRefusal::word_not_found);
    if (Status status = write_edit(path, lock, dictionary.bytes,
                                   edited_bytes(dictionary, std::string()), calls);
        !status.ok()) {
        return file_refused(EditRefusal::file_not_written, std::move(status));
    }
    return {};
}

Status copy_dictionary(const std::string& source, const std::string& target, FileCalls& calls) {
    std::string bytes;
    if (Status status = read_whole_file(source, bytes); !status.ok())
        return status;
    // The reader's copy is the program's own file: a FIFO or a link planted
    // under its name is replaced, never written through.
    PendingFile copy;
    if (Status status = copy.prepare(target, bytes, calls, WriteRules{true, nullptr}); !status.ok())
        return status;
    return copy.commit();
}

}  // namespace vorna
