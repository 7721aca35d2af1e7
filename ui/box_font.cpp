#include "ui/box_font.h"

#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <functional>

namespace vorna::ui {

namespace {

// One font property given to a whole box: to the box's own font, which new
// and cleared text takes, and to every character already in it, which may
// carry a font of its own from an opened document.
void apply_to_box(QTextEdit& box, const std::function<void(QFont&)>& set_font,
                  const std::function<void(QTextCharFormat&)>& set_format) {
    QFont box_font = box.font();
    set_font(box_font);
    box.setFont(box_font);
    box.document()->setDefaultFont(box_font);

    QTextCharFormat format;
    set_format(format);
    QTextCursor everything(box.document());
    everything.select(QTextCursor::Document);
    everything.mergeCharFormat(format);
    box.mergeCurrentCharFormat(format);
}

}  // namespace

void apply_font_to_boxes(const QFont& font, QTextEdit& rtf1, QTextEdit& rtf2) {
    const qreal size = font.pointSizeF() > 0 ? font.pointSizeF() : QFont().pointSizeF();
    const QString name = font.family();
    const bool bold = font.bold();
    const bool italic = font.italic();

    for (QTextEdit* box : {&rtf1, &rtf2}) {
        apply_to_box(
            *box, [size](QFont& f) { f.setPointSizeF(size); },
            [size](QTextCharFormat& f) { f.setFontPointSize(size); });
    }
    for (QTextEdit* box : {&rtf1, &rtf2}) {
        apply_to_box(
            *box, [&name](QFont& f) { f.setFamilies({name}); },
            [&name](QTextCharFormat& f) { f.setFontFamilies(QStringList{name}); });
    }
    for (QTextEdit* box : {&rtf1, &rtf2}) {
        apply_to_box(
            *box, [bold](QFont& f) { f.setBold(bold); },
            [bold](QTextCharFormat& f) { f.setFontWeight(bold ? QFont::Bold : QFont::Normal); });
    }
    for (QTextEdit* box : {&rtf1, &rtf2}) {
        apply_to_box(
            *box, [italic](QFont& f) { f.setItalic(italic); },
            [italic](QTextCharFormat& f) { f.setFontItalic(italic); });
    }
}

}  // namespace vorna::ui
