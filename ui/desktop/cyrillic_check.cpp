#include "ui/desktop/cyrillic_check.h"

#include <QLabel>
#include <QTextEdit>

#include "ui/desktop/desktop_services.h"

namespace vorna::ui {

QString cyrillic_sample() {
    return QStringLiteral("абв");
}

bool probe_cyrillic(QLabel& label, DesktopServices& services, const QString& window) {
    label.setText(cyrillic_sample());
    return caption_survived(label.text(), cyrillic_sample(), services, window);
}

bool probe_cyrillic(QTextEdit& box, DesktopServices& services, const QString& window) {
    box.setPlainText(cyrillic_sample());
    return caption_survived(box.toPlainText(), cyrillic_sample(), services, window);
}

bool caption_survived(const QString& caption_read_back, const QString& designed_caption,
                      DesktopServices& services, const QString& window) {
    // Qt keeps text as Unicode, so the round trip alone always succeeds;
    // without a Cyrillic font the letters would still show as boxes.
    return caption_read_back == designed_caption && services.cyrillic_font_installed(window);
}

}  // namespace vorna::ui
