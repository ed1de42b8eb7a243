#include "picturefile.h"

#include "datafolders.h"
#include "runtimeerror.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QtEndian>

#include <cstdlib>

namespace sorvex {

namespace {

template<typename T>
T littleEndianAt(QByteArrayView bytes, qsizetype offset)
{
    return qFromLittleEndian<T>(bytes.data() + offset);
}

QByteArray readPictureFile(const QString &path, const QString &fileName)
{
    const QFileInfo info(path);
    const QString folder = QDir::toNativeSeparators(info.absolutePath());
    const auto fail
            = [&](ErrorNumber number, const QString &text) { throw RuntimeError(number, text.arg(fileName, folder)); };
    if (!info.exists())
        fail(ErrorNumber::FileNotFound,
             QStringLiteral("フォルダー \"%2\" の \"%1\" はリンクですが、リンク先のファイルがありません。"));
    if (info.isDir())
        fail(ErrorNumber::PathFileAccess,
             QStringLiteral("フォルダー \"%2\" の \"%1\" は画像ファイルではなく、フォルダーです。"));
    if (!info.isFile())
        fail(ErrorNumber::PathFileAccess,
             QStringLiteral("フォルダー \"%2\" の \"%1\" は通常のファイルではありません。"));
    QFile file(path);
    if (!info.isReadable() || !file.open(QIODevice::ReadOnly)) {
        if (!info.isReadable() || file.error() == QFileDevice::PermissionsError)
            fail(ErrorNumber::PathFileAccess,
                 QStringLiteral("フォルダー \"%2\" のファイル \"%1\" を読み取る権限がありません。"));
        fail(ErrorNumber::PathFileAccess, QStringLiteral("フォルダー \"%2\" のファイル \"%1\" を開けません。"));
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        fail(ErrorNumber::PathFileAccess,
             QStringLiteral("フォルダー \"%2\" のファイル \"%1\" の読み取り中にエラーが起きました。"));
    return bytes;
}

} // namespace

bool bmpPixelDataComplete(QByteArrayView bytes)
{
    constexpr qsizetype fileHeaderSize = 14;
    if (bytes.size() < fileHeaderSize + 4 || !bytes.startsWith("BM"))
        return true;
    const auto pixelOffset = littleEndianAt<quint32>(bytes, 10);
    const auto infoSize = littleEndianAt<quint32>(bytes, 14);
    qint64 width = 0;
    qint64 height = 0;
    quint16 bitsPerPixel = 0;
    quint32 compression = 0;
    if (infoSize == 12 && bytes.size() >= fileHeaderSize + 12) {
        width = littleEndianAt<quint16>(bytes, 18);
        height = littleEndianAt<quint16>(bytes, 20);
        bitsPerPixel = littleEndianAt<quint16>(bytes, 24);
    } else if (infoSize >= 40 && bytes.size() >= fileHeaderSize + 40) {
        width = littleEndianAt<qint32>(bytes, 18);
        height = std::abs(qint64(littleEndianAt<qint32>(bytes, 22)));
        bitsPerPixel = littleEndianAt<quint16>(bytes, 28);
        compression = littleEndianAt<quint32>(bytes, 30);
    } else {
        return true; // a header this short is the reader's to reject
    }
    // Only plain rows (BI_RGB, BI_BITFIELDS) have a size known in advance;
    // run-length data is checked by the reader itself.
    if ((compression != 0 && compression != 3) || width <= 0 || bitsPerPixel == 0)
        return true;
    const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    return bytes.size() >= qint64(pixelOffset) + rowBytes * height;
}

QImage loadPicture(const QString &fileName)
{
    const DataFileLookup lookup = findDataFile(fileName);
    if (!lookup.found())
        throw RuntimeError(ErrorNumber::FileNotFound, lookup.notFoundReport(fileName));

    QByteArray bytes = readPictureFile(lookup.path, fileName);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    QImage picture = reader.read();
    if (picture.isNull() || !bmpPixelDataComplete(bytes)) {
        const QString folder = QDir::toNativeSeparators(QFileInfo(lookup.path).absolutePath());
        throw RuntimeError(ErrorNumber::InvalidPicture,
                           QStringLiteral("フォルダー \"%2\" のファイル \"%1\" を画像として読み込めません。")
                                   .arg(fileName, folder));
    }
    return picture;
}

} // namespace sorvex
