#include "machine/stoppattern.h"

#include <QTest>

using namespace sorvex;
using enum Symbol;

class TestStrips : public QObject
{
    Q_OBJECT

private slots:
    void symbolCountsPerReel_data()
    {
        QTest::addColumn<Symbol>("symbol");
        QTest::addColumn<QList<int>>("counts"); // left, middle, right
        QTest::newRow("RedSeven") << RedSeven << QList<int> {2, 1, 2};
        QTest::newRow("BlueSeven") << BlueSeven << QList<int> {1, 2, 1};
        QTest::newRow("Cherry") << Cherry << QList<int> {2, 4, 4};
        QTest::newRow("Plum") << Plum << QList<int> {5, 5, 5};
        QTest::newRow("Replay") << Replay << QList<int> {4, 5, 5};
        QTest::newRow("Torpedo") << Torpedo << QList<int> {6, 2, 2};
        QTest::newRow("Submersible") << Submersible << QList<int> {1, 2, 2};
    }

    void symbolCountsPerReel()
    {
        QFETCH(Symbol, symbol);
        QFETCH(QList<int>, counts);
        for (Reel reel : allReels) {
            const Strip &cells = strip(reel);
            QCOMPARE(int(std::count(cells.begin(), cells.end(), symbol)), counts[int(reel)]);
        }
    }

    void rowsWrapAroundTheStrip()
    {
        for (Reel reel : allReels) {
            const Strip &cells = strip(reel);
            QCOMPARE(symbolAt(reel, 1, Row::AboveFrame), cells[20]);
            QCOMPARE(symbolAt(reel, 1, Row::Top), cells[0]);
            QCOMPARE(symbolAt(reel, 19, Row::BelowFrame), cells[0]);
            QCOMPARE(symbolAt(reel, 20, Row::Bottom), cells[0]);
            QCOMPARE(symbolAt(reel, 21, Row::Middle), cells[0]);
            QCOMPARE(symbolAt(reel, 21, Row::BelowFrame), cells[2]);
        }
        for (int index = -30; index <= 50; ++index) {
            const int wrapped = wrapTopRowIndex(index);
            QVERIFY(wrapped >= 1 && wrapped <= 21);
            QCOMPARE((wrapped - index) % 21, 0);
        }
    }

    void startUpShowsRedSevensOnTheTopLine()
    {
        const StopPattern startUp {1, 1, 1};
        QCOMPARE(startUp.across(Row::Top), (std::array<Symbol, 3> {RedSeven, RedSeven, RedSeven}));
        const std::vector<PayLineWin> wins = lineWins(startUp);
        QCOMPARE(wins.size(), std::size_t(1));
        QCOMPARE(wins[0].payLine->name, std::string_view("top"));
        QCOMPARE(wins[0].win, LineWin::Sevens);
    }

    void landmarksOnTheStrips()
    {
        QCOMPARE(symbolAt(Reel::Middle, 8, Row::Top), Submersible);
        QCOMPARE(symbolAt(Reel::Middle, 9, Row::Top), Submersible);
        QCOMPARE(symbolAt(Reel::Right, 12, Row::Top), Submersible);
        QCOMPARE(symbolAt(Reel::Right, 13, Row::Top), Submersible);
        const StopPattern cherryPlumCherry {1, 11, 1};
        QCOMPARE(cherryPlumCherry.symbol(Reel::Middle, Row::Top), Cherry);
        QCOMPARE(cherryPlumCherry.symbol(Reel::Middle, Row::Middle), Plum);
        QCOMPARE(cherryPlumCherry.symbol(Reel::Middle, Row::Bottom), Cherry);
    }

    void lineWinsNeedTheExactCombination_data()
    {
        QTest::addColumn<Symbol>("left");
        QTest::addColumn<Symbol>("middle");
        QTest::addColumn<Symbol>("right");
        QTest::addColumn<LineWin>("win");
        QTest::newRow("red sevens") << RedSeven << RedSeven << RedSeven << LineWin::Sevens;
        QTest::newRow("blue sevens") << BlueSeven << BlueSeven << BlueSeven << LineWin::Sevens;
        QTest::newRow("mixed sevens") << RedSeven << BlueSeven << RedSeven << LineWin::None;
        QTest::newRow("plums") << Plum << Plum << Plum << LineWin::Plums;
        QTest::newRow("submersible plums") << Submersible << Plum << Plum << LineWin::SubmersiblePlum;
        QTest::newRow("plums after submersible middle") << Plum << Submersible << Plum << LineWin::None;
        QTest::newRow("replays") << Replay << Replay << Replay << LineWin::Replays;
        QTest::newRow("submersible replays") << Submersible << Replay << Replay << LineWin::Replays;
        QTest::newRow("torpedoes") << Torpedo << Torpedo << Torpedo << LineWin::Torpedoes;
        QTest::newRow("submersibles") << Submersible << Submersible << Submersible << LineWin::None;
        QTest::newRow("cherries") << Cherry << Cherry << Cherry << LineWin::None;
    }

    void lineWinsNeedTheExactCombination()
    {
        QFETCH(Symbol, left);
        QFETCH(Symbol, middle);
        QFETCH(Symbol, right);
        QFETCH(LineWin, win);
        QCOMPARE(lineWin({left, middle, right}), win);
    }
};

QTEST_APPLESS_MAIN(TestStrips)
#include "tst_strips.moc"
