#include "document_runs.h"

#include <QTextBlock>
#include <QTextFragment>

#include <ostream>

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace vorna::rtf::testing {

QString TextRun::format_name() const {
    return QLatin1String(bold ? "bold " : "") + (italic ? "italic " : "") +
           (underline ? "underline " : "") + (strike ? "strike " : "") + family + QLatin1Char(' ') +
           QString::number(points) + "pt " + (colour.isValid() ? colour.name() : "auto");
}

void PrintTo(const TextRun& run, std::ostream* out) {
    *out << run.describe().toStdString();
}

std::vector<Paragraph> paragraphs_of(const QTextDocument& document) {
    std::vector<Paragraph> paragraphs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        Paragraph& paragraph = paragraphs.emplace_back();
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const QFont font = format.font().resolve(document.defaultFont());
            const QBrush brush = format.foreground();
            const TextRun run{
                it.fragment().text(), font.bold(),
                font.italic(),        font.underline(),
                font.strikeOut(),     font.families().value(0, font.family()),
                font.pointSizeF(),    brush.style() == Qt::NoBrush ? QColor() : brush.color()};
            if (!paragraph.empty() && paragraph.back().format_name() == run.format_name())
                paragraph.back().text += run.text;
            else
                paragraph.push_back(run);
        }
    }
    return paragraphs;
}

}  // namespace vorna::rtf::testing
