#include "core/dictionary/word_article.h"

#include <algorithm>
#include <vector>

#include "core/dictionary/article_text.h"
#include "core/text/english_words.h"

namespace vorna {

namespace {

// How many dictionary forms of a word get their articles shown after its own.
constexpr std::size_t kFormsShown = 2;

bool is_letter(char c) {
    return ascii_lower(c) >= 'a' && ascii_lower(c) <= 'z';
}

}  // namespace

ArticleWordProblem check_article_word(std::string_view word) {
    if (word.empty())
        return ArticleWordProblem::empty;
    const bool word_characters = std::all_of(word.begin(), word.end(), [](char c) {
        return is_word_character(static_cast<unsigned char>(c));
    });
    if (!word_characters || std::none_of(word.begin(), word.end(), is_letter))
        return ArticleWordProblem::not_a_word;
    if (word.size() < 2)
        return ArticleWordProblem::one_letter;
    return ArticleWordProblem::none;
}

WordArticle find_word_article(std::string_view word, DictdDictionary& full_dictionary,
                              WordForms* forms, const DictionaryStore* store, Script script) {
    WordArticle article;
    const std::string key = ascii_lower(word);
    article.full_dictionary_installed = full_dictionary.installed();
    std::vector<std::string> texts;
    if (article.full_dictionary_installed) {
        article.full_dictionary_status = full_dictionary.articles(key, texts);
    }
    if (article.full_dictionary_installed && article.full_dictionary_status.ok()) {
        for (const std::string& text : texts)
            article.text += (article.text.empty() ? "" : "\n") + render_article(text);
        std::size_t shown = 0;
        const std::vector<std::string> no_forms;
        for (const std::string& form : forms ? forms->forms_of(key) : no_forms) {
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
    int32_t row = find_entry(*store, key);
    if (row == 0 && forms != nullptr) {
        for (const std::string& form : forms->forms_of(key)) {
            if ((row = find_entry(*store, form)) != 0)
                break;
        }
    }
    if (row != 0) {
        const DictionaryEntry& entry = store->entries[static_cast<std::size_t>(row)];
        article.source = WordArticle::Source::record;
        article.text = entry.word_eng + " — " +
                       (script == Script::cyrillic ? entry.word_rus : entry.word_translit) + "\n";
    }
    return article;
}

}  // namespace vorna
