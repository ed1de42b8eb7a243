#include "picturefile.h"

#include "runtimeerror.h"

#include <QDir>
#include <QImage>
#include <QImageReader>

namespace sorvex {

QImage loadPicture(const QString &fileName)
{
    const QDir folder = QDir::current();
    QImageReader reader(folder.filePath(fileName));
    const QImage picture = reader.read();
    if (picture.isNull()) {
        const QString folderName = QDir::toNativeSeparators(folder.absolutePath());
        const QString reason = reader.error() == QImageReader::FileNotFoundError
                ? QStringLiteral("ファイル \"%1\" がフォルダー \"%2\" にありません。")
                : QStringLiteral("フォルダー \"%2\" のファイル \"%1\" を画像として読み込めません。");
        throw RuntimeError(ErrorNumber::FileNotFound, reason.arg(fileName, folderName));
    }
    return picture;
}

} // namespace sorvex
