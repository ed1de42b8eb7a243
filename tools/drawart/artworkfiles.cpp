#include "artworkfiles.h"

#include "assets/programicon.h"

#include "bmpfile.h"
#include "lampart.h"
#include "pixelscale.h"
#include "programiconart.h"
#include "stripart.h"
#include "symbolart.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

namespace sorvex {

namespace {

QByteArray pngFile(const QImage &image)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return data;
}

QString hicolorPath(int size)
{
    return QStringLiteral("icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(QLatin1String(applicationId));
}

// The seven symbols in a row, four times their size, on a grey ground
// that shows where each cell ends.
QImage symbolSheet()
{
    constexpr int factor = 4;
    constexpr int gap = 8;
    QImage sheet(gap + static_cast<int>(allSymbols.size()) * (cellWidth * factor + gap), cellHeight * factor + 2 * gap,
                 QImage::Format_RGB32);
    sheet.fill(QColor(96, 96, 96));
    QPainter painter(&sheet);
    int x = gap;
    for (Symbol symbol : allSymbols) {
        painter.drawImage(x, gap, pixelScaled(symbolCell(symbol), factor));
        x += cellWidth * factor + gap;
    }
    return sheet;
}

// One turn of each reel (stops 1 to 21, top to bottom), left, middle and
// right side by side, twice their size.
QImage reelSheet()
{
    constexpr int factor = 2;
    constexpr int gap = 16;
    constexpr int turnHeight = stopCount * cellHeight;
    QImage sheet(gap + 3 * (cellWidth * factor + gap), turnHeight * factor + 2 * gap, QImage::Format_RGB32);
    sheet.fill(QColor(96, 96, 96));
    QPainter painter(&sheet);
    int x = gap;
    for (Reel reel : allReels) {
        painter.drawImage(x, gap, pixelScaled(stripImage(reel).copy(0, cellHeight, cellWidth, turnHeight), factor));
        x += cellWidth * factor + gap;
    }
    return sheet;
}

} // namespace

QList<ArtworkFile> assetFiles()
{
    const QImage icon = programIconImage();
    QList<ArtworkFile> files;
    files.append({QStringLiteral("r1.bmp"), bmpFile(stripImage(Reel::Left))});
    files.append({QStringLiteral("r2.bmp"), bmpFile(stripImage(Reel::Middle))});
    files.append({QStringLiteral("r3.bmp"), bmpFile(stripImage(Reel::Right))});
    files.append({QStringLiteral("win.bmp"), bmpFile(lampImage())});
    files.append({QStringLiteral("icons/sorvex.png"), pngFile(icon)});
    for (int factor : {1, 2, 4})
        files.append({hicolorPath(32 * factor), pngFile(pixelScaled(icon, factor))});
    return files;
}

QList<ArtworkFile> previewFiles()
{
    QList<ArtworkFile> files;
    files.append({QStringLiteral("reels-enlarged.png"), pngFile(reelSheet())});
    files.append({QStringLiteral("lamp-enlarged.png"), pngFile(pixelScaled(lampImage(), 4))});
    files.append({QStringLiteral("symbols-enlarged.png"), pngFile(symbolSheet())});
    files.append({QStringLiteral("icon-enlarged.png"), pngFile(pixelScaled(programIconImage(), 8))});
    return files;
}

} // namespace sorvex
