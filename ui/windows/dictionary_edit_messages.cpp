#include "ui/windows/dictionary_edit_messages.h"

#include <QDir>
#include <QFile>

#include "ui/windows/status_reason.h"
#include "ui/windows/window_texts.h"

namespace vorna::ui {

namespace {

const ScriptedText& field_name(RecordField field) {
    switch (field) {
        case RecordField::headword:
            return kEnglishWordField;
        case RecordField::translation:
            return kTranslationField;
        case RecordField::translit:
            break;
    }
    return kTranslitField;
}

// Puts the character, the field and the file in for %1, %2 and %3, in one
// pass, so a "%" the reader typed is never taken for a place marker.
QString filled(const ScriptedText& pattern, Script script, const QString& character,
               const QString& field, const QString& file) {
    const QString text = text_in(pattern, script);
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'%' && i + 1 < text.size() && text[i + 1] >= u'1' && text[i + 1] <= u'3') {
            const char16_t marker = text[++i].unicode();
            out += marker == u'1' ? character : marker == u'2' ? field : file;
        } else {
            out += text[i];
        }
    }
    return out;
}

QString file_name(const std::string& path) {
    return QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(path)));
}

const ScriptedText& pattern_of(EditRefusal refusal) {
    switch (refusal) {
        case EditRefusal::comma_or_quote:
            return kCommaOrQuote;
        case EditRefusal::character_not_writable:
            return kCharacterNotWritable;
        case EditRefusal::headword_not_a_word:
            return kHeadwordNotAWord;
        case EditRefusal::empty_translation:
            return kEmptyTranslation;
        case EditRefusal::dictionary_full:
            return kDictionaryFull;
        case EditRefusal::word_not_found:
            return kWordNotInDictionary;
        case EditRefusal::file_not_read:
            return kDictionaryNotRead;
        case EditRefusal::none:
        case EditRefusal::file_not_written:
            break;
    }
    return kDictionaryNotWritten;
}

}  // namespace

QString edit_refusal_text(const EditOutcome& outcome, const std::string& headword,
                          const std::string& dictionary_path, Script script) {
    const bool about_file = outcome.refusal == EditRefusal::file_not_read ||
                            outcome.refusal == EditRefusal::file_not_written;
    const QString character = outcome.refusal == EditRefusal::word_not_found
                                  ? QString::fromStdString(headword)
                                  : QString::fromStdString(outcome.character);
    QString text = filled(pattern_of(outcome.refusal), script, character,
                          text_in(field_name(outcome.field), script),
                          file_name(about_file ? outcome.status.path() : dictionary_path));
    if (about_file)
        text += reason_line(outcome.status);
    return text;
}

}  // namespace vorna::ui
