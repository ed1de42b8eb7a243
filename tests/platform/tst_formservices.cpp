#include "platform/formlabel.h"
#include "platform/formtimer.h"
#include "platform/messagebox.h"
#include "platform/picturefile.h"
#include "platform/runtimeerror.h"
#include "platform/untrappederror.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace sorvex;

// The window services the main window relies on: timers that never fire at
// 0 ms, pictures loaded by bare name (their failures are in tst_datafiles),
// and an untrapped error that is reported and ends the program with a
// non-zero status.
class TestFormServices : public QObject
{
    Q_OBJECT

private slots:
    void timerTicksOnlyWhenEnabledWithAnInterval_data();
    void timerTicksOnlyWhenEnabledWithAnInterval();
    void timerKeepsSettingsWhileDisabled();
    void pictureLoadsFromTheWorkingFolder();
    void untrappedErrorIsReportedAndEndsWithNonZeroStatus();
    void labelWrapsLikeTheToolkit_data();
    void labelWrapsLikeTheToolkit();
};

void TestFormServices::timerTicksOnlyWhenEnabledWithAnInterval_data()
{
    QTest::addColumn<int>("interval");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("running");
    QTest::newRow("enabled, 35 ms") << 35 << true << true;
    QTest::newRow("enabled, 0 ms") << 0 << true << false;
    QTest::newRow("disabled, 35 ms") << 35 << false << false;
}

void TestFormServices::timerTicksOnlyWhenEnabledWithAnInterval()
{
    QFETCH(int, interval);
    QFETCH(bool, enabled);
    QFETCH(bool, running);
    FormTimer timer(QStringLiteral("Timer4"), 1200, nullptr);
    QCOMPARE(timer.objectName(), QStringLiteral("Timer4"));
    timer.setInterval(interval);
    timer.setEnabled(enabled);
    QCOMPARE(timer.isEnabled(), enabled);
    QCOMPARE(timer.isRunning(), running);
    QCOMPARE(timer.interval(), interval);
}

void TestFormServices::timerKeepsSettingsWhileDisabled()
{
    FormTimer timer(QStringLiteral("Timer1"), 200, nullptr);
    timer.setEnabled(true);
    QVERIFY(timer.isRunning());
    timer.setInterval(0);
    QVERIFY(timer.isEnabled());
    QVERIFY(!timer.isRunning());
    timer.setInterval(100);
    QVERIFY(timer.isRunning());
    timer.setEnabled(false);
    QVERIFY(!timer.isRunning());
    QCOMPARE(timer.interval(), 100);
}

void TestFormServices::pictureLoadsFromTheWorkingFolder()
{
    QTemporaryDir dir;
    QImage picture(100, 65, QImage::Format_RGB888);
    picture.fill(Qt::red);
    QVERIFY(picture.save(dir.filePath(QStringLiteral("win.bmp")), "BMP"));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const QImage loaded = loadPicture(QStringLiteral("win.bmp"));
    QDir::setCurrent(previous);
    QCOMPARE(loaded.size(), QSize(100, 65));
    QCOMPARE(loaded.pixelColor(50, 30), QColor(Qt::red));
}

void TestFormServices::untrappedErrorIsReportedAndEndsWithNonZeroStatus()
{
    QStringList shown;
    const MessageHandler previous
            = setMessageHandler([&shown](QWidget *, const QString &prompt) { shown.append(prompt); });
    bool ranOn = false;
    QTimer::singleShot(0, [&] {
        runHandler(nullptr, [&] {
            throw RuntimeError(ErrorNumber::Overflow);
            ranOn = true;
        });
    });
    const int status = QCoreApplication::exec();
    setMessageHandler(previous);
    QCOMPARE(status, untrappedErrorExitStatus);
    QVERIFY(status != 0);
    QVERIFY(!ranOn);
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown.first().contains(QStringLiteral("'6'")));
}

void TestFormServices::labelWrapsLikeTheToolkit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("widthOf");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("slack");
    QTest::newRow("breaks before any character")
            << QStringLiteral("注意注意注") << QStringLiteral("注意") << QStringList {"注意", "注意", "注"} << 0;
    QTest::newRow("blanks take their width")
            << QStringLiteral("注意    注意") << QStringLiteral("注意    ") << QStringList {"注意    ", "注意"} << 0;
    QTest::newRow("blanks push the next phrase down")
            << QStringLiteral("注 意") << QStringLiteral("注 ") << QStringList {"注 ", "意"} << 0;
    QTest::newRow("blanks starting a wrapped line are dropped")
            << QStringLiteral("注意      意") << QStringLiteral("注意 ") << QStringList {"注意 ", "意"} << 0;
    QTest::newRow("leading blanks of the text stay")
            << QStringLiteral("   注") << QStringLiteral("   注") << QStringList {"   注"} << 0;
    QTest::newRow("no line starts with the long vowel mark")
            << QStringLiteral("注リーチ") << QStringLiteral("注リ") << QStringList {"注", "リー", "チ"} << 0;
    QTest::newRow("no line starts with a comma")
            << QStringLiteral("注意、") << QStringLiteral("注意") << QStringList {"注", "意、"} << 0;
    QTest::newRow("an opening bracket goes with what follows")
            << QStringLiteral("注注「意」") << QStringLiteral("注注「") << QStringList {"注注", "「意」"} << 0;
    QTest::newRow("a run with nowhere to break breaks anywhere")
            << QStringLiteral("注ーーーー") << QStringLiteral("注ー") << QStringList {"注ー", "ーー", "ー"} << 0;
    QTest::newRow("blanks overflowing the last line leave no empty line")
            << QStringLiteral("注意    ") << QStringLiteral("注意 ") << QStringList {"注意 "} << 0;
    QTest::newRow("a blank one pixel short of its width wraps")
            << QStringLiteral("注 意") << QStringLiteral("注 意") << QStringList {"注 ", "意"} << -1;
    QTest::newRow("a blank at its width fits")
            << QStringLiteral("注 意") << QStringLiteral("注 意") << QStringList {"注 意"} << 0;
    QTest::newRow("CR LF starts a line") << QStringLiteral("ＢＩＧです。\r\n適戦艦")
                                         << QStringLiteral("ＢＩＧです。適戦艦")
                                         << QStringList {"ＢＩＧです。", "適戦艦"} << 0;
}

void TestFormServices::labelWrapsLikeTheToolkit()
{
    QFETCH(QString, text);
    QFETCH(QString, widthOf);
    QFETCH(QStringList, lines);
    QFETCH(int, slack);
    FormLabel label(text);
    QCOMPARE(label.text(), text);
    // A blank advances one pixel more than the face's own blank.
    const int width = QFontMetrics(label.font()).horizontalAdvance(widthOf) + int(widthOf.count(u' '));
    QCOMPARE(label.wrappedLines(width + slack), lines);
}

QTEST_MAIN(TestFormServices)
#include "tst_formservices.moc"
