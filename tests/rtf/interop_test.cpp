#include "document_runs.h"
#include "rtf/document_files.h"
#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vorna::rtf {
namespace {

using testing::TextRun;

// The first run whose text contains `needle`.
TextRun run_with(const QTextDocument& document, const QString& needle) {
    for (const auto& paragraph : testing::paragraphs_of(document)) {
        for (const TextRun& run : paragraph) {
            if (run.text.contains(needle))
                return run;
        }
    }
    ADD_FAILURE() << "no run holds " << needle.toStdString();
    return {};
}

void read_libreoffice_file(const char* name, QTextDocument& document) {
    QFile file(QStringLiteral(VORNA_TEST_DATA_DIR "/rtf/libreoffice/") + name);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    ASSERT_TRUE(read_rtf(file.readAll(), document)) << name;
}

TEST(rtf_interop, libreOfficeDocumentsKeepTheirTextAndFormats) {
    QTextDocument document, letter, extras;
    read_libreoffice_file("formats.rtf", document);
    read_libreoffice_file("letter.rtf", letter);
    read_libreoffice_file("extras.rtf", extras);
    QString text = document.toPlainText();
    EXPECT_TRUE(
        text.contains(QStringLiteral("Привет, мир! Съешь же ещё этих мягких французских булок.")));
    EXPECT_TRUE(text.contains(QStringLiteral("Café, naïve, Ærøskøbing, Größe.")));
    EXPECT_FALSE(text.contains(QStringLiteral("?")));
    EXPECT_FALSE(text.contains(QStringLiteral("Default Page Style")));

    EXPECT_EQ(run_with(document, QStringLiteral("Plain start")).describe(),
              QStringLiteral("\"Plain start, \" DejaVu Serif 12pt auto"));
    EXPECT_TRUE(run_with(document, QStringLiteral("bold words")).bold);
    EXPECT_TRUE(run_with(document, QStringLiteral("italic words")).italic);
    EXPECT_TRUE(run_with(document, QStringLiteral("underlined words")).underline);
    EXPECT_TRUE(run_with(document, QStringLiteral("struck words")).strike);
    EXPECT_EQ(run_with(document, QStringLiteral("Large heading")).points, 18.0);
    EXPECT_EQ(run_with(document, QStringLiteral("Small print")).points, 9.0);
    EXPECT_EQ(run_with(document, QStringLiteral("Red text")).colour, QColor(0xc0, 0, 0));
    const TextRun both = run_with(document, QStringLiteral("bold italic"));
    EXPECT_TRUE(both.bold && both.italic);

    // A letter with tabs and line breaks.
    text = letter.toRawText();
    EXPECT_TRUE(text.contains(QStringLiteral("Уважаемый Иван Петрович,")));
    EXPECT_TRUE(
        text.contains(QStringLiteral("прошу срочно прислать отчёт.\tTab here.\u2028Second line.")));
    EXPECT_TRUE(run_with(letter, QStringLiteral("Иван Петрович")).bold);
    EXPECT_TRUE(run_with(letter, QStringLiteral("срочно")).italic);
    EXPECT_TRUE(run_with(letter, QStringLiteral("отчёт")).underline);
    EXPECT_EQ(run_with(letter, QStringLiteral("Big words")).points, 20.0);

    // Tables, links, lists and pictures keep their text.
    text = extras.toPlainText();
    for (const char* expected :
         {"Before the table.", "Cell one", "Ячейка четыре", "A link text inside a sentence.",
          "First item", "Picture follows:", "after picture.", "中文 text and emoji 😀 end."})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    EXPECT_FALSE(text.contains(QStringLiteral("HYPERLINK")));
    EXPECT_FALSE(text.contains(QStringLiteral("89504e47"), Qt::CaseInsensitive));
}

QString unrtf_output(const QString& unrtf, const char* format, const QString& path) {
    QProcess process;
    process.start(unrtf, {QString::fromLatin1(format), path});
    EXPECT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A reader that does not know \u skips it and shows the fallback after it:
// Russian stays readable there, characters outside the code page become "?".
TEST(rtf_interop, readersThatSkipUnicodeEscapesShowTheCodePageFallback) {
    QTextDocument document;
    document.setPlainText(QStringLiteral("Привет, Ёжик: café № 5 — 漢字 😀"));
    QString rtf = QString::fromLatin1(write_rtf(document));
    rtf.remove(QRegularExpression(QStringLiteral("\\\\u-?[0-9]+ ?")));
    ASSERT_FALSE(rtf.contains(QStringLiteral("\\u1")));

    QTextDocument fallback_only;
    ASSERT_TRUE(read_rtf(rtf.toLatin1(), fallback_only));
    EXPECT_EQ(fallback_only.toPlainText(), QStringLiteral("Привет, Ёжик: caf? № 5 — ?? ??"));
}

// Another RTF reader must get the same text back from what we write, checked
// through unrtf's HTML output (its plain-text output is not Unicode).
TEST(rtf_interop, unrtfReadsOurOutput) {
    const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
    if (unrtf.isEmpty())
        GTEST_SKIP() << "unrtf is not installed (scripts/install-deps installs it)";
    QTextDocument document;
    document.setHtml(QStringLiteral(
        "<p>Hello <b>мир</b>, café {x} \\ end</p><p>Второй абзац: Съешь же ещё 漢字</p>"));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("out.rtf"));
    ASSERT_TRUE(save_document_as_rtf(document, path));

    QTextDocument from_html;
    from_html.setHtml(unrtf_output(unrtf, "--html", path));
    EXPECT_EQ(from_html.toPlainText().simplified(), document.toPlainText().simplified());
}

}  // namespace
}  // namespace vorna::rtf
