#include "picturefolder.h"

#include "machine/artworkfiles.h"

#include <QDir>
#include <QImage>

namespace sorvex::testing {

QStringList PictureFolder::pictureNames()
{
    QStringList names;
    for (const char *name : reelPictureFiles)
        names.append(QString::fromLatin1(name));
    names.append(QString::fromLatin1(lampPictureFile));
    return names;
}

PictureFolder::PictureFolder(const QString &omit)
    : m_previous(QDir::currentPath())
{
    for (const QString &name : pictureNames()) {
        if (name == omit)
            continue;
        const bool lamp = name == QLatin1String(lampPictureFile);
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
