#include "progressfile.h"

#include "studyprogress.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSaveFile>
#include <QStandardPaths>

#include <optional>

namespace sorvex {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("sorvex::ProgressFile", text);
}

// progress.json -> progress.set-aside-20240102-030405.json, numbered if taken.
QString asideName(const QString &path)
{
    const QFileInfo info(path);
    const QString stem
            = info.dir().filePath(info.completeBaseName() + QStringLiteral(".set-aside-")
                                  + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
    QString candidate = stem + QStringLiteral(".json");
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = stem + QStringLiteral("-%1.json").arg(n);
    return candidate;
}

ProgressLoad setAside(const QString &path, const QString &reason)
{
    ProgressLoad load;
    const QString aside = asideName(path);
    if (QFile::rename(path, aside)) {
        load.outcome = ProgressLoad::SetAside;
        load.asidePath = aside;
        load.message = tr("研究の記録 %1 を読めませんでした。%2\n"
                          "ファイルは %3 として残し、空の記録から始めます。")
                               .arg(QDir::toNativeSeparators(path), reason, QDir::toNativeSeparators(aside));
    } else {
        load.outcome = ProgressLoad::Unusable;
        load.message = tr("研究の記録 %1 を読めませんでした。%2\n"
                          "ファイルを別の名前に移せなかったため、そのまま残します。"
                          "この回の記録は保存されません。")
                               .arg(QDir::toNativeSeparators(path), reason);
    }
    return load;
}

} // namespace

QString defaultProgressPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
            .filePath(QStringLiteral("progress.json"));
}

ProgressLoad loadProgress(const QString &path, StudyProgress &progress)
{
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly)) {
        // Unreadable is not damaged: keep it where it is and leave it alone.
        ProgressLoad load;
        load.outcome = ProgressLoad::Unusable;
        load.message = tr("研究の記録 %1 を開けませんでした（%2）。この回の記録は保存されません。")
                               .arg(QDir::toNativeSeparators(path), file.errorString());
        return load;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    file.close();
    if (parseError.error != QJsonParseError::NoError || !document.isObject())
        return setAside(path, tr("ファイルが壊れています。"));
    std::optional<int> unknownVersion;
    const QString error = progress.fromJson(document.object(), &unknownVersion);
    if (!error.isEmpty())
        return setAside(path, error);
    ProgressLoad load;
    load.outcome = ProgressLoad::Loaded;
    return load;
}

bool saveProgress(const QString &path, const StudyProgress &progress, QString *error)
{
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        *error = tr("フォルダ %1 を作れません。").arg(QDir::toNativeSeparators(info.absolutePath()));
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    const QByteArray bytes = QJsonDocument(progress.toJson()).toJson(QJsonDocument::Compact);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

} // namespace sorvex
