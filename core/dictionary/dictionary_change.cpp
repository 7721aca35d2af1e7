#include "core/dictionary/dictionary_change.h"

#include <utility>

#include "core/dictionary/dictionary_file.h"
#include "core/dictionary/dictionary_rule.h"
#include "core/dictionary/dictionary_store.h"
#include "core/text/english_words.h"
#include "core/text/text_case.h"
#include "core/text/text_encoding.h"
#include "core/text/transliteration.h"

namespace vorna {

namespace {

std::string trimmed(const std::string& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && is_blank(text[first]))
        ++first;
    while (last > first && is_blank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

// A headword the load accepts and a lookup can find: it starts with a letter
// (a line starting otherwise is not a record), holds only the characters a
// word is cut from, and at least two letters.
bool is_lookup_word(const std::string& headword) {
    return is_headword(headword);
}

EditOutcome refused(EditRefusal refusal, RecordField field = RecordField::headword,
                    std::string character = {}) {
    EditOutcome outcome;
    outcome.refusal = refusal;
    outcome.field = field;
    outcome.character = std::move(character);
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

std::string first_non_ascii(const std::string& utf8) {
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t start = pos;
        if (next_code_point(utf8, pos) >= 0x80)
            return utf8.substr(start, pos - start);
    }
    return {};
}

}  // namespace

std::optional<EditOutcome> check_record(RecordText& record) {
    const std::pair<std::string*, RecordField> fields[] = {
        {&record.headword, RecordField::headword},
        {&record.translation, RecordField::translation},
        {&record.translit, RecordField::translit}};
    for (const auto& [text, field] : fields) {
        // Checked before anything is made of it: a field of megabytes is
        // refused at the cost of reading its length.
        if (text->size() > kMaxFieldBytes)
            return refused(EditRefusal::field_too_long, field);
        *text = trimmed(*text);
    }
    record.headword = lower_headword(record.headword);
    for (const auto& [text, field] : fields) {
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
    if (record.translit.size() > kMaxFieldBytes)
        return refused(EditRefusal::field_too_long, RecordField::translit);
    return std::nullopt;
}

DictionaryChange::DictionaryChange() = default;
DictionaryChange::~DictionaryChange() = default;

Status DictionaryChange::start(std::string bytes, const std::string& path) {
    if (Status status = dictionary_fault_status(dictionary_fault(bytes), path); !status.ok())
        return status;
    base_ = std::move(bytes);
    lines_ = std::make_unique<DictionaryLines>(base_);
    return {};
}

std::optional<EditOutcome> DictionaryChange::apply(Step& step) {
    DictionaryLines& lines = *lines_;
    const std::string& word = step.record.headword;
    const std::string* before = lines.first_line(word);
    step.existed = before != nullptr;
    step.before = before != nullptr ? *before : std::string();
    if (step.remove) {
        if (!step.existed)
            return refused(EditRefusal::word_not_found);
        lines.remove(word);
        return std::nullopt;
    }
    std::string line;
    if (std::optional<EditOutcome> refusal = encode_record(step.record, lines.encoding(), line))
        return refusal;
    if (lines.records() >= static_cast<std::size_t>(kMaxEntries) && !step.existed)
        return refused(EditRefusal::dictionary_full);
    if (!lines.set(word, line)) {
        return refused(EditRefusal::character_not_writable, RecordField::translation,
                       first_non_ascii(step.record.translation));
    }
    return std::nullopt;
}

std::optional<EditOutcome> DictionaryChange::set(RecordText record, std::size_t tag) {
    if (std::optional<EditOutcome> refusal = check_record(record))
        return refusal;
    Step step{false, std::move(record), tag, false, {}};
    if (std::optional<EditOutcome> refusal = apply(step))
        return refusal;
    if (const auto earlier = set_step_of_word_.find(step.record.headword);
        earlier != set_step_of_word_.end()) {
        // The word's earlier correction gives way; what it found in the
        // dictionary as read stays.
        Step& kept = steps_[earlier->second];
        kept.record = std::move(step.record);
        kept.tag = tag;
        return std::nullopt;
    }
    set_step_of_word_.emplace(step.record.headword, steps_.size());
    steps_.push_back(std::move(step));
    return std::nullopt;
}

std::optional<EditOutcome> DictionaryChange::remove(const std::string& headword, std::size_t tag) {
    Step step{true, RecordText{lower_headword(trimmed(headword)), {}, {}}, tag, false, {}};
    if (std::optional<EditOutcome> refusal = apply(step))
        return refusal;
    set_step_of_word_.erase(step.record.headword);
    steps_.push_back(std::move(step));
    return std::nullopt;
}

Status DictionaryChange::redo(std::string bytes, const std::string& path,
                              const Refused& refused_again) {
    std::vector<Step> steps = std::move(steps_);
    steps_.clear();
    set_step_of_word_.clear();
    if (Status status = start(std::move(bytes), path); !status.ok())
        return status;
    for (Step& step : steps) {
        if (std::optional<EditOutcome> refusal = apply(step)) {
            if (refused_again)
                refused_again(step.tag, std::move(*refusal));
            continue;
        }
        if (!step.remove)
            set_step_of_word_.emplace(step.record.headword, steps_.size());
        steps_.push_back(std::move(step));
    }
    return {};
}

std::string DictionaryChange::result() const {
    return lines_ ? lines_->bytes() : base_;
}

ChangeCounts DictionaryChange::counts() const {
    ChangeCounts counts;
    for (const Step& step : steps_) {
        if (step.remove)
            continue;
        if (!step.existed)
            ++counts.added;
        else if (const std::string* now = lines_->first_line(step.record.headword);
                 now != nullptr && *now != step.before)
            ++counts.changed;
    }
    return counts;
}

}  // namespace vorna
