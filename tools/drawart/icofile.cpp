#include "icofile.h"

#include "littleendianwriter.h"

#include <QByteArray>
#include <QImage>

namespace sorvex {

namespace {
constexpr int directorySize = 6 + 16;
constexpr int infoHeaderSize = 40;
constexpr int paletteEntries = 16;
} // namespace

QByteArray icoFile(const QImage &indexedImage)
{
    Q_ASSERT(indexedImage.format() == QImage::Format_Indexed8);
    Q_ASSERT(indexedImage.colorCount() <= paletteEntries);
    const int width = indexedImage.width();
    const int height = indexedImage.height();
    // Rows of both bitmaps are padded to whole 32-bit words.
    const int colourStride = ((width * 4 + 31) / 32) * 4;
    const int maskStride = ((width + 31) / 32) * 4;
    const int imageSize = infoHeaderSize + paletteEntries * 4 + (colourStride + maskStride) * height;

    QByteArray file;
    LittleEndianWriter out(file);
    out.u16(0);
    out.u16(1); // icon, not cursor
    out.u16(1); // one image
    out.u8(static_cast<quint8>(width));
    out.u8(static_cast<quint8>(height));
    out.u8(paletteEntries);
    out.u8(0);
    out.u16(1);
    out.u16(4);
    out.u32(static_cast<quint32>(imageSize));
    out.u32(directorySize);

    out.u32(infoHeaderSize);
    out.i32(width);
    out.i32(height * 2); // colour bitmap and mask stacked
    out.u16(1);
    out.u16(4);
    out.u32(0);
    out.u32(static_cast<quint32>((colourStride + maskStride) * height));
    out.i32(0);
    out.i32(0);
    out.u32(paletteEntries);
    out.u32(0);

    const QList<QRgb> table = indexedImage.colorTable();
    auto transparent = [&](int x, int y) { return qAlpha(table.value(indexedImage.pixelIndex(x, y))) == 0; };
    for (int i = 0; i < paletteEntries; ++i) {
        const QRgb colour = table.value(i);
        out.u8(static_cast<quint8>(qBlue(colour)));
        out.u8(static_cast<quint8>(qGreen(colour)));
        out.u8(static_cast<quint8>(qRed(colour)));
        out.u8(0);
    }
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(colourStride, '\0');
        for (int x = 0; x < width; ++x) {
            const int index = transparent(x, y) ? 0 : indexedImage.pixelIndex(x, y);
            row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
        }
        out.bytes(row);
    }
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < width; ++x) {
            if (transparent(x, y))
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.bytes(row);
    }
    return file;
}

} // namespace sorvex
