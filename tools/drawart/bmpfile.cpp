#include "bmpfile.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>

namespace sorvex {

QByteArray bmpFile(const QImage &image)
{
    QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    // Fixed rather than Qt's default, which follows the screen, so the file
    // is the same wherever it is made; 3780 per metre is 96 dpi, the
    // resolution the reel geometry is laid out for.
    rgb.setDotsPerMeterX(3780);
    rgb.setDotsPerMeterY(3780);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    rgb.save(&buffer, "BMP");
    return data;
}

} // namespace sorvex
