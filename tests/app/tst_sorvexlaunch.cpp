// The sorvex program started as a user would start it, where there is no
// screen to show it on.
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

class TestSorvexLaunch : public QObject
{
    Q_OBJECT

private slots:
    void withoutADisplayItSaysSoAndFails()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(SORVEX_PATH), {});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 1);
        const QByteArray error = process.readAllStandardError();
        QVERIFY2(error.startsWith("sorvex: no display"), error.constData());
        QVERIFY(process.readAllStandardOutput().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSorvexLaunch)
#include "tst_sorvexlaunch.moc"
