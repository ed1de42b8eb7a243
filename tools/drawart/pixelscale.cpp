#include "pixelscale.h"

#include <QImage>

namespace sorvex {

QImage pixelScaled(const QImage &image, int factor)
{
    QImage scaled(image.size() * factor, image.format());
    if (image.format() == QImage::Format_Indexed8)
        scaled.setColorTable(image.colorTable());
    for (int y = 0; y < scaled.height(); ++y) {
        for (int x = 0; x < scaled.width(); ++x) {
            if (image.format() == QImage::Format_Indexed8)
                scaled.setPixel(x, y, static_cast<uint>(image.pixelIndex(x / factor, y / factor)));
            else
                scaled.setPixel(x, y, image.pixel(x / factor, y / factor));
        }
    }
    return scaled;
}

} // namespace sorvex
