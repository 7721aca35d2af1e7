#pragma once

#include <string>
#include <string_view>

#include "core/dictionary/dictd_dictionary.h"
#include "core/dictionary/dictionary_store.h"
#include "core/dictionary/word_forms.h"
#include "core/io/status.h"
#include "core/text/script.h"

namespace vorna {

// Why a piece of text cannot be looked up as a word.
enum class ArticleWordProblem { none, empty, one_letter, not_a_word };

// A word is one word by the word rule (english_words.h), holds at least one
// letter and reads as at least two characters.
ArticleWordProblem check_article_word(std::string_view word);

// What the full dictionary, or failing it qd.dat, holds about one word.
struct WordArticle {
    enum class Source {
        full_dictionary,  // `text` holds the rendered articles
        record,           // the full dictionary is missing or damaged: `text` is the qd.dat record
        none,             // nothing anywhere
    };
    Source source = Source::none;
    std::string text;
    // Why the full dictionary could not be used, when it could not.
    bool full_dictionary_installed = true;
    Status full_dictionary_status;
};

// The articles of `word` and of its dictionary forms ("went" also shows
// "go"), rendered; a word with accents that has none is looked up without
// them. Without the full dictionary, the qd.dat record find_word finds, in
// the script's column. `forms` and `store` may be null.
WordArticle find_word_article(std::string_view word, DictdDictionary& full_dictionary,
                              WordForms* forms, const DictionaryStore* store, Script script);

}  // namespace vorna
