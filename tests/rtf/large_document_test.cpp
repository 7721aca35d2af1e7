#include "document_runs.h"
#include "rtf/document_font_family.h"
#include "rtf/long_word_wrap.h"
#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"

#include <QSet>
#include <QTextBlock>
#include <QTextCursor>

#include <gtest/gtest.h>

namespace vorna::rtf {
namespace {

// Font table entries \f0 Font0 to \f<fonts - 1>, none of them installed.
QByteArray uninstalled_fonts(int fonts) {
    QByteArray table;
    for (int i = 0; i < fonts; ++i)
        table += "{\\f" + QByteArray::number(i) + " Font" + QByteArray::number(i) + ";}";
    return table;
}

// Many fonts, colours and alternating runs, long enough to be read in many pieces.
QByteArray varied_document(int fonts) {
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl" + uninstalled_fonts(fonts) +
                     "}{\\colortbl;\\red255\\green0\\blue0;}\\fs24\n";
    for (int i = 0; i < fonts; ++i) {
        rtf += "\\f" + QByteArray::number(i) + " \\b x\\b0 y{\\cf1\\i \\'e4\\u1087?}";
        if (i % 7 == 0)
            rtf += "\\par\n";
    }
    return rtf + "}";
}

// The font each run of `document` names, as the document gave it (`shown`: as it is
// shown); neighbours that name the same font count once.
QStringList font_names(const QTextDocument& document, bool shown = false) {
    QStringList names;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            QString name = shown ? QString() : format.stringProperty(kDocumentFontFamily);
            if (name.isEmpty())
                name = format.fontFamilies().toStringList().value(0);
            if (names.isEmpty() || names.back() != name)
                names << name;
        }
    }
    return names;
}

TEST(rtf_reader, a_document_read_in_pieces_is_the_document_read_at_once_and_keeps_its_fonts) {
    QByteArray rtf = varied_document(3000);
    QTextDocument at_once;
    ASSERT_TRUE(read_rtf(rtf, at_once));
    QTextDocument in_pieces;
    int pauses = 0;
    ASSERT_TRUE(read_rtf(rtf, in_pieces, [&] {
        ++pauses;
        // Between pieces the document is whole and may be looked at.
        EXPECT_TRUE(in_pieces.lastBlock().isValid());
    }));
    EXPECT_GT(pauses, 3);
    EXPECT_EQ(in_pieces.toRawText(), at_once.toRawText());
    EXPECT_EQ(testing::paragraphs_of(in_pieces), testing::paragraphs_of(at_once));

    // Past some hundreds of families, those not installed are shown in one that is,
    // yet every run keeps its own font's name, and saving writes it back.
    const QStringList names = font_names(at_once);
    EXPECT_EQ(names.size(), 3000);
    EXPECT_EQ(names.back(), QStringLiteral("Font2999"));
    const QStringList shown = font_names(at_once, true);
    EXPECT_LT(QSet<QString>(shown.begin(), shown.end()).size(), 300);

    QTextDocument reopened;
    ASSERT_TRUE(read_rtf(write_rtf(at_once), reopened));
    EXPECT_EQ(reopened.toRawText(), at_once.toRawText());
    EXPECT_EQ(font_names(reopened), names);

    // An installed family is shown by name however many fonts there are.
    rtf = "{\\rtf1{\\fonttbl" + uninstalled_fonts(1000) + "{\\f1000 DejaVu Serif;}}";
    for (int i = 0; i <= 1000; ++i)
        rtf += "{\\f" + QByteArray::number(i) + " x}";
    QTextDocument document;
    ASSERT_TRUE(read_rtf(rtf + "}", document));
    EXPECT_EQ(document.lastBlock().text().size(), 1001);
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    EXPECT_EQ(cursor.charFormat().fontFamilies().toStringList(), QStringList{"DejaVu Serif"});
    EXPECT_FALSE(cursor.charFormat().hasProperty(kDocumentFontFamily));
}

TEST(long_word_wrap, only_paragraphs_with_a_long_unbreakable_stretch_keep_to_one_line) {
    QTextDocument document;
    const QString words = QStringLiteral("some words ").repeated(500);
    const QString hyphenated = QStringLiteral("some-words-").repeated(500);
    const QString ideographs = QStringLiteral("漢字").repeated(1500);  // a break after each
    const QString unbroken = QStringLiteral("xy").repeated(1500);
    const QString text = QStringList{words, hyphenated, ideographs,
                                     unbroken + QStringLiteral(" end"), QStringLiteral("short")}
                             .join(QChar(u'\n'));
    document.setPlainText(text);
    keep_long_words_on_one_line(document);
    QList<bool> one_line;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        one_line << block.blockFormat().nonBreakableLines();
    EXPECT_EQ(one_line, QList<bool>({false, false, false, true, false}));
    EXPECT_EQ(document.toPlainText(), text);

    // Only the paragraphs within the given positions are looked at.
    QTextDocument twice;
    twice.setPlainText(unbroken + QChar(u'\n') + unbroken);
    keep_long_words_on_one_line(twice, static_cast<int>(unbroken.size()) + 1);
    EXPECT_FALSE(twice.firstBlock().blockFormat().nonBreakableLines());
    EXPECT_TRUE(twice.lastBlock().blockFormat().nonBreakableLines());
}

}  // namespace
}  // namespace vorna::rtf
