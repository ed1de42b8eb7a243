#include "judgementoracle.h"

#include "machine/judgedpattern.h"

#include "judge/messagecatalogue.h"

#include <QTest>

using namespace sorvex;

// The shared record of a judged pattern against the judgement objects and
// the reel strips.
class TestJudgedPattern : public QObject
{
    Q_OBJECT

private slots:
    void knownPatterns_data()
    {
        QTest::addColumn<int>("t1");
        QTest::addColumn<int>("t2");
        QTest::addColumn<int>("t3");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("topRow");
        QTest::addColumn<QStringList>("paying");
        QTest::newRow("1 1 1") << 1 << 1 << 1 << "W9"
                               << "RedSeven,RedSeven,RedSeven" << QStringList {"top:sevens"};
        QTest::newRow("3 1 4") << 3 << 1 << 4 << "P1"
                               << "Torpedo,RedSeven,Cherry" << QStringList {};
        QTest::newRow("21 17 13") << 21 << 17 << 13 << "U14"
                                  << "Replay,Cherry,Submersible" << QStringList {};
    }

    void knownPatterns()
    {
        QFETCH(int, t1);
        QFETCH(int, t2);
        QFETCH(int, t3);
        QFETCH(QString, code);
        QFETCH(QString, topRow);
        QFETCH(QStringList, paying);
        const JudgedPattern judged = judgePattern({t1, t2, t3});
        QCOMPARE(QString::fromUtf8(codeName(judged.code)), code);
        const auto [yakumei, tamaya] = testing::judgementOf(t1, t2, t3);
        QCOMPARE(judged.text(), yakumei);
        QCOMPARE(judged.winMark(), tamaya);
        QCOMPARE(judged.isWin(), tamaya == winMarkText);
        {
            QStringList symbols;
            for (const auto &reel : judged.window)
                symbols.append(QString::fromUtf8(symbolId(reel[0])));
            QCOMPARE(symbols.join(QLatin1Char(',')), topRow);
        }
        QStringList lines;
        for (const PayLineWin &win : judged.payingLines)
            lines.append(QString::fromUtf8(win.payLine->name) + QLatin1Char(':')
                         + QString::fromUtf8(lineWinName(win.win)));
        QCOMPARE(lines, paying);
    }

    void everyPatternAgreesWithTheObjectsAndStrips()
    {
        for (int t1 = 1; t1 <= 21; ++t1) {
            for (int t2 = 1; t2 <= 21; ++t2) {
                for (int t3 = 1; t3 <= 21; ++t3) {
                    const StopPattern pattern {t1, t2, t3};
                    const JudgedPattern judged = judgePattern(pattern);
                    const auto [yakumei, tamaya] = testing::judgementOf(t1, t2, t3);
                    if (judged.text() != yakumei || judged.winMark() != tamaya)
                        QFAIL(qPrintable(QStringLiteral("judgement of %1 %2 %3").arg(t1).arg(t2).arg(t3)));
                    for (Reel reel : allReels) {
                        for (Row row : {Row::Top, Row::Middle, Row::Bottom}) {
                            if (judged.window[int(reel)][int(row)] != pattern.symbol(reel, row))
                                QFAIL(qPrintable(QStringLiteral("window of %1 %2 %3").arg(t1).arg(t2).arg(t3)));
                        }
                    }
                }
            }
        }
    }

    void indicesOutsideTheReelsAreRefused()
    {
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, judgePattern({0, 1, 1}));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, judgePattern({1, 22, 1}));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, judgePattern({1, 1, -5}));
    }
};

QTEST_GUILESS_MAIN(TestJudgedPattern)
#include "tst_judgedpattern.moc"
