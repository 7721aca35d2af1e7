#include "cli/article_command.h"

#include <cerrno>
#include <cstring>
#include <iostream>
#include <new>

#include "cli/exit_status.h"
#include "cmdline/cmdline_texts.h"
#include "core/dictionary/word_article.h"
#include "core/text/reading_aid_texts.h"
#include "core/text/transliteration.h"
#include "forms/dictionary_forms.h"

namespace vorna::cli {

int print_article(const CliOptions& options,
                  const std::function<int(DictionaryStore&)>& load_dictionary) {
    const Script script = options.translit ? Script::translit : Script::cyrillic;
    const std::string& word = *options.article_word;
    switch (check_article_word(word)) {
        case ArticleWordProblem::none:
            break;
        case ArticleWordProblem::empty:
            return kProgram.fail(kBadInput, texts::kNoWordGiven.in(script));
        case ArticleWordProblem::one_letter:
            return kProgram.fail(kBadInput, texts::kOneLetterWord.in(script) + word);
        case ArticleWordProblem::not_a_word:
            return kProgram.fail(kBadInput, texts::kNotAWord.in(script) + word);
    }

    DictdDictionary full_dictionary(installed_article_files());
    forms::DictionaryForms forms;
    WordArticle article;
    try {
        article = find_word_article(word, full_dictionary, &forms, nullptr, script);
    } catch (const std::bad_alloc&) {
        // A full dictionary too large for the memory there is: damaged.
        return kProgram.fail(
            kFullDictionaryMissing,
            std::string(texts::kFullDictionaryDamaged.in(script)) + std::strerror(ENOMEM));
    }
    const bool full = article.full_dictionary_installed && article.full_dictionary_status.ok();
    if (!full) {
        DictionaryStore store;
        if (const int status = load_dictionary(store); status != kSuccess)
            return status;
        article = find_word_article(word, full_dictionary, &forms, &store, script);
    }
    if (article.source == WordArticle::Source::none)
        return kProgram.fail(full ? kNoArticle : kFullDictionaryMissing,
                             texts::kNoArticle.in(script) + word);
    const std::string text =
        script == Script::translit && full ? transliterate(article.text) : article.text;
    if (!(std::cout << text << std::flush))
        return kProgram.fail(kCannotWrite,
                             std::string(cmdline::texts::kCannotWriteFile.in(script)) + "-");
    if (full)
        return kSuccess;
    if (!article.full_dictionary_installed)
        return kProgram.fail(kFullDictionaryMissing, texts::kFullDictionaryNotInstalled.in(script));
    return kProgram.fail(kFullDictionaryMissing, texts::kFullDictionaryDamaged.in(script) +
                                                     article.full_dictionary_status.describe());
}

}  // namespace vorna::cli
