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
    bool bold = false, italic = false, underline = false, strike = false;
    QString family;
    double points = 0;
    QColor colour;  // invalid: the automatic colour

    // The format in words, e.g. "bold DejaVu Sans 12pt #ff0000"; describe() puts the
    // quoted text before it.
    QString format_name() const;
    QString describe() const { return QLatin1Char('"') + text + "\" " + format_name(); }
    bool operator==(const TextRun& other) const { return describe() == other.describe(); }
};
void PrintTo(const TextRun& run, std::ostream* out);

using Paragraph = std::vector<TextRun>;

// The document's paragraphs, each as runs; neighbouring fragments of one format are merged.
std::vector<Paragraph> paragraphs_of(const QTextDocument& document);

}  // namespace vorna::rtf::testing
