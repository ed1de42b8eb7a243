#include "platform/datafolders.h"
#include "platform/picturefile.h"
#include "platform/runtimeerror.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace sorvex;

// Where pictures are looked for (the working folder, then the installed data
// folders) and how a picture that is there but cannot be used is reported.
// Each case runs in a fresh working folder with XDG_DATA_HOME pointing at a
// data folder of its own, so an installed copy of the program never answers.
class TestDataFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void foldersInOrder();
    void oddDataDirsAreSkipped_data();
    void oddDataDirsAreSkipped();
    void workingFolderWinsOverDataFolder();
    void unusablePictureReported_data();
    void unusablePictureReported();
    void readablePicturesOfAnyKindLoad_data();
    void readablePicturesOfAnyKindLoad();
    void unreadablePictureSaysPermission();
    void unreadableDataFolderSaysPermission();

private:
    QString workFolder() const { return m_root->filePath(QStringLiteral("work")); }
    QString dataFolder() const { return m_root->filePath(QStringLiteral("data/sorvex")); }
    static QByteArray bmp(QSize size, QColor colour);
    static void write(const QString &path, const QByteArray &bytes);

    std::unique_ptr<QTemporaryDir> m_root;
    QString m_previous;
};

QByteArray TestDataFiles::bmp(QSize size, QColor colour)
{
    QImage picture(size, QImage::Format_RGB888);
    picture.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "BMP");
    return bytes;
}

void TestDataFiles::write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

void TestDataFiles::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir().mkpath(workFolder()));
    QVERIFY(QDir().mkpath(dataFolder()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_root->filePath(QStringLiteral("data"))));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(m_root->filePath(QStringLiteral("system"))));
    m_previous = QDir::currentPath();
    QDir::setCurrent(workFolder());
}

void TestDataFiles::cleanup()
{
    QDir::setCurrent(m_previous);
    m_root.reset();
}

void TestDataFiles::foldersInOrder()
{
    const QStringList expected {workFolder(), QStringLiteral("/opt/sorvex/share/sorvex"), dataFolder(),
                                m_root->filePath(QStringLiteral("system/sorvex"))};
    QCOMPARE(dataFolders(QStringLiteral("/opt/sorvex/bin")), expected);
    // The program's own folder comes second, relative to wherever it is now.
    QCOMPARE(dataFolders().at(1), QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/sorvex"));
}

void TestDataFiles::oddDataDirsAreSkipped_data()
{
    QTest::addColumn<QByteArray>("variable");
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("relative") << QByteArray("XDG_DATA_DIRS") << QByteArray("relative/share:share");
    QTest::newRow("empty entries") << QByteArray("XDG_DATA_DIRS") << QByteArray("::");
    QTest::newRow("dots and doubles") << QByteArray("XDG_DATA_DIRS")
                                      << QByteArray("/usr/share/../share:/usr/share//:/usr/share");
    QTest::newRow("the working folder") << QByteArray("XDG_DATA_DIRS") << QByteArray(".:./");
    QTest::newRow("relative home") << QByteArray("XDG_DATA_HOME") << QByteArray("relative");
    QTest::newRow("empty home") << QByteArray("XDG_DATA_HOME") << QByteArray("");
}

void TestDataFiles::oddDataDirsAreSkipped()
{
    QFETCH(QByteArray, variable);
    QFETCH(QByteArray, value);
    qputenv(variable.constData(), value);
    const QStringList folders = dataFolders(QStringLiteral("/opt/sorvex/bin"));
    QCOMPARE(folders.first(), workFolder());
    for (const QString &folder : folders) {
        QVERIFY2(QDir::isAbsolutePath(folder), qPrintable(folder));
        QCOMPARE(folders.count(folder), 1);
    }
    // The lookup copes too: a missing file is reported, nothing crashes.
    QVERIFY(!findDataFile(QStringLiteral("r1.bmp")).found());
}

void TestDataFiles::workingFolderWinsOverDataFolder()
{
    write(dataFolder() + "/win.bmp", bmp({100, 65}, Qt::red));
    QCOMPARE(loadPicture(QStringLiteral("win.bmp")).pixelColor(0, 0), QColor(Qt::red));
    write(workFolder() + "/win.bmp", bmp({100, 65}, Qt::green));
    QCOMPARE(loadPicture(QStringLiteral("win.bmp")).pixelColor(0, 0), QColor(Qt::green));
}

void TestDataFiles::unusablePictureReported_data()
{
    QTest::addColumn<bool>("inDataFolder");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("headline");
    const QString notFound = QStringLiteral("実行時エラー '53': ファイルが見つかりません。");
    const QString invalid = QStringLiteral("実行時エラー '481': ピクチャが不正です。");
    const QString access = QStringLiteral("実行時エラー '75': パス名が無効です。");
    for (bool inData : {false, true}) {
        const char *where = inData ? "data folder: " : "working folder: ";
        const auto row = [&](const char *kind, ErrorNumber number, const QString &headline) {
            QTest::newRow(qPrintable(where + QString::fromLatin1(kind)))
                    << inData << QString::fromLatin1(kind) << int(number) << headline;
        };
        row("text", ErrorNumber::InvalidPicture, invalid);
        row("empty", ErrorNumber::InvalidPicture, invalid);
        row("header only", ErrorNumber::InvalidPicture, invalid);
        row("cut in half", ErrorNumber::InvalidPicture, invalid);
        row("last byte missing", ErrorNumber::InvalidPicture, invalid);
        row("folder", ErrorNumber::PathFileAccess, access);
        row("broken link", ErrorNumber::FileNotFound, notFound);
    }
    QTest::newRow("nowhere") << false << QStringLiteral("nowhere") << int(ErrorNumber::FileNotFound) << notFound;
}

void TestDataFiles::unusablePictureReported()
{
    QFETCH(bool, inDataFolder);
    QFETCH(QString, kind);
    QFETCH(int, number);
    QFETCH(QString, headline);
    const QString folder = inDataFolder ? dataFolder() : workFolder();
    const QString path = folder + "/r2.bmp";
    const QByteArray whole = bmp({100, 1660}, Qt::blue);
    if (kind == "text")
        write(path, "plain text");
    else if (kind == "empty")
        write(path, {});
    else if (kind == "header only")
        write(path, whole.left(54));
    else if (kind == "cut in half")
        write(path, whole.left(whole.size() / 2));
    else if (kind == "last byte missing")
        write(path, whole.chopped(1));
    else if (kind == "folder")
        QVERIFY(QDir().mkdir(path));
    else if (kind == "broken link")
        QVERIFY(QFile::link(folder + "/gone.bmp", path));
    // A good copy further down the lookup must not hide the damaged one.
    if (!inDataFolder && kind != "nowhere")
        write(dataFolder() + "/r2.bmp", whole);

    try {
        loadPicture(QStringLiteral("r2.bmp"));
        QFAIL("no error");
    } catch (const RuntimeError &error) {
        QCOMPARE(int(error.number()), number);
        const QStringList lines = error.message().split(QLatin1Char('\n'));
        QCOMPARE(lines.first(), headline);
        QVERIFY2(lines.at(1).contains(QStringLiteral("\"r2.bmp\"")), qPrintable(lines.at(1)));
        if (kind == "nowhere") {
            // Every folder looked in is named, one per line.
            QCOMPARE(lines.size(), 2 + dataFolders().size());
            QCOMPARE(lines.at(2).trimmed(), QDir::toNativeSeparators(workFolder()));
            QVERIFY(lines.contains(QStringLiteral("  ") + QDir::toNativeSeparators(dataFolder())));
        } else {
            QVERIFY2(lines.at(1).contains(QDir::toNativeSeparators(folder)), qPrintable(lines.at(1)));
        }
        if (kind == "folder")
            QVERIFY(lines.at(1).contains(QStringLiteral("フォルダーです")));
    }
}

void TestDataFiles::readablePicturesOfAnyKindLoad_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size");
    QImage png(100, 65, QImage::Format_RGB32);
    png.fill(Qt::red);
    QByteArray pngBytes;
    QBuffer buffer(&pngBytes);
    buffer.open(QIODevice::WriteOnly);
    png.save(&buffer, "PNG");
    QTest::newRow("PNG under a .bmp name") << pngBytes << QSize(100, 65);
    QTest::newRow("BMP of another size") << bmp({37, 41}, Qt::red) << QSize(37, 41);
}

void TestDataFiles::readablePicturesOfAnyKindLoad()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);
    write(workFolder() + "/win.bmp", bytes);
    const QImage picture = loadPicture(QStringLiteral("win.bmp"));
    QCOMPARE(picture.size(), size);
    QCOMPARE(picture.pixelColor(size.width() - 1, size.height() - 1), QColor(Qt::red));
}

void TestDataFiles::unreadablePictureSaysPermission()
{
    // Root reads every file whatever its permissions, so this case can only
    // be made by an ordinary user.
    if (::geteuid() == 0)
        QSKIP("running as root: a file without read permission is still readable");
    const QString path = workFolder() + "/r1.bmp";
    write(path, bmp({100, 1660}, Qt::red));
    QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    try {
        loadPicture(QStringLiteral("r1.bmp"));
        QFAIL("no error");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.number(), ErrorNumber::PathFileAccess);
        QVERIFY2(error.message().contains(QStringLiteral("権限がありません")), qPrintable(error.message()));
    }
}

void TestDataFiles::unreadableDataFolderSaysPermission()
{
    // As above: root may look into any folder.
    if (::geteuid() == 0)
        QSKIP("running as root: a folder without permissions is still readable");
    write(dataFolder() + "/r3.bmp", bmp({100, 1660}, Qt::red));
    QVERIFY(QFile::setPermissions(dataFolder(), QFileDevice::WriteOwner));
    const auto restore = qScopeGuard([this] {
        QFile::setPermissions(dataFolder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    });
    try {
        loadPicture(QStringLiteral("r3.bmp"));
        QFAIL("no error");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.number(), ErrorNumber::FileNotFound);
        QVERIFY2(error.message().contains(QDir::toNativeSeparators(dataFolder())
                                          + QStringLiteral("（フォルダーを読み取る権限がありません）")),
                 qPrintable(error.message()));
    }
}

QTEST_GUILESS_MAIN(TestDataFiles)
#include "tst_datafiles.moc"
