#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace vorna::rtf {
namespace {

QString read_text(const QByteArray& rtf) {
    QTextDocument document;
    EXPECT_TRUE(read_rtf(rtf, document));
    return document.toRawText();
}

TEST(rtf_bad_input, truncatedDocumentKeepsTheTextBeforeTheCut) {
    QTextDocument original;
    original.setHtml(QStringLiteral("<p><b>Начало документа</b></p><p>second {paragraph} 😀</p>"));
    const QByteArray rtf = write_rtf(original);
    const QString whole = read_text(rtf);
    ASSERT_EQ(whole, original.toRawText());
    // Cut at every byte: inside words, escapes, surrogate pairs and the tables.
    // What is read is the start of the whole; only its last two characters
    // may differ, where the cut shortened a \uN number or split a pair (its
    // first half is replaced, and the cut escape of its fallback is text).
    for (qsizetype cut = 0; cut < rtf.size(); ++cut) {
        const QString part = read_text(rtf.left(cut));
        EXPECT_TRUE(whole.startsWith(part.left(std::max<qsizetype>(part.size() - 2, 0)))) << cut;
    }
    EXPECT_EQ(read_text(rtf.left(rtf.size() - 1)), whole);  // only the last brace missing
}

TEST(rtf_bad_input, brokenAndHugeStructuresLoseNoText) {
    const QByteArray open(100'000, '{');
    const QByteArray close(100'000, '}');
    const std::pair<QByteArray, QString> cases[] = {
        {R"({\rtf1 one}} two}}} three)", "one two three"},  // unbalanced braces
        {R"({\rtf1 {\b one {\i two {{{)", "one two "},
        {"}}}}{\\rtf1 text", "text"},
        {QByteArray(), QString()},
        {"{\\rtf1 " + open + "deep" + close + " after}", "deep after"},
        {"{\\rtf1 " + open + "\\b never closed", "never closed"},
        // A hidden destination nested that deep still ends where its group ends.
        {"{\\rtf1 a{\\*\\x " + open + "hidden" + close + "}b}", "ab"},
        // A huge binary length or picture is skipped.
        {R"({\rtf1 a{\pict\bin999999999999999999999999 xyz}})", "a"},
        {R"({\rtf1 a\bin-5 b})", "ab"},
        {"{\\rtf1 before{\\pict\\pngblip " + QByteArray(20 * 1024 * 1024, 'f') + "}after}",
         "beforeafter"},
    };
    for (const auto& [rtf, text] : cases)
        EXPECT_EQ(read_text(rtf), text) << rtf.left(80).toStdString();
}

TEST(rtf_bad_input, randomBytesReadAsTextThatSavesAndReadsBackTheSame) {
    std::mt19937 random(20240601);
    for (int round = 0; round < 200; ++round) {
        QByteArray data = round % 2 == 0 ? QByteArray("{\\rtf1\\ansi ") : QByteArray();
        // Half the rounds lean on markup so the parser's states get exercised.
        for (int i = 0; i < 2000; ++i) {
            const unsigned pick = random() % 8;
            data += round % 4 < 2 && pick < 3 ? "{}\\"[pick] : static_cast<char>(random());
        }
        QTextDocument document;
        ASSERT_TRUE(read_rtf(data, document)) << round;
        const QString text = document.toRawText();
        // Never more characters than bytes, and never a lone surrogate.
        EXPECT_LE(text.size(), data.size()) << round;
        EXPECT_TRUE(QStringView(text).isValidUtf16()) << round;
        // Whatever was read is a document like any other.
        QTextDocument saved_and_read;
        ASSERT_TRUE(read_rtf(write_rtf(document), saved_and_read));
        EXPECT_EQ(saved_and_read.toRawText(), text) << round;
    }
}

}  // namespace
}  // namespace vorna::rtf
