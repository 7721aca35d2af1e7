#pragma once

#include <QFont>

class QTextEdit;

namespace vorna::ui {

// Gives both boxes the font's size, then its name, then bold, then italic,
// each to the whole content of RTF1 first and RTF2 second. Underline,
// strike-out and colour of the font are not applied.
void apply_font_to_boxes(const QFont& font, QTextEdit& rtf1, QTextEdit& rtf2);

}  // namespace vorna::ui
