#include "ui/rtf/rtf_reader.h"
#include "ui/rtf/rtf_writer.h"

#include <QTextCursor>

#include <gtest/gtest.h>

#include <random>

namespace vorna::rtf {
namespace {

QString read_text(const QByteArray& rtf) {
    QTextDocument document;
    read_rtf(rtf, document);
    return document.toRawText();
}

TEST(rtf_bad_input, truncatedDocumentKeepsTheTextBeforeTheCut) {
    QTextDocument original;
    QTextCursor cursor(&original);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("Начало документа"), bold);
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("second {paragraph} 😀"));
    const QByteArray rtf = write_rtf(original);

    // Cut at every byte: inside words, escapes, surrogate pairs and the tables.
    for (qsizetype cut = 0; cut < rtf.size(); ++cut) {
        read_text(rtf.left(cut));
    }
    EXPECT_TRUE(read_text(rtf.left(rtf.size() - 3)).startsWith(QStringLiteral("Начало документа")));
}

TEST(rtf_bad_input, unbalancedBracesLoseNoText) {
    EXPECT_EQ(read_text(R"({\rtf1 one}} two}}} three)"), QStringLiteral("one two three"));
    EXPECT_EQ(read_text(R"({\rtf1 {\b one {\i two {{{)"), QStringLiteral("one two "));
    EXPECT_EQ(read_text("}}}}{\\rtf1 text"), QStringLiteral("text"));
}

TEST(rtf_bad_input, hundredThousandNestedGroups) {
    constexpr int kDepth = 100'000;
    const QByteArray open(kDepth, '{');
    const QByteArray close(kDepth, '}');
    EXPECT_EQ(read_text("{\\rtf1 " + open + "deep" + close + " after}"),
              QStringLiteral("deep after"));
    EXPECT_EQ(read_text("{\\rtf1 " + open + "\\b never closed"), QStringLiteral("never closed"));
    // A hidden destination nested that deep still ends where its group ends.
    EXPECT_EQ(read_text("{\\rtf1 a{\\*\\x " + open + "hidden" + close + "}b}"),
              QStringLiteral("ab"));
}

TEST(rtf_bad_input, hugeBinaryLengthStopsAtTheEnd) {
    EXPECT_EQ(read_text(R"({\rtf1 a{\pict\bin999999999999999999999999 xyz}})"),
              QStringLiteral("a"));
    EXPECT_EQ(read_text(R"({\rtf1 a\bin-5 b})"), QStringLiteral("ab"));
}

TEST(rtf_bad_input, twentyMegabytePictureIsSkipped) {
    const QByteArray picture(20 * 1024 * 1024, 'f');
    EXPECT_EQ(read_text("{\\rtf1 before{\\pict\\pngblip " + picture + "}after}"),
              QStringLiteral("beforeafter"));
}

TEST(rtf_bad_input, randomBytesNeverCrash) {
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> markup(0, 7);
    for (int round = 0; round < 200; ++round) {
        QByteArray data = round % 2 == 0 ? QByteArray("{\\rtf1\\ansi ") : QByteArray();
        for (int i = 0; i < 2000; ++i) {
            // Half the rounds lean on markup so the parser's states get exercised.
            const int pick = markup(random);
            if (round % 4 < 2 && pick < 3) {
                data += "{}\\"[pick];
            } else {
                data += static_cast<char>(byte(random));
            }
        }
        read_text(data);
    }
}

TEST(rtf_bad_input, emptyInputGivesAnEmptyDocument) {
    QTextDocument document;
    document.setPlainText(QStringLiteral("old"));
    read_rtf(QByteArray(), document);
    EXPECT_TRUE(document.isEmpty());
}

}  // namespace
}  // namespace vorna::rtf
