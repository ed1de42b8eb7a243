#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace sorvex {

// One file the drawing tool writes, with its path relative to the folder it
// writes into.
struct ArtworkFile
{
    QString path;
    QByteArray contents;
};

// The shipped pictures, relative to assets/: the reel strips, the lamp and
// the program icons.
QList<ArtworkFile> assetFiles();

// Enlarged previews for the documentation, relative to docs/.
QList<ArtworkFile> previewFiles();

} // namespace sorvex
