#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"

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
    original.setHtml(QStringLiteral("<p><b>Начало документа</b></p><p>second {paragraph} 😀</p>"));
    const QByteArray rtf = write_rtf(original);
    // Cut at every byte: inside words, escapes, surrogate pairs and the tables.
    for (qsizetype cut = 0; cut < rtf.size(); ++cut)
        read_text(rtf.left(cut));
    EXPECT_TRUE(read_text(rtf.left(rtf.size() - 3)).startsWith(QStringLiteral("Начало документа")));
}

TEST(rtf_bad_input, unbalancedBracesLoseNoText) {
    EXPECT_EQ(read_text(R"({\rtf1 one}} two}}} three)"), QStringLiteral("one two three"));
    EXPECT_EQ(read_text(R"({\rtf1 {\b one {\i two {{{)"), QStringLiteral("one two "));
    EXPECT_EQ(read_text("}}}}{\\rtf1 text"), QStringLiteral("text"));
    EXPECT_EQ(read_text(QByteArray()), QString());
}

TEST(rtf_bad_input, hundredThousandNestedGroups) {
    const QByteArray open(100'000, '{');
    const QByteArray close(100'000, '}');
    EXPECT_EQ(read_text("{\\rtf1 " + open + "deep" + close + " after}"),
              QStringLiteral("deep after"));
    EXPECT_EQ(read_text("{\\rtf1 " + open + "\\b never closed"), QStringLiteral("never closed"));
    // A hidden destination nested that deep still ends where its group ends.
    EXPECT_EQ(read_text("{\\rtf1 a{\\*\\x " + open + "hidden" + close + "}b}"),
              QStringLiteral("ab"));
}

TEST(rtf_bad_input, hugeBinaryLengthAndHugePictureAreSkipped) {
    EXPECT_EQ(read_text(R"({\rtf1 a{\pict\bin999999999999999999999999 xyz}})"),
              QStringLiteral("a"));
    EXPECT_EQ(read_text(R"({\rtf1 a\bin-5 b})"), QStringLiteral("ab"));
    const QByteArray picture(20 * 1024 * 1024, 'f');
    EXPECT_EQ(read_text("{\\rtf1 before{\\pict\\pngblip " + picture + "}after}"),
              QStringLiteral("beforeafter"));
}

TEST(rtf_bad_input, randomBytesNeverCrash) {
    std::mt19937 random(20240601);
    for (int round = 0; round < 200; ++round) {
        QByteArray data = round % 2 == 0 ? QByteArray("{\\rtf1\\ansi ") : QByteArray();
        // Half the rounds lean on markup so the parser's states get exercised.
        for (int i = 0; i < 2000; ++i) {
            const unsigned pick = random() % 8;
            data += round % 4 < 2 && pick < 3 ? "{}\\"[pick] : static_cast<char>(random());
        }
        read_text(data);
    }
}

}  // namespace
}  // namespace vorna::rtf
