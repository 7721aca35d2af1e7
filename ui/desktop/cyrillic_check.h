#pragma once

#include <QString>

class QLabel;
class QTextEdit;

namespace vorna::ui {

class DesktopServices;

// The three Cyrillic letters every window writes into one of its elements.
QString cyrillic_sample();

// The Cyrillic check: writes the sample into the element, reads it back and
// also asks whether any installed font covers Cyrillic. The sample stays in
// the element; the caller overwrites it.
bool probe_cyrillic(QLabel& label, DesktopServices& services, const QString& window);
bool probe_cyrillic(QTextEdit& box, DesktopServices& services, const QString& window);

// The About box's check: its designed title caption compared with the literal.
bool caption_survived(const QString& caption_read_back, const QString& designed_caption,
                      DesktopServices& services, const QString& window);

}  // namespace vorna::ui
