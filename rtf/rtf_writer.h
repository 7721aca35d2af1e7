#pragma once

#include <QByteArray>
#include <QTextDocument>

namespace vorna::rtf {

// The document as RTF 1.x that other word processors open: paragraphs, line
// breaks, tabs, bold, italic, underline, strike-out, font family and size and
// text colour. Every character outside ASCII is written as a \u escape, so no
// code page can lose it, followed by its Windows-1251 byte ("?" when it has
// none) for readers that skip \u. An empty document gives a valid, empty RTF
// document.
QByteArray write_rtf(const QTextDocument& document);

}  // namespace vorna::rtf
