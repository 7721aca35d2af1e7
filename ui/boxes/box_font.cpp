#include "ui/boxes/box_font.h"

#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <functional>
#include <utility>
#include <vector>

namespace vorna::ui {

namespace {

// RTF's size for a run without \fs.
constexpr qreal kRtfDefaultPointSize = 12;

// One font property given to a whole box: to the box's own font, which the
// document uses for every run that does not state the property itself.
void apply_to_box(QTextEdit& box, const std::function<void(QFont&)>& set_font) {
    QFont box_font = box.font();
    set_font(box_font);
    box.setFont(box_font);
    box.document()->setDefaultFont(box_font);
}

}  // namespace

void apply_font_to_boxes(const QFont& font, QTextEdit& rtf1, QTextEdit& rtf2) {
    const qreal size = font.pointSizeF() > 0 ? font.pointSizeF() : QFont().pointSizeF();
    const QString name = font.family();
    const bool bold = font.bold();
    const bool italic = font.italic();

    for (QTextEdit* box : {&rtf1, &rtf2}) {
        apply_to_box(*box, [size](QFont& f) { f.setPointSizeF(size); });
    }
    for (QTextEdit* box : {&rtf1, &rtf2}) {
        apply_to_box(*box, [&name](QFont& f) { f.setFamilies({name}); });
    }
    for (QTextEdit* box : {&rtf1, &rtf2}) {
        apply_to_box(*box, [bold](QFont& f) { f.setBold(bold); });
    }
    for (QTextEdit* box : {&rtf1, &rtf2}) {
        apply_to_box(*box, [italic](QFont& f) { f.setItalic(italic); });
    }
}

void keep_rtf_formatting(QTextDocument& document) {
    // Ranges first: merging formats joins fragments under an iterator.
    std::vector<std::pair<std::pair<int, int>, QTextCharFormat>> unsaid;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            QTextCharFormat plain;
            if (!format.hasProperty(QTextFormat::FontWeight)) {
                plain.setFontWeight(QFont::Normal);
            }
            if (!format.hasProperty(QTextFormat::FontItalic)) {
                plain.setFontItalic(false);
            }
            if (!format.hasProperty(QTextFormat::FontPointSize)) {
                plain.setFontPointSize(kRtfDefaultPointSize);
            }
            if (!plain.properties().isEmpty()) {
                unsaid.push_back(
                    {{fragment.position(), fragment.position() + fragment.length()}, plain});
            }
        }
    }
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (const auto& [range, plain] : unsaid) {
        cursor.setPosition(range.first);
        cursor.setPosition(range.second, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(plain);
    }
    cursor.endEditBlock();
}

}  // namespace vorna::ui
