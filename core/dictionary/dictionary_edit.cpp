#include "core/dictionary/dictionary_edit.h"

#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string_view>
#include <vector>

#include "core/dictionary/dictionary_file.h"
#include "core/dictionary/dictionary_lines.h"
#include "core/dictionary/dictionary_store.h"
#include "core/dictionary/edit_lock.h"
#include "core/io/atomic_write.h"
#include "core/io/file_bytes.h"
#include "core/text/text_case.h"
#include "core/text/text_encoding.h"
#include "core/text/transliteration.h"

namespace vorna {

namespace {

constexpr std::string_view kBackupSuffix = ".bak";

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

// Puts a checked record into the dictionary, or says why it cannot go there.
std::optional<EditOutcome> apply_record(const RecordText& record, DictionaryLines& dictionary) {
    std::string line;
    if (std::optional<EditOutcome> refusal = encode_record(record, dictionary.encoding(), line))
        return refusal;
    if (dictionary.records() >= static_cast<std::size_t>(kMaxEntries) &&
        !dictionary.holds(record.headword))
        return refused(EditRefusal::dictionary_full);
    if (!dictionary.set(record.headword, line)) {
        return refused(EditRefusal::character_not_writable, RecordField::translation,
                       first_non_ascii(record.translation));
    }
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
    std::string old_bytes;
    if (Status status = read_locked(path, lock, old_bytes, calls); !status.ok()) {
        for (EditOutcome& outcome : outcomes) {
            if (outcome.ok())
                outcome = file_refused(EditRefusal::file_not_read, status);
        }
        return outcomes;
    }
    DictionaryLines dictionary(old_bytes);
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
    if (Status status = write_edit(path, lock, old_bytes, dictionary.bytes(), calls);
        !status.ok()) {
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
    std::string old_bytes;
    if (Status status = read_locked(path, lock, old_bytes, calls); !status.ok())
        return file_refused(EditRefusal::file_not_read, std::move(status));
    DictionaryLines dictionary(old_bytes);
    if (!dictionary.holds(word))
        return refused(EditRefusal::word_not_found);
    dictionary.remove(word);
    if (Status status = write_edit(path, lock, old_bytes, dictionary.bytes(), calls);
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
