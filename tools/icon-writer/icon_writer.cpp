// Writes the product icon as PNG files for the desktop's icon theme, so the
// installed icon is the very one the windows draw.
#include <QDir>
#include <QImage>
#include <cstdio>
#include <cstdlib>

#include "ui/desktop/product_art.h"

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: vorna_icon_writer OUTPUT_FOLDER SIZE...\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size <= 0) {
            std::fprintf(stderr, "not a size: %s\n", argv[i]);
            return 2;
        }
        const QString name = folder.filePath(QStringLiteral("vorna-%1.png").arg(size));
        if (!vorna::ui::product_icon_image(size).save(name, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
            return 1;
        }
    }
    return 0;
}
