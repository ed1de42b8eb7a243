#include "manualfile.h"

#include "help/shiftjis.h"
#include "platform/datafolders.h"
#include "platform/linereader.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <sys/stat.h>
#endif

namespace sorvex {

namespace {

// A link that leads back to itself looks like a missing file to QFileInfo.
bool isLinkLoop(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat status;
    return ::stat(QFile::encodeName(path).constData(), &status) != 0 && errno == ELOOP;
#else
    Q_UNUSED(path);
    return false;
#endif
}

} // namespace

ManualFile::ManualFile(Status status, QString text, QString reason)
    : m_status(status)
    , m_text(std::move(text))
    , m_reason(std::move(reason))
{}

QString ManualFile::fileName()
{
    return QStringLiteral("sorvex.txt");
}

QString ManualFile::textFromBytes(QByteArrayView bytes)
{
    QString text;
    const QStringList lines = splitRuntimeLines(decodeShiftJis(bytes));
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    text.reserve(size);
    for (const QString &line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    return text;
}

ManualFile ManualFile::read(const QString &path)
{
    const auto unreadable = [](const QString &reason) { return ManualFile(Status::Unreadable, {}, reason); };
    const QFileInfo info(path);
    if (isLinkLoop(path))
        return unreadable(QStringLiteral("リンクがそれ自身を指していて、ファイルにたどり着けません。"));
    if (!info.exists())
        return ManualFile(Status::Missing, {}, {});
    if (info.isDir())
        return unreadable(QStringLiteral("同じ名前のフォルダがあります。"));
    // A pipe or a device could block the viewer forever or never end.
    if (!info.isFile())
        return unreadable(QStringLiteral("通常のファイルではありません。"));

    const QString tooLarge = QStringLiteral("ファイルが大きすぎます（上限 %1 バイト）。")
                                     .arg(QLocale(QLocale::Japanese).toString(maximumBytes));
    if (info.size() > maximumBytes)
        return unreadable(tooLarge);

    // QFile reports a refused open as a generic open error, so the
    // permission is asked for before opening.
    if (!info.isReadable())
        return unreadable(QStringLiteral("読み取りの権限がありません。"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (!file.exists())
            return ManualFile(Status::Missing, {}, {});
        return unreadable(QStringLiteral("ファイルを開けませんでした。"));
    }
    // The size on disk can be wrong (files of the kernel report 0) or change
    // while we read, so the limit is enforced on what is actually read.
    const QByteArray bytes = file.read(maximumBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return unreadable(QStringLiteral("読み取り中にエラーが起きました。"));
    if (bytes.size() > maximumBytes)
        return unreadable(tooLarge);
    return ManualFile(Status::Loaded, textFromBytes(bytes), {});
}

ManualFile ManualFile::load()
{
    const DataFileLookup lookup = findDataFile(fileName());
    if (lookup.found())
        return read(lookup.path);
    ManualFile missing(Status::Missing, {}, {});
    missing.m_foldersLookedIn = lookup.folderLines();
    return missing;
}

QString ManualFile::message() const
{
    switch (m_status) {
    case Status::Loaded:
        return {};
    case Status::Missing:
        if (m_foldersLookedIn.isEmpty())
            return fileName() + QStringLiteral("がありません。");
        return fileName() + QStringLiteral("がありません。\n探したフォルダー:") + m_foldersLookedIn;
    case Status::Unreadable:
        return fileName() + QStringLiteral("を読み込めませんでした。\n") + m_reason;
    }
    return {};
}

} // namespace sorvex
