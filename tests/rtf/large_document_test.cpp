#include "document_runs.h"
#include "rtf/long_word_wrap.h"
#include "rtf/rtf_reader.h"

#include <QTextBlock>

#include <gtest/gtest.h>

namespace vorna::rtf {
namespace {

// Many fonts, colours and alternating runs, long enough to be read in many pieces.
QByteArray varied_document(int fonts) {
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl";
    for (int i = 0; i < fonts; ++i)
        rtf += "{\\f" + QByteArray::number(i) + " Font" + QByteArray::number(i) + ";}";
    rtf += "}{\\colortbl;\\red255\\green0\\blue0;}\\fs24\n";
    for (int i = 0; i < fonts; ++i) {
        rtf += "\\f" + QByteArray::number(i) + " \\b x\\b0 y{\\cf1\\i \\'e4\\u1087?}";
        if (i % 7 == 0)
            rtf += "\\par\n";
    }
    return rtf + "}";
}

TEST(rtf_reader, a_document_read_in_pieces_is_the_document_read_at_once) {
    const QByteArray rtf = varied_document(3000);
    QTextDocument at_once;
    read_rtf(rtf, at_once);
    QTextDocument in_pieces;
    int pauses = 0;
    read_rtf(rtf, in_pieces, [&] {
        ++pauses;
        // Between pieces the document is whole and may be looked at.
        EXPECT_TRUE(in_pieces.lastBlock().isValid());
    });
    EXPECT_GT(pauses, 3);
    EXPECT_EQ(in_pieces.toRawText(), at_once.toRawText());
    EXPECT_EQ(testing::paragraphs_of(in_pieces), testing::paragraphs_of(at_once));

    // Every font keeps its own family, however many there are.
    const auto paragraphs = testing::paragraphs_of(at_once);
    EXPECT_EQ(paragraphs.front().front().describe(), R"("x" bold Font0 12pt auto)");
    EXPECT_EQ(paragraphs.back().back().describe(), R"("дп" italic Font2999 12pt #ff0000)");
    QStringList families;
    for (const auto& paragraph : paragraphs) {
        for (const testing::TextRun& run : paragraph) {
            if (families.isEmpty() || families.back() != run.family)
                families << run.family;
        }
    }
    EXPECT_EQ(families.size(), 3000);
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
