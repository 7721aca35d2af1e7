#pragma once

#include <QColor>
#include <QString>
#include <QTextDocument>

#include <iosfwd>
#include <vector>

// Readable test failures for text.
void PrintTo(const QString& text, std::ostream* out);

namespace vorna::rtf::testing {

// One run of text with the format a reader sees on screen, resolved against the
// document's default font, so documents can be compared run by run.
struct TextRun {
    QString text;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    QString family;
    double points = 0;
    QColor colour;  // invalid: the automatic colour

    bool operator==(const TextRun& other) const;
};
void PrintTo(const TextRun& run, std::ostream* out);

using Paragraph = std::vector<TextRun>;

// The document's paragraphs, each as runs; neighbouring fragments of one format are merged.
std::vector<Paragraph> paragraphs_of(const QTextDocument& document);

QByteArray read_test_file(const QString& relative_path);

}  // namespace vorna::rtf::testing
