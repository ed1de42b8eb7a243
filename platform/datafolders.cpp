#include "datafolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace sorvex {

QStringList dataFolders(const QString &programFolder)
{
    QStringList folders {QDir::currentPath()};
    if (!programFolder.isEmpty())
        folders.append(QDir(programFolder).filePath(QStringLiteral("../share/sorvex")));
    for (const QString &base : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders.append(QDir(base).filePath(QStringLiteral("sorvex")));

    QStringList unique;
    for (const QString &folder : std::as_const(folders)) {
        // A relative entry would depend on the working folder, which is
        // already first; an odd environment must not add it twice.
        if (QDir::isRelativePath(folder))
            continue;
        const QString clean = QDir::cleanPath(folder);
        if (!unique.contains(clean))
            unique.append(clean);
    }
    return unique;
}

QStringList dataFolders()
{
    const QString programFolder = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    return dataFolders(programFolder);
}

DataFileLookup findDataFile(const QString &fileName)
{
    DataFileLookup lookup {{}, dataFolders()};
    for (const QString &folder : std::as_const(lookup.folders)) {
        const QFileInfo entry(QDir(folder).filePath(fileName));
        // A broken link is still the user's entry of that name: it is
        // reported, not silently passed over for an installed copy.
        if (entry.exists() || entry.isSymLink()) {
            lookup.path = entry.filePath();
            break;
        }
    }
    return lookup;
}

QString DataFileLookup::folderLines() const
{
    QString lines;
    for (const QString &folder : folders) {
        lines += QStringLiteral("\n  ") + QDir::toNativeSeparators(folder);
        const QFileInfo info(folder);
        if (info.isDir() && !(info.isReadable() && info.isExecutable()))
            lines += QStringLiteral("（フォルダーを読み取る権限がありません）");
    }
    return lines;
}

QString DataFileLookup::notFoundReport(const QString &fileName) const
{
    return QStringLiteral("ファイル \"%1\" は次のどのフォルダーにもありません。").arg(fileName) + folderLines();
}

} // namespace sorvex
