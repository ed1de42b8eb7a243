// The committed pictures are the drawing tool's output: drawing them again
// must give the same files, so tool and files cannot drift apart.
#include "tools/drawart/artworkfiles.h"

#include <QFile>
#include <QImage>
#include <QTest>

using namespace sorvex;

namespace {

QByteArray committed(const QString &folder, const QString &path)
{
    QFile file(folder + QLatin1Char('/') + path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void addRows(const QString &folder, const QList<ArtworkFile> &files)
{
    for (const ArtworkFile &file : files)
        QTest::newRow(qPrintable(file.path)) << folder << file.path << file.contents;
}

} // namespace

class TestArtworkRegeneration : public QObject
{
    Q_OBJECT

private slots:
    void sameAsCommitted_data();
    void sameAsCommitted();
};

void TestArtworkRegeneration::sameAsCommitted_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("drawn");
    addRows(QStringLiteral(SORVEX_ASSETS_DIR), assetFiles());
    addRows(QStringLiteral(SORVEX_DOCS_DIR), previewFiles());
}

void TestArtworkRegeneration::sameAsCommitted()
{
    QFETCH(QString, folder);
    QFETCH(QString, path);
    QFETCH(QByteArray, drawn);
    const QByteArray onDisk = committed(folder, path);
    QVERIFY2(!onDisk.isEmpty(), qPrintable(path + QStringLiteral(" is missing; run sorvex-drawart")));
    if (path.endsWith(QLatin1String(".png"))) {
        // PNG bytes depend on the zlib build; the pixels must not.
        QCOMPARE(QImage::fromData(onDisk), QImage::fromData(drawn));
        return;
    }
    QVERIFY2(onDisk == drawn, qPrintable(path + QStringLiteral(" differs from the drawing; run sorvex-drawart")));
}

QTEST_GUILESS_MAIN(TestArtworkRegeneration)
#include "tst_artworkregeneration.moc"
