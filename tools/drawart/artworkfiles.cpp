#include "artworkfiles.h"

#include "icofile.h"
#include "pixelscale.h"
#include "programiconart.h"

#include <QBuffer>
#include <QImage>

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

} // namespace

QList<ArtworkFile> assetFiles()
{
    const QImage icon = programIconImage();
    QList<ArtworkFile> files;
    files.append({QStringLiteral("icons/sorvex.png"), pngFile(icon)});
    files.append({QStringLiteral("icons/sorvex.ico"), icoFile(icon)});
    for (int factor : {1, 2, 4})
        files.append({hicolorPath(32 * factor), pngFile(pixelScaled(icon, factor))});
    return files;
}

QList<ArtworkFile> previewFiles()
{
    QList<ArtworkFile> files;
    files.append({QStringLiteral("icon-enlarged.png"), pngFile(pixelScaled(programIconImage(), 8))});
    return files;
}

} // namespace sorvex
