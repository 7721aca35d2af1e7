#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/dictionary_forms.h"
#include "forms/hunspell_stems.h"
#include "forms/wordnet_exceptions.h"

namespace vorna::forms {
namespace {

using Forms = std::vector<std::string>;

TEST(SuffixStemTest, keeps_endings_and_refuses_prefixes) {
    struct Case {
        const char* word;
        const char* stem;
        bool suffix_stem;
    };
    for (const Case& c : std::vector<Case>{
             {"tables", "table", true},
             {"running", "run", true},    // the doubled consonant is part of the ending
             {"carried", "carry", true},  // "y" became "i"
             {"happily", "happy", true},
             {"making", "make", true},  // "e" dropped
             {"unfortunately", "fortunate", false},
             {"infinitely", "finite", false},
             {"unaffected", "affected", false},
             {"requester", "quester", false},
             {"rereading", "read", false},
             {"dislikes", "like", false},
             {"ties", "tie", true},
             {"bad", "bat", false},  // only a final "y" or "e" is ever replaced
             {"word", "", false},
         }) {
        EXPECT_EQ(is_suffix_stem(c.word, c.stem), c.suffix_stem) << c.word << " " << c.stem;
    }
}

TEST(WordNetExceptionsTest, lists_give_bases_in_order_without_phrases) {
    WordNetExceptions exceptions;
    exceptions.add_list("went go\nfeet foot\nbetter good well\nbetter  good\n");
    exceptions.add_list("went_off go_off\nleft leave left\n\nlone\nworse bad_off bad");
    EXPECT_EQ(*exceptions.bases_of("went"), Forms{"go"});
    EXPECT_EQ(*exceptions.bases_of("better"), (Forms{"good", "well"}));
    EXPECT_EQ(*exceptions.bases_of("left"), Forms{"leave"});  // never the word itself
    EXPECT_EQ(*exceptions.bases_of("worse"), Forms{"bad"});
    EXPECT_EQ(exceptions.bases_of("went_off"), nullptr);
    EXPECT_EQ(exceptions.bases_of("lone"), nullptr);
    EXPECT_EQ(exceptions.bases_of("go"), nullptr);
}

TEST(DictionaryFormsTest, missing_sources_give_no_forms) {
    DictionaryForms forms({"/nonexistent", "/nonexistent/en.aff", "/nonexistent/en.dic"});
    EXPECT_FALSE(forms.available());
    EXPECT_TRUE(forms.forms_of("tables").empty());
}

TEST(DictionaryFormsTest, installed_sources_keep_the_meaning_of_a_word) {
    DictionaryForms forms;
    HunspellStems stems(FormSources{}.hunspell_affixes, FormSources{}.hunspell_words);
    if (!stems.usable())
        GTEST_SKIP() << "the Hunspell dictionary of American English is not installed";
    EXPECT_EQ(forms.forms_of("tables"), Forms{"table"});
    EXPECT_EQ(forms.forms_of("carried"), Forms{"carry"});
    EXPECT_TRUE(forms.forms_of("table").empty());  // a root has no other form
    // Found only by taking off a prefix: the word stays unknown.
    for (const char* negated : {"unfortunately", "infinitely", "unvarying", "unaffected",
                                "unassailed", "requester", "unhappily"})
        EXPECT_EQ(forms.forms_of(negated), Forms{}) << negated;
    if (forms.forms_of("went") != Forms{"go"})
        GTEST_SKIP() << "WordNet's lists of irregular forms are not installed";
    EXPECT_EQ(forms.forms_of("children"), Forms{"child"});
}

}  // namespace
}  // namespace vorna::forms
