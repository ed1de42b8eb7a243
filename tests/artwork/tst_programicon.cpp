// The program icon as the windows get it and as it ships for the desktop
// and for Windows.
#include "assets/programicon.h"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QSet>
#include <QTest>

using namespace sorvex;

namespace {

QString assetPath(const char *name)
{
    return QStringLiteral(SORVEX_ASSETS_DIR "/") + QLatin1String(name);
}

} // namespace

class TestProgramIcon : public QObject
{
    Q_OBJECT

private slots:
    void builtInIconIsTheSubmersible();
    void sixteenColourPicture();
    void desktopFilesNameTheIcon();
};

void TestProgramIcon::builtInIconIsTheSubmersible()
{
    // No icon theme carries the id in the test environment, so this is the
    // copy built into the program.
    const QIcon icon = programIcon();
    QVERIFY(!icon.isNull());
    const QImage drawn = icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage shipped = QImage(assetPath("icons/sorvex.png")).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(drawn.size(), QSize(32, 32));
    QCOMPARE(drawn, shipped);
}

void TestProgramIcon::sixteenColourPicture()
{
    const QImage icon(assetPath("icons/sorvex.png"));
    QCOMPARE(icon.size(), QSize(32, 32));
    QSet<QRgb> colours;
    int yellow = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb pixel = icon.pixel(x, y);
            colours.insert(pixel);
            if (pixel == qRgb(255, 255, 0))
                ++yellow;
        }
    }
    QVERIFY(colours.size() <= 16);
    QVERIFY(colours.contains(qRgba(0, 0, 0, 0))); // transparent around the boat
    QVERIFY2(yellow > 100, "the boat is yellow");
}

void TestProgramIcon::desktopFilesNameTheIcon()
{
    // The launcher and the software centre find the themed icon only under
    // the application id the files themselves are named by.
    const QString id = QLatin1String(applicationId);
    QFile desktop(assetPath("icons/io.github.sorvex.Sorvex.desktop"));
    QVERIFY(desktop.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(desktop.readAll()).split(QLatin1Char('\n'));
    QVERIFY(lines.contains(QStringLiteral("Icon=") + id));
    QVERIFY(lines.contains(QStringLiteral("Exec=sorvex")));

    QFile metainfo(assetPath("icons/io.github.sorvex.Sorvex.metainfo.xml"));
    QVERIFY(metainfo.open(QIODevice::ReadOnly));
    const QString xml = QString::fromUtf8(metainfo.readAll());
    QVERIFY(xml.contains(QStringLiteral("<id>") + id + QStringLiteral("</id>")));
    QVERIFY(xml.contains(QStringLiteral(">") + id + QStringLiteral(".desktop</launchable>")));

    for (int size : {32, 64, 128}) {
        const QImage png(QStringLiteral(SORVEX_ASSETS_DIR "/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(id));
        QCOMPARE(png.size(), QSize(size, size));
    }
}

QTEST_MAIN(TestProgramIcon)
#include "tst_programicon.moc"
