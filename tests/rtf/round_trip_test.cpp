#include "document_runs.h"
#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"

#include <QTextCursor>

#include <gtest/gtest.h>

#include <algorithm>

namespace vorna::rtf {
namespace {

using testing::paragraphs_of;

// `styles` holds b, i, u and s for bold, italic, underline and strike-out.
QTextCharFormat format(const char* styles, const char* family, double points,
                       const QColor& colour = QColor()) {
    const QByteArray style(styles);
    QTextCharFormat result;
    result.setFontWeight(style.contains('b') ? QFont::Bold : QFont::Normal);
    result.setFontItalic(style.contains('i'));
    result.setFontUnderline(style.contains('u'));
    result.setFontStrikeOut(style.contains('s'));
    result.setFontFamilies({QString::fromUtf8(family)});
    result.setFontPointSize(points);
    if (colour.isValid())
        result.setForeground(colour);
    return result;
}

TEST(rtf_round_trip, keepsTextAndFormatsRunByRunInAsciiOnlyOutput) {
    // Every format the boxes keep, every kind of script, and the characters RTF treats specially.
    QTextDocument original;
    QTextCursor cursor(&original);
    cursor.insertText(QStringLiteral("Plain {braces} and \\backslash\\ "),
                      format("", "DejaVu Sans", 12));
    cursor.insertText(QStringLiteral("bold"), format("b", "DejaVu Sans", 12));
    cursor.insertText(QStringLiteral(" italic"), format("i", "DejaVu Sans", 12));
    cursor.insertText(QStringLiteral(" underline"), format("u", "DejaVu Sans", 12));
    cursor.insertText(QStringLiteral(" strike"), format("s", "DejaVu Sans", 12));
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("Привет, мир!\tЁлка"),
                      format("bius", "DejaVu Serif", 10.5, QColor(200, 0, 0)));
    cursor.insertText(QString(QChar::LineSeparator) + QStringLiteral("Café naïve Größe"),
                      format("", "Шрифт Кириллица", 20, QColor(0, 0, 255)));
    cursor.insertBlock();  // an empty paragraph
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("漢字 and emoji 😀𝄞 nbsp\u00A0soft\u00ADhyphen\u2011end"),
                      format("i", "DejaVu Sans", 8, QColor(0, 128, 0)));
    const QByteArray rtf = write_rtf(original);

    QTextDocument read_back;
    ASSERT_TRUE(read_rtf(rtf, read_back));
    EXPECT_EQ(read_back.toRawText(), original.toRawText());
    EXPECT_EQ(paragraphs_of(read_back), paragraphs_of(original));

    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1251\\deff0"));
    EXPECT_TRUE(std::all_of(rtf.begin(), rtf.end(), [](char c) { return c > 0; }));
    // Characters beyond U+FFFF go out as a surrogate pair of signed 16-bit escapes.
    EXPECT_TRUE(rtf.contains("\\u-10179\\'3f\\u-8704\\'3f"));
    EXPECT_TRUE(rtf.contains("\\u1055\\'cf"));  // П, with its Windows-1251 byte
}

TEST(rtf_round_trip, emptyDocumentAndDefaultFontComeBackAsTheyWere) {
    const QByteArray rtf = write_rtf(QTextDocument());
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    EXPECT_EQ(rtf.count('{'), rtf.count('}'));
    QTextDocument read_back;
    read_back.setPlainText(QStringLiteral("old text\nin two paragraphs"));
    ASSERT_TRUE(read_rtf(rtf, read_back));
    EXPECT_TRUE(read_back.isEmpty());
    EXPECT_TRUE(read_back.isUndoRedoEnabled());
    EXPECT_FALSE(read_back.isUndoAvailable());  // a load is no step to undo

    // The document's default font is written explicitly: a box with another
    // font reads back the same runs.
    QTextDocument original;
    original.setDefaultFont(QFont(QStringLiteral("DejaVu Serif"), 15, QFont::Bold));
    original.setPlainText(QStringLiteral("box font only"));
    read_back.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    ASSERT_TRUE(read_rtf(write_rtf(original), read_back));
    EXPECT_EQ(paragraphs_of(read_back), paragraphs_of(original));
}

}  // namespace
}  // namespace vorna::rtf
