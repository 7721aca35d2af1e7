#include "core/dictionary/edit_refusal_text.h"

#include "core/text/dictionary_edit_texts.h"

namespace vorna {

static_assert(kMaxFieldBytes == 4096, "the refusal's text names the bound");

namespace {

const ScriptedText& field_name(RecordField field) {
    switch (field) {
        case RecordField::headword:
            return texts::kEnglishWordField;
        case RecordField::translation:
            return texts::kTranslationField;
        case RecordField::translit:
            break;
    }
    return texts::kTranslitField;
}

const ScriptedText& pattern_of(EditRefusal refusal) {
    switch (refusal) {
        case EditRefusal::comma_or_quote:
            return texts::kCommaOrQuote;
        case EditRefusal::character_not_writable:
            return texts::kCharacterNotWritable;
        case EditRefusal::headword_not_a_word:
            return texts::kHeadwordNotAWord;
        case EditRefusal::empty_translation:
            return texts::kEmptyTranslation;
        case EditRefusal::field_too_long:
            return texts::kFieldTooLong;
        case EditRefusal::dictionary_full:
            return texts::kDictionaryFull;
        case EditRefusal::word_not_found:
            return texts::kWordNotInDictionary;
        case EditRefusal::file_not_read:
            return texts::kDictionaryNotRead;
        case EditRefusal::none:
        case EditRefusal::file_not_written:
            break;
    }
    return texts::kDictionaryNotWritten;
}

}  // namespace

std::string fill_markers(const char* pattern, const std::string& first, const std::string& second,
                         const std::string& third) {
    const std::string text = pattern;
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '3') {
            const char marker = text[++i];
            out += marker == '1' ? first : marker == '2' ? second : third;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string edit_refusal_text(const EditOutcome& outcome, const std::string& headword,
                              const std::string& dictionary_path, Script script) {
    const bool about_file = outcome.refusal == EditRefusal::file_not_read ||
                            outcome.refusal == EditRefusal::file_not_written;
    return fill_markers(
        pattern_of(outcome.refusal).in(script),
        outcome.refusal == EditRefusal::word_not_found ? headword : outcome.character,
        field_name(outcome.field).in(script), about_file ? outcome.status.path() : dictionary_path);
}

}  // namespace vorna
