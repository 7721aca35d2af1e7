#include "document_runs.h"
#include "rtf/rtf_reader.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/engine/silent_hosts.h"
#include "core/engine/translation_engine.h"

namespace vorna::rtf {
namespace {

QString text_of(const char* rtf) {
    QTextDocument document;
    EXPECT_TRUE(read_rtf(QByteArray(rtf), document));
    return document.toRawText().replace(QChar::ParagraphSeparator, QChar(u'\n'));
}

TEST(rtf_reader, readsTheTextAReaderShows) {
    struct Case {
        const char* rtf;
        const char16_t* text;
    };
    const Case cases[] = {
        {R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8\'e2\'e5\'f2})", u"Привет"},
        {R"({\rtf1\ansi caf\'e9})", u"café"},  // Windows-1252 by default
        // The font's charset decides the code page.
        {R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0\fcharset0 Arial;}{\f1\fcharset204 Arial Cyr;}})"
         R"(\f0 caf\'e9 {\f1\'e4\'e0} \'e4})",
         u"café да ä"},
        {R"({\rtf1\ansi{\fonttbl{\f0\fcharset128 MS Mincho;}}\f0\'93\'fa\'96\'7b})", u"日本"},
        // \u with its fallback skipped, \ucN, and a fallback cut short by the group's end.
        {R"({\rtf1 \u1087?\u1088\'3f \uc2\u1080ab\u1090 xyz {\uc3\u1087 a}bc})", u"пр итz пbc"},
        {R"({\rtf1 \u-3913?\u-10179?\u-8704?})", u"\uF0B7😀"},
        // Out of range, and a high surrogate left alone.
        {R"({\rtf1 a\u99999?b\u-40000?c\u2147483648?d\u-10179?e})",
         u"a\uFFFDb\uFFFDc\uFFFDd\uFFFDe"},
        {R"({\rtf1 a\~b\-c\_d\emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote\{x\}\\})",
         u"a\u00A0b\u00ADc\u2011d—–•‘’“”{x}\\"},
        // Line ends in the file are no text; \ and a line end is a paragraph.
        {"{\\rtf1 one\\par two\\line three\\tab four\\\nfi\r\nve be\rta}",
         u"one\ntwo\u2028three\tfour\nfive beta"},
        {R"({\rtf1{\info{\title T}{\author A}}{\stylesheet{\s1 Heading;}}{\*\generator G;})"
         R"({\header H}{\footer F}before{\footnote note}{\*\unknown x} after})",
         u"before after"},
        {R"({\rtf1 see {\field{\*\fldinst HYPERLINK "http://x"}{\fldrslt link}} now})",
         u"see link now"},
        {"{\\rtf1 a{\\pict\\pngblip 89504e47{\\bin5 }}}\\}}} b}", u"a b"},
        {R"({\rtf1 \foo12 x\bar-3 y\zz z})", u"xyz"},
        {R"({\rtf1 \trowd a\cell b\cell\row c})", u"a\tb\t\nc"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(text_of(c.rtf), QString::fromUtf16(c.text)) << c.rtf;
}

// A word processor writes its apostrophes as \rquote, optional hyphens as
// \- and non-breaking ones as \_: the words translate as typed, and every
// mark around them stays.
TEST(rtf_reader, aWordProcessorsMarksTranslateAsTyped) {
    const QString text =
        text_of(R"({\rtf1\ansi\ansicpg1252 I don\rquote t know it\rquote s wel\-come, )"
                R"(\ldblquote well\_known\rdblquote , \lquote Don\rquote t,\rquote  she said.})");
    auto store = std::make_unique<DictionaryStore>();
    for (const auto& [english, russian] :
         std::vector<std::pair<const char*, const char*>>{{"don't", "не"},
                                                          {"it's", "это"},
                                                          {"said", "сказала"},
                                                          {"she", "она"},
                                                          {"welcome", "привет"},
                                                          {"well-known", "известный"}})
        add_entry(*store, english, russian, "");
    finish_index(*store);
    TranslationEngine engine(*store, "/nonexistent/qd.dat");
    SilentRunHost host;
    EXPECT_EQ(engine.text_translate(text.toStdString(), {}, host).text,
              " не know это привет, “известный”, ‘Не,’ она сказала.\r\n");
}

TEST(rtf_reader, groupsScopeTheCharacterFormat) {
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Serif"), 11));  // the box's font
    ASSERT_TRUE(read_rtf(
        R"({\rtf1{\fonttbl{\f0 DejaVu Sans;}{\f1\froman{\*\panose 0}DejaVu Serif;}})"
        R"({\colortbl;\red255\green0\blue0;\red0\green0\blue255;})"
        R"(\f0\fs20 a{\b b{\i c}}\ul d\ulnone e\strike f\strike0\b g\b0 {\f1\fs31\cf1 h}{\cf2 i})"
        R"(\plain j\ul k\ul0 l})",
        document));
    const auto paragraphs = testing::paragraphs_of(document);
    QStringList runs;
    for (const testing::TextRun& run : paragraphs.at(0))
        runs << run.describe();
    // \plain drops size and styles but keeps the document's \deff font, not the box's;
    // \ul0 ends the underline.
    EXPECT_EQ(runs, QStringList({
                        R"("a" DejaVu Sans 10pt auto)",
                        R"("b" bold DejaVu Sans 10pt auto)",
                        R"("c" bold italic DejaVu Sans 10pt auto)",
                        R"("d" underline DejaVu Sans 10pt auto)",
                        R"("e" DejaVu Sans 10pt auto)",
                        R"("f" strike DejaVu Sans 10pt auto)",
                        R"("g" bold DejaVu Sans 10pt auto)",
                        R"("h" DejaVu Serif 15.5pt #ff0000)",
                        R"("i" DejaVu Sans 10pt #0000ff)",
                        R"("j" DejaVu Sans 11pt auto)",
                        R"("k" underline DejaVu Sans 11pt auto)",
                        R"("l" DejaVu Sans 11pt auto)",
                    }));
}

}  // namespace
}  // namespace vorna::rtf
