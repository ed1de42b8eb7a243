// sorvex-judge run as a user would run it: the built binary, its output and
// its exit status.
#include "judge/messagecatalogue.h"
#include "judge/subtables.h"

#include <QFileInfo>
#include <QProcess>
#include <QTest>

using namespace sorvex;

namespace {
struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run runJudge(const QStringList &arguments, const QString &outputFile = QString())
{
    QProcess process;
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    process.start(QStringLiteral(SORVEX_JUDGE_PATH), arguments);
    if (!process.waitForFinished(30000))
        return {};
    Run run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}
} // namespace

class TestSorvexJudge : public QObject
{
    Q_OBJECT

private slots:
    void judgesOnePattern_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("output");
        QTest::newRow("big") << QStringList {"1", "1", "1"} << QStringLiteral("ＢＩＧです。\n適戦艦撃沈！\nW9 WIN\n");
        QTest::newRow("no win mark") << QStringList {"1", "2", "12"}
                                     << QStringLiteral("リーチ目だけど，\n止まらない？？\n右リールの１確目。\nU2\n");
        QTest::newRow("one line") << QStringList {"3", "1", "4"} << QStringLiteral("はずれ\nP1\n");
        QTest::newRow("plus sign") << QStringList {"+21", "17", "13"}
                                   << QStringLiteral("リーチ目だけど，\n止まらない？？\n７の一直線。\nU14\n");
    }

    void judgesOnePattern()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, output);
        const Run run = runJudge(arguments);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QString::fromUtf8(run.out), output);
        QVERIFY(run.err.isEmpty());
    }

    void printsEveryPatternInOrder()
    {
        const Run run = runJudge({"--all"});
        QCOMPARE(run.exitCode, 0);
        const QList<QByteArray> lines = run.out.split('\n');
        QCOMPARE(lines.size(), 9262);
        QVERIFY(lines.last().isEmpty());
        int row = 0;
        for (int t1 = 1; t1 <= 21; ++t1) {
            for (int t2 = 1; t2 <= 21; ++t2) {
                for (int t3 = 1; t3 <= 21; ++t3) {
                    const QList<QByteArray> columns = lines[row++].split('\t');
                    QVERIFY(columns.size() >= 6);
                    const MessageCode code = cellCode(t1, t2, t3);
                    QString text = judgementText(code);
                    text.replace(QStringLiteral("\r\n"), QStringLiteral("\\n"));
                    const bool ok = columns[0].toInt() == t1 && columns[1].toInt() == t2 && columns[2].toInt() == t3
                            && columns[3] == codeName(code).data() && columns[4] == (isWin(code) ? "WIN" : "")
                            && QString::fromUtf8(columns[5]) == text;
                    if (!ok)
                        QFAIL(lines[row - 1].constData());
                }
            }
        }
        QCOMPARE(lines[0],
                 QByteArray("1\t1\t1\tW9\tWIN\tＢＩＧです。\\n適戦艦撃沈！\tRedSeven,Cherry,Torpedo\t"
                            "RedSeven,Cherry,Replay\tRedSeven,Plum,Replay\ttop:sevens"));
    }

    void helpExplainsTheColumns()
    {
        const Run run = runJudge({"--help"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains("Usage: sorvex-judge T1 T2 T3"));
        QVERIFY(run.out.contains("--all"));
        QVERIFY(run.out.contains("message code"));
    }

    void badInputGetsOneLineAndStatus2_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("problem");
        QTest::newRow("no arguments") << QStringList {} << QByteArray("got 0 arguments");
        QTest::newRow("two") << QStringList {"1", "2"} << QByteArray("got 2 arguments");
        QTest::newRow("four") << QStringList {"1", "2", "3", "4"} << QByteArray("got 4 arguments");
        QTest::newRow("word") << QStringList {"1", "x", "3"} << QByteArray("'x' is not an integer");
        QTest::newRow("fraction") << QStringList {"1.5", "2", "3"} << QByteArray("'1.5' is not an integer");
        QTest::newRow("empty") << QStringList {"1", "2", ""} << QByteArray("'' is not an integer");
        QTest::newRow("zero") << QStringList {"0", "2", "3"} << QByteArray("0 is outside 1 to 21");
        QTest::newRow("22") << QStringList {"1", "22", "3"} << QByteArray("22 is outside 1 to 21");
        QTest::newRow("negative") << QStringList {"1", "2", "-3"} << QByteArray("-3 is outside 1 to 21");
        QTest::newRow("huge") << QStringList {"99999999999999999999", "2", "3"} << QByteArray("is outside 1 to 21");
        QTest::newRow("unknown option") << QStringList {"--verbose"} << QByteArray("unknown option '--verbose'");
        QTest::newRow("all with extra") << QStringList {"--all", "1"} << QByteArray("--all takes no further");
    }

    void badInputGetsOneLineAndStatus2()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, problem);
        const Run run = runJudge(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.contains(problem), run.err.constData());
        QVERIFY(run.err.startsWith("sorvex-judge: "));
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY(run.err.endsWith('\n'));
    }

    void aLongArgumentIsQuotedShort()
    {
        const QString longWord(100000, QLatin1Char('x'));
        const Run run = runJudge({QStringLiteral("1"), longWord, QStringLiteral("3")});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.size() < 200, run.err.left(200).constData());
        QVERIFY(run.err.contains("'xxxxxxxxxx"));
    }

    void aFailedWriteIsAnError_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("one pattern") << QStringList {"1", "1", "1"};
        QTest::newRow("all patterns") << QStringList {"--all"};
        QTest::newRow("help") << QStringList {"--help"};
    }

    void aFailedWriteIsAnError()
    {
        if (!QFileInfo::exists(QStringLiteral("/dev/full")))
            QSKIP("this system has no /dev/full");
        QFETCH(QStringList, arguments);
        const Run run = runJudge(arguments, QStringLiteral("/dev/full"));
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, QByteArray("sorvex-judge: cannot write the output\n"));
    }
};

QTEST_GUILESS_MAIN(TestSorvexJudge)
#include "tst_sorvexjudge.moc"
