#pragma once

#include <QFont>

class QTextDocument;
class QTextEdit;

namespace vorna::ui {

// Gives both boxes the font's size, then its name, then bold, then italic,
// each to RTF1 first and RTF2 second. The font is the boxes' own: it shows
// in all text without formatting of its own (typed text, plain-text files,
// translations), while formatted runs keep theirs. Underline, strike-out and
// colour of the font are not applied.
void apply_font_to_boxes(const QFont& font, QTextEdit& rtf1, QTextEdit& rtf2);

// Makes an opened RTF document's runs state what RTF leaves unsaid for plain
// text (not bold, not italic, 12 points), so they do not take the box's font
// instead and are saved as they were read.
void keep_rtf_formatting(QTextDocument& document);

}  // namespace vorna::ui
