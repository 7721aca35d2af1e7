#include "core/dictionary/word_article.h"

#include <algorithm>
#include <vector>

#include "core/dictionary/article_text.h"
#include "core/dictionary/word_search.h"
#include "core/text/english_words.h"
#include "core/text/text_case.h"

namespace vorna {

namespace {

// How many dictionary forms of a word get their articles shown after its own.
constexpr std::size_t kFormsShown = 2;

}  // namespace

ArticleWordProblem check_article_word(std::string_view word) {
    if (word.empty())
        return ArticleWordProblem::empty;
    WordSpan span;
    const bool one_word =
        find_next_word(word, 0, span) && span.start == 0 && span.end == word.size();
    const std::string key = lookup_key(word);
    const std::string unmarked = without_marks(key);
    if (!one_word || std::none_of(unmarked.begin(), unmarked.end(), is_ascii_letter))
        return ArticleWordProblem::not_a_word;
    if (count_code_points(key) < 2)
        return ArticleWordProblem::one_letter;
    return ArticleWordProblem::none;
}

WordArticle find_word_article(std::string_view word, DictdDictionary& full_dictionary,
                              WordForms* forms, const DictionaryStore* store, Script script) {
    WordArticle article;
    const std::string key = lookup_key(word);
    const std::string unmarked = without_marks(key);
    article.full_dictionary_installed = full_dictionary.installed();
    std::vector<std::string> texts;
    if (article.full_dictionary_installed) {
        article.full_dictionary_status = full_dictionary.articles(key, texts);
        if (article.full_dictionary_status.ok() && texts.empty() && unmarked != key)
            article.full_dictionary_status = full_dictionary.articles(unmarked, texts);
    }
    if (article.full_dictionary_installed && article.full_dictionary_status.ok()) {
        for (const std::string& text : texts)
            article.text += (article.text.empty() ? "" : "\n") + render_article(text);
        std::size_t shown = 0;
        const std::vector<std::string> no_forms;
        for (const std::string& form : forms ? forms->forms_of(unmarked) : no_forms) {
            if (shown == kFormsShown || !full_dictionary.articles(form, texts).ok())
                break;
            shown += !texts.empty();
            for (const std::string& text : texts)
                article.text += (article.text.empty() ? "" : "\n") + render_article(text);
        }
        if (!article.text.empty())
            article.source = WordArticle::Source::full_dictionary;
        return article;
    }
    if (store == nullptr)
        return article;
    const WordMatch match = find_word(*store, key, forms);
    const int32_t row = match.outcome == WordMatch::Outcome::found ? match.entry.row : 0;
    if (row != 0) {
        const DictionaryEntry& entry = store->entries[static_cast<std::size_t>(row)];
        article.source = WordArticle::Source::record;
        article.text = entry.word_eng + " — " +
                       (script == Script::cyrillic ? entry.word_rus : entry.word_translit) + "\n";
    }
    return article;
}

}  // namespace vorna
