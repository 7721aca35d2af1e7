#include "document_runs.h"
#include "ui/rtf/rtf_reader.h"

#include <gtest/gtest.h>

namespace vorna::rtf {
namespace {

using testing::paragraphs_of;

QString text_of(const char* rtf) {
    QTextDocument document;
    read_rtf(QByteArray(rtf), document);
    return document.toRawText().replace(QChar::ParagraphSeparator, QChar(u'\n'));
}

struct TextCase {
    const char* name;
    const char* rtf;
    const char16_t* text;
};

class rtf_reader_text : public ::testing::TestWithParam<TextCase> {};

TEST_P(rtf_reader_text, readsTheTextAReaderShows) {
    EXPECT_EQ(text_of(GetParam().rtf), QString::fromUtf16(GetParam().text)) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    cases, rtf_reader_text,
    ::testing::Values(
        TextCase{"document_code_page", R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8\'e2\'e5\'f2})",
                 u"Привет"},
        TextCase{"western_by_default", R"({\rtf1\ansi caf\'e9})", u"café"},
        TextCase{
            "font_charset_decides_the_code_page",
            R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0\fcharset0 Arial;}{\f1\fcharset204 Arial Cyr;}})"
            R"(\f0 caf\'e9 {\f1\'e4\'e0} \'e4})",
            u"café да ä"},
        TextCase{"multi_byte_code_page",
                 R"({\rtf1\ansi{\fonttbl{\f0\fcharset128 MS Mincho;}}\f0\'93\'fa)"
                 R"(\'96\'7b})",
                 u"日本"},
        TextCase{"unicode_with_fallback_skipped",
                 R"({\rtf1 \u1087?\u1088\'3f \uc2\u1080ab\u1090 xyz})", u"пр итz"},
        TextCase{"negative_unicode_and_surrogate_pair", R"({\rtf1 \u-3913?\u-10179?\u-8704?})",
                 u"\uF0B7😀"},
        TextCase{"unicode_out_of_range", R"({\rtf1 a\u99999?b\u-40000?c\u2147483648?d})",
                 u"a\uFFFDb\uFFFDc\uFFFDd"},
        TextCase{"lone_surrogate", R"({\rtf1 a\u-10179?b})", u"a\uFFFDb"},
        TextCase{"fallback_stops_at_a_group_end", R"({\rtf1 {\uc3\u1087 a}bc})", u"пbc"},
        TextCase{"special_characters",
                 R"({\rtf1 a\~b\-c\_d\emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote})",
                 u"a\u00A0b\u00ADc\u2011d—–•‘’“”"},
        TextCase{"escaped_markup", R"({\rtf1 \{x\}\\})", u"{x}\\"},
        TextCase{"paragraphs_lines_and_tabs", "{\\rtf1 one\\par two\\line three\\tab four\\\nfive}",
                 u"one\ntwo\u2028three\tfour\nfive"},
        TextCase{"file_line_ends_are_not_text", "{\\rtf1 al\r\npha\n be\rta}", u"alpha beta"},
        TextCase{"hidden_destinations",
                 R"({\rtf1{\info{\title T}{\author A}}{\stylesheet{\s1 Heading;}}{\*\generator G;})"
                 R"({\header H}{\footer F}before{\footnote note}{\*\unknown x} after})",
                 u"before after"},
        TextCase{"field_keeps_its_result",
                 R"({\rtf1 see {\field{\*\fldinst HYPERLINK "http://x"}{\fldrslt link}} now})",
                 u"see link now"},
        TextCase{"picture_and_binary_data_skipped",
                 "{\\rtf1 a{\\pict\\pngblip 89504e47{\\bin5 }}}\\}}} b}", u"a b"},
        TextCase{"unknown_control_words_ignored", R"({\rtf1 \foo12 x\bar-3 y\zz z})", u"xyz"},
        TextCase{"table_cells_stay_readable", R"({\rtf1 \trowd a\cell b\cell\row c})",
                 u"a\tb\t\nc"}),
    [](const ::testing::TestParamInfo<TextCase>& param) { return std::string(param.param.name); });

TEST(rtf_reader, groupsScopeTheCharacterFormat) {
    QTextDocument document;
    read_rtf(
        R"({\rtf1{\fonttbl{\f0 DejaVu Sans;}{\f1\froman{\*\panose 0}DejaVu Serif;}})"
        R"({\colortbl;\red255\green0\blue0;\red0\green0\blue255;})"
        R"(\f0\fs20 a{\b b{\i c}}\ul d\ulnone e\strike f\strike0\b g\b0 {\f1\fs31\cf1 h}{\cf2 i})"
        R"(\plain j\ul k\ul0 l})",
        document);
    const auto paragraphs = paragraphs_of(document);
    ASSERT_EQ(paragraphs.size(), 1u);
    const auto& runs = paragraphs[0];
    ASSERT_EQ(runs.size(), 12u);
    EXPECT_EQ(runs[0].text, QStringLiteral("a"));
    EXPECT_EQ(runs[0].family, QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(runs[0].points, 10.0);
    EXPECT_TRUE(runs[1].bold && !runs[1].italic);
    EXPECT_TRUE(runs[2].bold && runs[2].italic);
    EXPECT_TRUE(runs[3].underline && !runs[3].bold);
    EXPECT_EQ(runs[4].text, QStringLiteral("e"));
    EXPECT_TRUE(runs[5].strike && !runs[5].underline);
    EXPECT_TRUE(runs[6].bold && !runs[6].strike);
    EXPECT_EQ(runs[7].text, QStringLiteral("h"));
    EXPECT_EQ(runs[7].family, QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(runs[7].points, 15.5);
    EXPECT_EQ(runs[7].colour, QColor(255, 0, 0));
    EXPECT_EQ(runs[8].colour, QColor(0, 0, 255));
    EXPECT_EQ(runs[8].points, 10.0);
    // \plain drops size and styles but keeps the default font; \ul0 ends the underline.
    EXPECT_EQ(runs[9].text, QStringLiteral("j"));
    EXPECT_EQ(runs[9].family, QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(runs[9].points, document.defaultFont().pointSizeF());
    EXPECT_TRUE(runs[10].underline);
    EXPECT_FALSE(runs[11].underline);
}

TEST(rtf_reader, replacesTheWholeContentAndKeepsUndoSetting) {
    QTextDocument document;
    document.setPlainText(QStringLiteral("old text\nin two paragraphs"));
    read_rtf(R"({\rtf1 new})", document);
    EXPECT_EQ(document.toPlainText(), QStringLiteral("new"));
    EXPECT_TRUE(document.isUndoRedoEnabled());
    EXPECT_FALSE(document.isUndoAvailable());
}

}  // namespace
}  // namespace vorna::rtf
