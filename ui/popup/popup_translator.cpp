#include "ui/popup/popup_translator.h"

#include <QStringList>

#include "core/dictionary/word_article.h"
#include "core/dictionary/word_search.h"
#include "core/engine/silent_hosts.h"
#include "core/text/english_words.h"
#include "core/text/interface_texts.h"
#include "core/text/text_case.h"
#include "core/text/transliteration.h"

namespace vorna::ui {

namespace {

// A selection cut where a word ends, when one ends near the limit.
QString cut_selection(const QString& text) {
    qsizetype end = kMaxPopupCharacters;
    if (text.at(end - 1).isHighSurrogate())
        --end;
    for (qsizetype at = end; at > end - 200; --at) {
        if (text.at(at).isSpace()) {
            end = at;
            break;
        }
    }
    return text.left(end);
}

QString escaped(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toHtmlEscaped();
}

// The run's output as rich text, each word the dictionary did not know
// underlined.
QString marked_output(const TranslationResult& result) {
    const std::string_view output = result.text;
    QString html = QStringLiteral("<div style=\"white-space: pre-wrap\">");
    std::size_t done = 0;
    for (const WordPosition& word : result.word_positions) {
        if (word.found || word.output_offset < done)
            continue;
        html += escaped(output.substr(done, word.output_offset - done));
        html += QStringLiteral("<u>") +
                escaped(output.substr(word.output_offset, word.output_length)) +
                QStringLiteral("</u>");
        done = word.output_offset + word.output_length;
    }
    html += escaped(output.substr(done));
    html.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    while (html.endsWith(u'\n'))
        html.chop(1);
    return html + QStringLiteral("</div>");
}

// The first lines of an article, without its empty lines.
QString first_lines(const std::string& text) {
    QStringList lines;
    for (const QString& line : QString::fromStdString(text).split(u'\n')) {
        if (!line.trimmed().isEmpty())
            lines << line;
        if (lines.size() == kArticleLines)
            break;
    }
    return lines.join(u'\n');
}

}  // namespace

PopupTranslator::PopupTranslator(const DictionaryStore& store, std::string dictionary_path,
                                 std::string work_folder, DictdFiles article_files)
    : store_(store),
      engine_(store, std::move(dictionary_path)),
      article_files_(std::move(article_files)) {
    engine_.set_work_folder(std::move(work_folder));
}

PopupTranslator::~PopupTranslator() = default;

PopupContent PopupTranslator::translate(const QString& selection, Script script,
                                        bool dictionary_forms) {
    const QString text = selection.trimmed();
    if (text.isEmpty())
        return {};
    if (check_article_word(text.toStdString()) == ArticleWordProblem::none)
        return translate_word(text, script);
    if (text.size() > kMaxPopupCharacters)
        return translate_text(cut_selection(text), true, script, dictionary_forms);
    return translate_text(text, false, script, dictionary_forms);
}

PopupContent PopupTranslator::translate_word(const QString& word, Script script) {
    PopupContent content;
    content.kind = PopupContent::Kind::word;
    content.source = word;
    const std::string key = lookup_key(word.toStdString());
    const WordMatch match = find_word(store_, key, &forms_);
    if (match.outcome == WordMatch::Outcome::found) {
        content.dictionary_form = QString::fromStdString(match.form);
        const DictionaryEntry& entry = store_.entries[static_cast<std::size_t>(match.entry.row)];
        content.found = true;
        content.translation = QString::fromStdString(
            script == Script::cyrillic ? entry.word_rus : entry.word_translit);
    }
    if (!full_dictionary_)
        full_dictionary_ = std::make_unique<DictdDictionary>(article_files_);
    // Without the store: qd.dat's record is the match above already, so the
    // article adds only what the full dictionary holds, and the word is not
    // looked up in qd.dat a second time.
    const WordArticle article = find_word_article(key, *full_dictionary_, &forms_, nullptr, script);
    if (article.source == WordArticle::Source::full_dictionary) {
        content.article =
            first_lines(script == Script::translit ? transliterate(article.text) : article.text);
    }
    return content;
}

PopupContent PopupTranslator::translate_text(const QString& text, bool cut, Script script,
                                             bool dictionary_forms) {
    TranslationOptions options;
    options.script = script;
    options.keep_word_positions = true;
    options.word_forms = dictionary_forms ? &forms_ : nullptr;
    SilentRunHost host;
    const TranslationResult result = engine_.text_translate(text.toStdString(), options, host);
    PopupContent content;
    content.source = text;
    content.cut = cut;
    switch (result.outcome) {
        case RunOutcome::translated:
            content.kind = PopupContent::Kind::text;
            content.translation = QString::fromStdString(with_lf_line_ends(result.text)).trimmed();
            content.marked_html = marked_output(result);
            break;
        case RunOutcome::dictionary_damaged:
            content.kind = PopupContent::Kind::text;
            content.marked_html =
                escaped(damaged_dictionary_text(script, engine_.dictionary_path()));
            break;
        case RunOutcome::empty_text:
        case RunOutcome::busy:
        case RunOutcome::cancelled:
            break;
    }
    return content;
}

}  // namespace vorna::ui
