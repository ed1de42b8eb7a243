#pragma once

#include <QString>
#include <QStringList>

namespace sorvex {

// Where the program looks for its pictures and its manual, in order: the
// working folder first, so that a user's own files in the folder they start
// from win; then the installed data folder beside the program
// (<prefix>/bin/../share/sorvex, so a moved prefix still works); then every
// "sorvex" folder under the system's data folders (XDG_DATA_HOME,
// XDG_DATA_DIRS). Each folder appears once, as an absolute path.
QStringList dataFolders();
// The same with the program's folder given, for tests.
QStringList dataFolders(const QString &programFolder);

// A data file looked up by bare name in dataFolders().
struct DataFileLookup
{
    // The first entry of that name in any folder, whether file, folder or
    // broken link; empty when there is none.
    QString path;
    // The folders that were looked in, in order, for the report when the file
    // is nowhere.
    QStringList folders;

    bool found() const { return !path.isEmpty(); }
    // One indented line per folder looked in, each after a line break,
    // marking a folder the program may not read.
    QString folderLines() const;
    // "ファイル "r1.bmp" は次のどのフォルダーにもありません。" and the folder lines.
    QString notFoundReport(const QString &fileName) const;
};

DataFileLookup findDataFile(const QString &fileName);

} // namespace sorvex
