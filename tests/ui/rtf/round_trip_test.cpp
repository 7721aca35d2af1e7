#include "document_runs.h"
#include "ui/rtf/rtf_reader.h"
#include "ui/rtf/rtf_writer.h"

#include <QTextCursor>

#include <gtest/gtest.h>

#include <algorithm>

namespace vorna::rtf {
namespace {

using testing::paragraphs_of;

QTextCharFormat format(bool bold, bool italic, bool underline, bool strike, const QString& family,
                       double points, const QColor& colour = QColor()) {
    QTextCharFormat result;
    result.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    result.setFontItalic(italic);
    result.setFontUnderline(underline);
    result.setFontStrikeOut(strike);
    result.setFontFamilies({family});
    result.setFontPointSize(points);
    if (colour.isValid()) {
        result.setForeground(colour);
    }
    return result;
}

// Every format the boxes keep, every kind of script, and the characters RTF treats specially.
void fill_rich_document(QTextDocument& document) {
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("Plain {braces} and \\backslash\\ "),
                      format(false, false, false, false, QStringLiteral("DejaVu Sans"), 12));
    cursor.insertText(QStringLiteral("bold"),
                      format(true, false, false, false, QStringLiteral("DejaVu Sans"), 12));
    cursor.insertText(QStringLiteral(" italic"),
                      format(false, true, false, false, QStringLiteral("DejaVu Sans"), 12));
    cursor.insertText(QStringLiteral(" underline"),
                      format(false, false, true, false, QStringLiteral("DejaVu Sans"), 12));
    cursor.insertText(QStringLiteral(" strike"),
                      format(false, false, false, true, QStringLiteral("DejaVu Sans"), 12));
    cursor.insertBlock();
    cursor.insertText(
        QStringLiteral("Привет, мир!\tЁлка"),
        format(true, true, true, true, QStringLiteral("DejaVu Serif"), 10.5, QColor(200, 0, 0)));
    cursor.insertText(QString(QChar::LineSeparator) + QStringLiteral("Café naïve Größe"),
                      format(false, false, false, false, QStringLiteral("Шрифт Кириллица"), 20,
                             QColor(0, 0, 255)));
    cursor.insertBlock();  // an empty paragraph
    cursor.insertBlock();
    cursor.insertText(
        QStringLiteral("漢字 and emoji 😀𝄞 nbsp\u00A0soft\u00ADhyphen\u2011end"),
        format(false, true, false, false, QStringLiteral("DejaVu Sans"), 8, QColor(0, 128, 0)));
}

TEST(rtf_round_trip, keepsTextAndFormatsRunByRun) {
    QTextDocument original;
    fill_rich_document(original);
    const QByteArray rtf = write_rtf(original);

    QTextDocument read_back;
    read_rtf(rtf, read_back);

    EXPECT_EQ(read_back.toRawText(), original.toRawText());
    EXPECT_EQ(paragraphs_of(read_back), paragraphs_of(original));
}

TEST(rtf_round_trip, writesOnlyAsciiWithTheDocumentHeader) {
    QTextDocument original;
    fill_rich_document(original);
    const QByteArray rtf = write_rtf(original);

    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1251\\deff0"));
    EXPECT_TRUE(std::all_of(rtf.begin(), rtf.end(), [](char c) { return c > 0; }));
    // Characters beyond U+FFFF go out as a surrogate pair of signed 16-bit escapes.
    EXPECT_TRUE(rtf.contains("\\u-10179\\'3f\\u-8704\\'3f"));
    EXPECT_TRUE(rtf.contains("\\u1055\\'3f"));  // П
}

TEST(rtf_round_trip, emptyDocumentIsAValidEmptyRtfDocument) {
    QTextDocument empty;
    const QByteArray rtf = write_rtf(empty);

    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    EXPECT_EQ(rtf.count('{'), rtf.count('}'));
    QTextDocument read_back;
    read_back.setPlainText(QStringLiteral("old content"));
    read_rtf(rtf, read_back);
    EXPECT_TRUE(read_back.isEmpty());
}

TEST(rtf_round_trip, defaultFontOfTheDocumentIsWrittenExplicitly) {
    QTextDocument original;
    original.setDefaultFont(QFont(QStringLiteral("DejaVu Serif"), 15, QFont::Bold));
    original.setPlainText(QStringLiteral("box font only"));

    QTextDocument read_back;  // a box with another font
    read_back.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    read_rtf(write_rtf(original), read_back);

    EXPECT_EQ(paragraphs_of(read_back), paragraphs_of(original));
}

}  // namespace
}  // namespace vorna::rtf
