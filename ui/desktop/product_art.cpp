#include "ui/desktop/product_art.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace vorna::ui {

namespace {

// A rounded bubble with a tail, in unit coordinates of the icon (0..1).
QPainterPath bubble(QRectF body, QPointF tail_base, QPointF tail_tip, double scale) {
    QPainterPath path;
    path.addRoundedRect(QRectF(body.topLeft() * scale, body.size() * scale), 0.07 * scale,
                        0.07 * scale);
    QPainterPath tail;
    tail.moveTo(tail_base * scale);
    tail.lineTo(tail_tip * scale);
    tail.lineTo((tail_base + QPointF(0.14, 0)) * scale);
    tail.closeSubpath();
    return path.united(tail);
}

void draw_text_lines(QPainter& painter, QRectF body, int lines, double scale, QColor colour) {
    painter.setPen(QPen(colour, std::max(1.0, 0.045 * scale), Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < lines; ++i) {
        const double y = body.top() + body.height() * (i + 1) / (lines + 1);
        const double right = body.right() - 0.08 - (i == lines - 1 ? 0.12 : 0.0);
        painter.drawLine(QPointF(body.left() + 0.08, y) * scale, QPointF(right, y) * scale);
    }
}

}  // namespace

void draw_product_icon(QPainter& painter, const QRectF& area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(area.topLeft());
    const double scale = std::min(area.width(), area.height());

    QLinearGradient tile_colour(0, 0, 0, scale);
    tile_colour.setColorAt(0, QColor(0x2f, 0x6f, 0xc9));
    tile_colour.setColorAt(1, QColor(0x1a, 0x3f, 0x85));
    painter.setPen(Qt::NoPen);
    painter.setBrush(tile_colour);
    painter.drawRoundedRect(QRectF(0, 0, scale, scale), 0.16 * scale, 0.16 * scale);

    // The English bubble at the top left, the Russian one overlapping it.
    const QRectF english(0.08, 0.10, 0.58, 0.40);
    painter.setBrush(QColor(0xff, 0xff, 0xff));
    painter.drawPath(bubble(english, QPointF(0.18, 0.49), QPointF(0.14, 0.62), scale));
    draw_text_lines(painter, english, 2, scale, QColor(0x1a, 0x3f, 0x85));

    const QRectF russian(0.34, 0.46, 0.58, 0.40);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xe0, 0x3c, 0x31));
    painter.drawPath(bubble(russian, QPointF(0.70, 0.85), QPointF(0.80, 0.96), scale));
    draw_text_lines(painter, russian, 2, scale, QColor(0xff, 0xff, 0xff));
    painter.restore();
}

QImage product_icon_image(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    draw_product_icon(painter, QRectF(0, 0, size, size));
    return image;
}

QIcon product_icon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        icon.addPixmap(QPixmap::fromImage(product_icon_image(size)));
    }
    return icon;
}

QImage product_picture() {
    QImage image(135, 60, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 135, 0);
    background.setColorAt(0, QColor(0xf4, 0xf7, 0xfc));
    background.setColorAt(1, QColor(0xd9, 0xe4, 0xf5));
    painter.fillRect(image.rect(), background);
    draw_product_icon(painter, QRectF(8, 8, 44, 44));

    // The name gets the largest size that fits beside the icon.
    const QRectF name_area(58, 8, 72, 28);
    QFont name_font(QStringLiteral("DejaVu Sans"));
    name_font.setBold(true);
    for (int pixels = 22; pixels > 8; --pixels) {
        name_font.setPixelSize(pixels);
        if (QFontMetricsF(name_font).horizontalAdvance(QStringLiteral("VORNA")) <=
            name_area.width()) {
            break;
        }
    }
    painter.setFont(name_font);
    painter.setPen(QColor(0x1a, 0x3f, 0x85));
    painter.drawText(name_area, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("VORNA"));
    QFont tag_font(QStringLiteral("DejaVu Sans"));
    tag_font.setPixelSize(10);
    painter.setFont(tag_font);
    painter.setPen(QColor(0xe0, 0x3c, 0x31));
    painter.drawText(QRectF(58, 34, 75, 16), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("EN \u2192 RU"));
    return image;
}

}  // namespace vorna::ui
