#include "document_runs.h"

#include <QFile>
#include <QTextBlock>
#include <QTextFragment>

#include <ostream>

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace vorna::rtf::testing {

bool TextRun::operator==(const TextRun& other) const {
    return text == other.text && bold == other.bold && italic == other.italic &&
           underline == other.underline && strike == other.strike && family == other.family &&
           points == other.points && colour == other.colour;
}

void PrintTo(const TextRun& run, std::ostream* out) {
    *out << '"' << run.text.toStdString() << '"' << (run.bold ? " bold" : "")
         << (run.italic ? " italic" : "") << (run.underline ? " underline" : "")
         << (run.strike ? " strike" : "") << ' ' << run.family.toStdString() << ' ' << run.points
         << "pt " << (run.colour.isValid() ? run.colour.name().toStdString() : "auto");
}

std::vector<Paragraph> paragraphs_of(const QTextDocument& document) {
    std::vector<Paragraph> paragraphs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        Paragraph paragraph;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const QFont font = format.font().resolve(document.defaultFont());
            TextRun run;
            run.text = it.fragment().text();
            run.bold = font.bold();
            run.italic = font.italic();
            run.underline = font.underline();
            run.strike = font.strikeOut();
            run.family = font.families().value(0, font.family());
            run.points = font.pointSizeF();
            if (format.foreground().style() != Qt::NoBrush) {
                run.colour = format.foreground().color();
            }
            TextRun without_text = run;
            without_text.text.clear();
            if (!paragraph.empty()) {
                TextRun previous = paragraph.back();
                previous.text.clear();
                if (previous == without_text) {
                    paragraph.back().text += run.text;
                    continue;
                }
            }
            paragraph.push_back(run);
        }
        paragraphs.push_back(paragraph);
    }
    return paragraphs;
}

QByteArray read_test_file(const QString& relative_path) {
    QFile file(QStringLiteral(VORNA_TEST_DATA_DIR "/rtf/") + relative_path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

}  // namespace vorna::rtf::testing
