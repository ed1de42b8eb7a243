#include "picturefolder.h"

#include <QDir>
#include <QImage>

namespace sorvex::testing {

QStringList PictureFolder::pictureNames()
{
    return {QStringLiteral("r1.bmp"), QStringLiteral("r2.bmp"), QStringLiteral("r3.bmp"), QStringLiteral("win.bmp")};
}

PictureFolder::PictureFolder(const QString &omit)
    : m_previous(QDir::currentPath())
{
    for (const QString &name : pictureNames()) {
        if (name == omit)
            continue;
        const bool lamp = name == QLatin1String("win.bmp");
        QImage picture(lamp ? QSize(100, 65) : QSize(100, 1660), QImage::Format_RGB888);
        picture.fill(lamp ? lampColour : stripColour);
        picture.save(m_dir.filePath(name), "BMP");
    }
    QDir::setCurrent(m_dir.path());
}

PictureFolder::~PictureFolder()
{
    QDir::setCurrent(m_previous);
}

} // namespace sorvex::testing
