#include "help/manualfile.h"
#include "help/shiftjis.h"
#include "judge/messagecatalogue.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using sorvex::ManualFile;

class TestManualFile : public QObject
{
    Q_OBJECT

private slots:
    void textFromBytes_data();
    void textFromBytes();
    void missingFile();
    void unreadableFiles_data();
    void unreadableFiles();
    void sizeLimit_data();
    void sizeLimit();
    void unreadableWithoutPermission();
    void loadLooksInTheDataFolders();
    void shippedManual();

private:
    QString writeFile(const QString &name, const QByteArray &bytes);
    QTemporaryDir m_dir;
};

QString TestManualFile::writeFile(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestManualFile::textFromBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    const QString crlf = QStringLiteral("\r\n");
    const QChar bad = QChar::ReplacementCharacter;
    QTest::newRow("CR LF") << QByteArray("A\r\nB\r\n") << "A" + crlf + "B" + crlf;
    QTest::newRow("no final break") << QByteArray("A\r\nB") << "A" + crlf + "B" + crlf;
    QTest::newRow("lone CR") << QByteArray("A\rB\r") << "A" + crlf + "B" + crlf;
    QTest::newRow("lone LF stays in the line") << QByteArray("A\nB\n") << "A\nB\n" + crlf;
    QTest::newRow("LF CR") << QByteArray("A\n\rB") << "A\n" + crlf + "B" + crlf;
    QTest::newRow("blank lines") << QByteArray("\r\n\r\nA") << crlf + crlf + "A" + crlf;
    QTest::newRow("empty file") << QByteArray() << QString();
    QTest::newRow("kana and kanji") << QByteArray("\x82\xa0\x8a\xbf\r\n") << QStringLiteral("あ漢") + crlf;
    QTest::newRow("half-width kana") << QByteArray("\xb1\xb2") << QStringLiteral("ｱｲ") + crlf;
    QTest::newRow("code page 932 extensions") << QByteArray("\x87\x40\x81\x60") << QStringLiteral("①～") + crlf;
    QTest::newRow("backslash and tilde stay ASCII") << QByteArray("\\~") << "\\~" + crlf;
    QTest::newRow("invalid single bytes") << QByteArray("a\x80\xa0\xff"
                                                        "b")
                                          << "a" + QString(3, bad) + "b" + crlf;
    QTest::newRow("lead byte without trail") << QByteArray("\x82 x") << bad + QStringLiteral(" x") + crlf;
    QTest::newRow("lead byte before CR LF") << QByteArray("\x82\r\nx") << bad + crlf + "x" + crlf;
    QTest::newRow("lead byte at the end") << QByteArray("x\x82") << QStringLiteral("x") + bad + crlf;
    QTest::newRow("unassigned double byte") << QByteArray("\x85\x40") << bad + crlf;
    QTest::newRow("control bytes as themselves") << QByteArray("\x1a\x1c\x7f") << QStringLiteral("\x1a\x1c\x7f") + crlf;
    QTest::newRow("lead byte before a control byte") << QByteArray("\x82\x1a") << bad + QStringLiteral("\x1a") + crlf;
}

void TestManualFile::textFromBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(ManualFile::textFromBytes(bytes), text);

    // The same bytes read from a file give the same buffer.
    const ManualFile manual = ManualFile::read(writeFile(QStringLiteral("table.txt"), bytes));
    QCOMPARE(manual.status(), ManualFile::Status::Loaded);
    QCOMPARE(manual.text(), text);
    QVERIFY(manual.message().isEmpty());
}

void TestManualFile::missingFile()
{
    const ManualFile manual = ManualFile::read(m_dir.filePath(QStringLiteral("absent.txt")));
    QCOMPARE(manual.status(), ManualFile::Status::Missing);
    QVERIFY(manual.text().isEmpty());
    QCOMPARE(manual.message(), QStringLiteral("sorvex.txtがありません。"));

    const QString dangling = m_dir.filePath(QStringLiteral("dangling.txt"));
    QVERIFY(QFile::link(m_dir.filePath(QStringLiteral("nowhere")), dangling));
    QCOMPARE(ManualFile::read(dangling).status(), ManualFile::Status::Missing);
}

void TestManualFile::unreadableFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("reason");

    const QString folder = m_dir.filePath(QStringLiteral("folder.txt"));
    QDir().mkpath(folder);
    QTest::newRow("folder") << folder << QStringLiteral("同じ名前のフォルダがあります。");
    QTest::newRow("device") << QStringLiteral("/dev/zero") << QStringLiteral("通常のファイルではありません。");
    // Reading a process's memory from offset 0 fails with an I/O error.
    QTest::newRow("read error") << QStringLiteral("/proc/self/mem")
                                << QStringLiteral("読み取り中にエラーが起きました。");
    const QString loop = m_dir.filePath(QStringLiteral("loop.txt"));
    QFile::link(loop, loop);
    QTest::newRow("link to itself") << loop << QStringLiteral("リンクがそれ自身を指していて");
}

void TestManualFile::unreadableFiles()
{
    QFETCH(QString, path);
    QFETCH(QString, reason);
    const ManualFile manual = ManualFile::read(path);
    QCOMPARE(manual.status(), ManualFile::Status::Unreadable);
    QVERIFY(manual.text().isEmpty());
    QVERIFY2(manual.reason().startsWith(reason), qPrintable(manual.reason()));
    QVERIFY(manual.message().startsWith(QStringLiteral("sorvex.txtを読み込めませんでした。\n")));
    QVERIFY(manual.message().endsWith(manual.reason()));
    // The user reads Japanese only, not the system's English error texts.
    for (QChar c : manual.reason())
        QVERIFY2(!c.isLetter() || c.unicode() > 0x7f, qPrintable(manual.reason()));
}

void TestManualFile::sizeLimit_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("loaded");
    QTest::newRow("at the limit") << ManualFile::maximumBytes << true;
    QTest::newRow("one byte over") << ManualFile::maximumBytes + 1 << false;
}

void TestManualFile::sizeLimit()
{
    QFETCH(qint64, size);
    QFETCH(bool, loaded);
    // Lines of 63 double-byte characters, so the file is as heavy as a real one.
    QByteArray line = QByteArray("\x82\xa0").repeated(63) + "\r\n";
    QByteArray bytes = line.repeated(size / line.size() + 1).left(size);
    const ManualFile manual = ManualFile::read(writeFile(QStringLiteral("large.txt"), bytes));
    if (loaded) {
        QCOMPARE(manual.status(), ManualFile::Status::Loaded);
        QVERIFY(manual.text().startsWith(QString(63, QChar(0x3042)) + QStringLiteral("\r\n")));
    } else {
        QCOMPARE(manual.status(), ManualFile::Status::Unreadable);
        QVERIFY(manual.text().isEmpty());
        QVERIFY2(manual.reason().contains(QStringLiteral("1,048,576")), qPrintable(manual.reason()));
    }
}

void TestManualFile::unreadableWithoutPermission()
{
    // Root reads every file whatever its permissions, so this case can only
    // be made by an ordinary user.
    if (::geteuid() == 0)
        QSKIP("running as root: a file without read permission is still readable");
    const QString path = writeFile(QStringLiteral("locked.txt"), "text\r\n");
    QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    const ManualFile manual = ManualFile::read(path);
    QCOMPARE(manual.status(), ManualFile::Status::Unreadable);
    QCOMPARE(manual.reason(), QStringLiteral("読み取りの権限がありません。"));
}

void TestManualFile::loadLooksInTheDataFolders()
{
    QTemporaryDir root;
    const QString work = root.filePath(QStringLiteral("work"));
    const QString data = root.filePath(QStringLiteral("data/sorvex"));
    QVERIFY(QDir().mkpath(work) && QDir().mkpath(data));
    qputenv("XDG_DATA_HOME", QFile::encodeName(root.filePath(QStringLiteral("data"))));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(root.filePath(QStringLiteral("system"))));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(work);
    const auto restore = qScopeGuard([&] { QDir::setCurrent(previous); });

    const ManualFile missing = ManualFile::load();
    QCOMPARE(missing.status(), ManualFile::Status::Missing);
    const QStringList lines = missing.message().split(QLatin1Char('\n'));
    QCOMPARE(lines.first(), QStringLiteral("sorvex.txtがありません。"));
    QVERIFY(lines.contains(QStringLiteral("  ") + QDir::toNativeSeparators(work)));
    QVERIFY(lines.contains(QStringLiteral("  ") + QDir::toNativeSeparators(data)));

    QFile installed(data + QStringLiteral("/sorvex.txt"));
    QVERIFY(installed.open(QIODevice::WriteOnly) && installed.write("installed\r\n") > 0);
    installed.close();
    QCOMPARE(ManualFile::load().text(), QStringLiteral("installed\r\n"));
    // The working folder comes first, also with an entry that cannot be read.
    QVERIFY(QDir(work).mkdir(ManualFile::fileName()));
    QCOMPARE(ManualFile::load().status(), ManualFile::Status::Unreadable);
}

void TestManualFile::shippedManual()
{
    QFile file(QStringLiteral(SORVEX_SHIPPED_MANUAL));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.size() > 1000);
    QVERIFY(bytes.size() < ManualFile::maximumBytes);

    const QString decoded = sorvex::decodeShiftJis(bytes);
    QCOMPARE(decoded.indexOf(QChar::ReplacementCharacter), -1);
    // Stored with CR LF only: every CR starts a CR LF pair and every LF ends one.
    QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(ManualFile::textFromBytes(bytes), decoded);

    // It speaks of the main window's controls by the captions the user sees.
    const QStringList captions {QStringLiteral("start"),
                                QStringLiteral("stop"),
                                QStringLiteral("▲"),
                                QStringLiteral("▼"),
                                QStringLiteral("Auto_start"),
                                QStringLiteral("Auto_stop"),
                                QStringLiteral("Readme"),
                                QStringLiteral("解説の説明"),
                                QStringLiteral("操作の説明"),
                                QStringLiteral("終了"),
                                QStringLiteral("リール１コマのスピード"),
                                QStringLiteral("Ａutoの停止までの時間"),
                                QStringLiteral("32767")};
    for (const QString &caption : captions)
        QVERIFY2(decoded.contains(caption), qPrintable(caption));

    // Every line of every judgement text, quoted as the display shows it.
    for (int code = int(sorvex::MessageCode::W1); code <= int(sorvex::MessageCode::N9); ++code) {
        for (const QString &line : sorvex::judgementText(sorvex::MessageCode(code)).split(QStringLiteral("\r\n"))) {
            const QString quoted = u'「' + line + u'」';
            QVERIFY2(decoded.contains(quoted), qPrintable(quoted));
        }
    }

    // How a user starts the installed program, not how a developer runs it.
    for (const char *start : {"「Sorvex」", "sorvex と入力", "/usr/share/sorvex"})
        QVERIFY2(decoded.contains(QString::fromUtf8(start)), start);
    QVERIFY(!decoded.contains(QStringLiteral("setup.sh")));
}

QTEST_GUILESS_MAIN(TestManualFile)
#include "tst_manualfile.moc"
