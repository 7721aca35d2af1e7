#include "document_runs.h"
#include "ui/rtf/document_files.h"
#include "ui/rtf/rtf_reader.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextCursor>

#include <gtest/gtest.h>

namespace vorna::rtf {
namespace {

using testing::paragraphs_of;
using testing::read_test_file;
using testing::TextRun;

// The first run whose text contains `needle`.
TextRun run_with(const QTextDocument& document, const QString& needle) {
    for (const auto& paragraph : paragraphs_of(document)) {
        for (const TextRun& run : paragraph) {
            if (run.text.contains(needle)) {
                return run;
            }
        }
    }
    ADD_FAILURE() << "no run holds " << needle.toStdString();
    return {};
}

QTextDocument* read_libreoffice_file(QTextDocument& document, const char* name) {
    const QByteArray rtf = read_test_file(QStringLiteral("libreoffice/") + QLatin1String(name));
    EXPECT_FALSE(rtf.isEmpty()) << name;
    read_rtf(rtf, document);
    return &document;
}

TEST(rtf_interop, libreOfficeFormatsAreRead) {
    QTextDocument document;
    read_libreoffice_file(document, "formats.rtf");
    const QString text = document.toPlainText();
    EXPECT_TRUE(
        text.contains(QStringLiteral("Привет, мир! Съешь же ещё этих мягких французских булок.")));
    EXPECT_TRUE(text.contains(QStringLiteral("Café, naïve, Ærøskøbing, Größe.")));
    EXPECT_FALSE(text.contains(QStringLiteral("?")));
    EXPECT_FALSE(text.contains(QStringLiteral("Default Page Style")));

    const TextRun plain = run_with(document, QStringLiteral("Plain start"));
    EXPECT_FALSE(plain.bold || plain.italic || plain.underline || plain.strike);
    EXPECT_EQ(plain.points, 12.0);
    EXPECT_EQ(plain.family, QStringLiteral("DejaVu Serif"));
    EXPECT_TRUE(run_with(document, QStringLiteral("bold words")).bold);
    EXPECT_TRUE(run_with(document, QStringLiteral("italic words")).italic);
    EXPECT_TRUE(run_with(document, QStringLiteral("underlined words")).underline);
    EXPECT_TRUE(run_with(document, QStringLiteral("struck words")).strike);
    EXPECT_EQ(run_with(document, QStringLiteral("Large heading")).points, 18.0);
    EXPECT_EQ(run_with(document, QStringLiteral("Small print")).points, 9.0);
    EXPECT_EQ(run_with(document, QStringLiteral("Red text")).colour, QColor(0xc0, 0, 0));
    const TextRun both = run_with(document, QStringLiteral("bold italic"));
    EXPECT_TRUE(both.bold && both.italic);
}

TEST(rtf_interop, libreOfficeLetterWithTabsAndLineBreaks) {
    QTextDocument document;
    read_libreoffice_file(document, "letter.rtf");
    const QString text = document.toRawText();
    EXPECT_TRUE(text.contains(QStringLiteral("Уважаемый Иван Петрович,")));
    EXPECT_TRUE(
        text.contains(QStringLiteral("прошу срочно прислать отчёт.\tTab here.\u2028Second line.")));
    EXPECT_TRUE(run_with(document, QStringLiteral("Иван Петрович")).bold);
    EXPECT_TRUE(run_with(document, QStringLiteral("срочно")).italic);
    EXPECT_TRUE(run_with(document, QStringLiteral("отчёт")).underline);
    EXPECT_EQ(run_with(document, QStringLiteral("Big words")).points, 20.0);
    EXPECT_EQ(run_with(document, QStringLiteral("Уважаемый")).points, 11.0);
}

TEST(rtf_interop, libreOfficeTablesLinksListsAndPicturesKeepTheirText) {
    QTextDocument document;
    read_libreoffice_file(document, "extras.rtf");
    const QString text = document.toPlainText();
    for (const QString& expected :
         {QStringLiteral("Before the table."), QStringLiteral("Cell one"),
          QStringLiteral("Ячейка четыре"), QStringLiteral("A link text inside a sentence."),
          QStringLiteral("First item"), QStringLiteral("Picture follows:"),
          QStringLiteral("after picture."), QStringLiteral("中文 text and emoji 😀 end.")}) {
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
    }
    EXPECT_FALSE(text.contains(QStringLiteral("HYPERLINK")));
    EXPECT_FALSE(text.contains(QStringLiteral("89504e47"), Qt::CaseInsensitive));
}

// Runs unrtf on `path` with one of its output formats.
QString unrtf_output(const QString& unrtf, const QString& format, const QString& path) {
    QProcess process;
    process.start(unrtf, {format, path});
    EXPECT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Another RTF reader must get the same text back from what we write. unrtf's
// plain-text output shows every character outside ASCII as "?", so the exact
// characters are checked through its HTML output.
TEST(rtf_interop, unrtfReadsOurOutput) {
    const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
    if (unrtf.isEmpty()) {
        GTEST_SKIP() << "unrtf is not installed (scripts/install-deps installs it)";
    }
    QTextDocument document;
    QTextCursor cursor(&document);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("Hello "));
    cursor.insertText(QStringLiteral("мир"), bold);
    cursor.insertText(QStringLiteral(", café {x} \\ end"));
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("Второй абзац: Съешь же ещё 漢字"));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("out.rtf"));
    ASSERT_TRUE(save_document_as_rtf(document, path));

    QStringList lines;
    for (const QString& line : unrtf_output(unrtf, QStringLiteral("--text"), path).split(u'\n')) {
        if (!line.startsWith(QStringLiteral("###")) && !line.startsWith(QStringLiteral("---")) &&
            !line.trimmed().isEmpty()) {
            lines << line;
        }
    }
    EXPECT_EQ(lines, QStringList({QStringLiteral("Hello ???, caf? {x} \\ end"),
                                  QStringLiteral("?????? ?????: ????? ?? ??? ??")}));

    QTextDocument from_html;
    from_html.setHtml(unrtf_output(unrtf, QStringLiteral("--html"), path));
    EXPECT_EQ(from_html.toPlainText().simplified(), document.toPlainText().simplified());
}

}  // namespace
}  // namespace vorna::rtf
