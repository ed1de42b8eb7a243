// The sorvex program started as a user would start it: its options, and a
// display that is missing or does not answer.
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

class TestSorvexLaunch : public QObject
{
    Q_OBJECT

private:
    struct Run
    {
        int status = -1;
        QByteArray out;
        QByteArray err;
    };

    // Runs sorvex with no display settings but those given.
    static Run run(const QStringList &arguments, const QList<QPair<QString, QString>> &settings = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        for (const auto &[name, value] : settings)
            environment.insert(name, value);
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(SORVEX_PATH), arguments);
        if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
            return {};
        return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
    }

private slots:
    void withoutADisplayItSaysSoAndFails()
    {
        const Run result = run({});
        QCOMPARE(result.status, 1);
        QVERIFY2(result.err.startsWith("sorvex: no display"), result.err.constData());
        QVERIFY(result.out.isEmpty());
    }

    void unreachableDisplayIsNamedInOneLine()
    {
        // An X display number whose socket does not exist: nothing answers.
        int number = 917;
        while (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)))
            ++number;
        const QString display = QStringLiteral(":%1").arg(number);
        const Run result = run({}, {{QStringLiteral("DISPLAY"), display}});
        QCOMPARE(result.status, 1);
        QCOMPARE(result.err.count('\n'), 1);
        QVERIFY2(result.err.startsWith("sorvex: cannot open a window on the display DISPLAY=" + display.toLatin1()),
                 result.err.constData());
        QVERIFY(result.out.isEmpty());
    }

    // Neither needs a display: none is given.
    void helpAndVersionPrintAndSucceed_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("--help") << QStringLiteral("--help") << QByteArray("Usage: ");
        QTest::newRow("-h") << QStringLiteral("-h") << QByteArray("Usage: ");
        QTest::newRow("--version") << QStringLiteral("--version") << QByteArray("sorvex " SORVEX_VERSION "\n");
        QTest::newRow("-v") << QStringLiteral("-v") << QByteArray("sorvex " SORVEX_VERSION "\n");
    }

    void helpAndVersionPrintAndSucceed()
    {
        QFETCH(QString, option);
        QFETCH(QByteArray, expected);
        const Run result = run({option});
        QCOMPARE(result.status, 0);
        QVERIFY2(result.out.startsWith(expected), result.out.constData());
        QVERIFY(result.err.isEmpty());
        if (option.contains(QLatin1String("h"))) {
            QVERIFY(result.out.contains("--version"));
            QVERIFY(!result.out.contains("--help-all"));
        }
    }

    void badArgumentsGiveOneLineAndStatus2_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("unknown option") << QStringList {QStringLiteral("--bogus")};
        QTest::newRow("argument") << QStringList {QStringLiteral("r1.bmp")};
        QTest::newRow("Qt's own option") << QStringList {QStringLiteral("-platform"), QStringLiteral("offscreen")};
        QTest::newRow("long argument") << QStringList {QString(100000, QLatin1Char('x'))};
    }

    void badArgumentsGiveOneLineAndStatus2()
    {
        QFETCH(QStringList, arguments);
        const Run result = run(arguments, {{QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen")}});
        QCOMPARE(result.status, 2);
        QVERIFY(result.out.isEmpty());
        QCOMPARE(result.err.count('\n'), 1);
        QVERIFY2(result.err.startsWith("sorvex: "), result.err.constData());
        QVERIFY(result.err.size() < 200);
    }
};

QTEST_GUILESS_MAIN(TestSorvexLaunch)
#include "tst_sorvexlaunch.moc"
