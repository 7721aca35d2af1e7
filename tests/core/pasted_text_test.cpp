// Text as it comes from word processors, e-books and PDFs: the same words as
// ASCII text, in other typographic forms.
#include <gtest/gtest.h>

#include <map>

#include "engine_fixture.h"

namespace vorna {
namespace {

using testing::EngineFixture;
using testing::Row;

std::vector<Row> pasted_dictionary() {
    return {{"cafe", "кафе", "kafe"},
            {"car", "машина", "mashina"},
            {"don't", "не", "ne"},
            {"fiancee", "жених", "zhenih"},
            {"fiancée", "невеста", "nevesta"},
            {"find", "находить", "nahoditj"},
            {"isn't", "не является", "ne"},
            {"it", "он", "on"},
            {"it's", "это", "eto"},
            {"say", "сказать", "skazatj"},
            {"long", "долгий", "dolgij"},
            {"naive", "наивный", "naivnij"},
            {"said", "сказала", "skazala"},
            {"she", "она", "ona"},
            {"term", "срок", "srok"},
            {"think", "думать", "dumatj"},
            {"translation", "перевод", "perevod"}};
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::string as_ascii(std::string text) {
    for (const char* apostrophe : {"’", "ʼ"})
        text = replaced(text, apostrophe, "'");
    return replaced(replaced(text, "“", "\""), "”", "\"");
}

// Same output, counts and unknown words as the ASCII copy, in both output
// forms and with the hash or the literal scan.
TEST(pasted_text, curly_quotes_and_apostrophes_read_as_their_ascii_copy) {
    const std::string pasted =
        "“I don’t think it’s Tom’s car,” she said.\n"
        "It isn’t! She’ll say itʼs her car, won’t she?\n";
    for (const bool literal : {false, true}) {
        for (const OutputForm form : {OutputForm::text, OutputForm::word_list}) {
            EngineFixture f(pasted_dictionary());
            if (literal)
                f.drop_lookup_hash();
            f.set_options({Script::cyrillic, form, false, true});
            const TranslationResult typographic = f.text(pasted);
            const TranslationResult ascii = f.text(as_ascii(pasted));
            EXPECT_EQ(as_ascii(typographic.text), ascii.text);
            EXPECT_EQ(typographic.counts.repeat_count, ascii.counts.repeat_count);
            EXPECT_EQ(typographic.counts.unknown_word_count, 4);  // tom's, she'll, her, won't
            std::vector<std::string> unknown;
            for (const UnknownWord& word : typographic.unknown_words)
                unknown.push_back(word.word);
            EXPECT_EQ(unknown, (std::vector<std::string>{"tom's", "she'll", "her", "won't"}));
        }
    }
    EngineFixture f(pasted_dictionary());
    EXPECT_EQ(f.text("‘Don’t,’ she said; the cars’ lights.").text,
              "‘Не,’ она сказала; the cars’ lights.\r\n");
}

// Ligatures, soft hyphens and accents are read for the lookup only: the
// output keeps every character around the translation, and the word list
// shows the word as written.
TEST(pasted_text, other_forms_are_read_for_the_lookup_and_kept_in_the_output) {
    EngineFixture f(pasted_dictionary());
    EXPECT_EQ(f.line("ﬁnd the trans\u00ADlation, naïve Café"),
              "находить the перевод, наивный Кафе");
    // As written first, then without the marks.
    EXPECT_EQ(f.line("Fiancée fiancee résumé"), "Невеста жених résumé");
    EXPECT_EQ(f.unknown_count(), 2);  // the, résumé
    f.set_form(OutputForm::word_list);
    EXPECT_EQ(f.line("trans\u00ADlation ﬁ"),
              "trans\u00ADlation - перевод\r\nﬁ - ﬁ\r\n");  // ﬁ reads as two letters
}

struct TableForms : WordForms {
    const std::vector<std::string>& forms_of(std::string_view word) override {
        const auto found = table.find(std::string(word));
        return found == table.end() ? none : found->second;
    }
    std::map<std::string, std::vector<std::string>> table{{"terms", {"term"}}};
    std::vector<std::string> none;
};

// A hyphenated word the dictionary lacks is shown by its parts, each counted
// under its entry, only while dictionary forms are looked up.
TEST(pasted_text, compounds_are_read_by_their_parts_with_dictionary_forms) {
    EngineFixture f(pasted_dictionary());
    EXPECT_EQ(f.line("long-term Long‑terms"), "long-term Long‑terms");
    TableForms forms;
    f.set_options({Script::cyrillic, OutputForm::text, false, false, &forms});
    EXPECT_EQ(f.line("long-term Long‑terms long-xyzzy e-mail"),
              "долгий-срок Долгий-срок long-xyzzy e-mail");
    EXPECT_EQ(f.count_of("long"), 2);
    EXPECT_EQ(f.count_of("term"), 2);
    EXPECT_EQ(f.unknown_count(), 2);
}

}  // namespace
}  // namespace vorna
