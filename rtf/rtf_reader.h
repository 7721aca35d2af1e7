#pragma once

#include <QByteArray>
#include <QTextDocument>

#include <functional>

#include "core/io/status.h"

namespace vorna::rtf {

// Replaces the whole content of `document` with the RTF document `rtf`: text,
// paragraphs, line breaks, tabs and the character formats the boxes show (bold,
// italic, underline, strike-out, font family and size, colour). Pictures, tables'
// layout, notes and other destinations are left out. Damaged input is read as far
// as it makes sense; this never throws and never recurses per group. When
// memory runs out (in the reader or in `between_pieces`) the document holds
// what was read before, and the status says it is not the whole (ENOMEM).
// `between_pieces`, when given, is called after every few kilobytes of input,
// so a host can keep its windows alive while a large document is read; the
// document must not be changed from it.
Status read_rtf(const QByteArray& rtf, QTextDocument& document,
                const std::function<void()>& between_pieces = {});

}  // namespace vorna::rtf
