#pragma once

#include <QIcon>
#include <QImage>
#include <QRectF>

class QPainter;

namespace vorna::ui {

// The product's icon: two speech bubbles on a blue tile, drawn with paths only
// so it needs no font and scales to any size.
void draw_product_icon(QPainter& painter, const QRectF& area);
QImage product_icon_image(int size);
// The 32 x 32 icon of the main window, the statistics window and the About box.
QIcon product_icon();

// The About box's picture, 135 x 60 pixels: the icon and the product name.
QImage product_picture();

}  // namespace vorna::ui
