// Draws the reel strips, the lamp and the program icon, and writes them
// under an assets folder; with a second folder, also the enlarged previews
// for the documentation.
#include "artworkfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

bool writeAll(const QString &folder, const QList<sorvex::ArtworkFile> &files)
{
    for (const sorvex::ArtworkFile &file : files) {
        const QString path = QDir(folder).filePath(file.path);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(file.contents) != file.contents.size()) {
            std::fprintf(stderr, "sorvex-drawart: cannot write %s\n", qPrintable(path));
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.size() > 2 || args.first().startsWith(QLatin1Char('-'))) {
        std::fprintf(stderr, "usage: sorvex-drawart ASSETS_FOLDER [DOCS_FOLDER]\n");
        return 2;
    }
    if (!writeAll(args.at(0), sorvex::assetFiles()))
        return 1;
    if (args.size() == 2 && !writeAll(args.at(1), sorvex::previewFiles()))
        return 1;
    return 0;
}
