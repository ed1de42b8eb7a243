#include "machine/reelmodel.h"
#include "platform/runtimeerror.h"

#include <QTest>

#include <functional>

using namespace sorvex;

namespace {
using Move = std::function<qint16(ReelModel &)>;

// A reel brought to a position by the moves a user can make.
ReelModel reelAt(int position)
{
    ReelModel reel;
    for (int i = 0; i < position; ++i)
        reel.stepDown();
    return reel;
}

// The stop a position counter stands for, as a top-row index.
int topRowIndex(const ReelModel &reel)
{
    return 22 - (reel.position() == 0 ? 21 : reel.position());
}

bool isStripOffset(qint16 offset)
{
    for (qint16 position = 0; position <= 21; ++position) {
        if (offset == ReelModel::offsetFor(position))
            return true;
    }
    return false;
}
} // namespace

class TestReelModel : public QObject
{
    Q_OBJECT

private slots:
    void newReelReadsBackAsIndexOne()
    {
        const ReelModel reel;
        QCOMPARE(reel.position(), qint16(0));
        QCOMPARE(reel.offset(), qint16(0));
        QCOMPARE(ReelModel::readBack(ReelModel::offsetFor(0)), 1);
        QCOMPARE(ReelModel::offsetFor(0), qint16(-20280));
        QCOMPARE(ReelModel::offsetFor(1), qint16(-19305));
        QCOMPARE(ReelModel::offsetFor(21), qint16(195));
    }

    void advanceRunsThroughAllStopsKeeping21AsZero()
    {
        ReelModel reel;
        for (int tick = 1; tick <= 44; ++tick) {
            const int stop = (tick - 1) % 21 + 1;
            const qint16 offset = reel.advance();
            QCOMPARE(offset, ReelModel::offsetFor(qint16(stop)));
            QCOMPARE(reel.offset(), offset);
            QCOMPARE(reel.position(), qint16(stop == 21 ? 0 : stop));
            QCOMPARE(ReelModel::readBack(offset), 22 - stop);
        }
    }

    void stepsAtTheWrap_data()
    {
        QTest::addColumn<int>("from"); // reached by step-downs from a new reel
        QTest::addColumn<bool>("down");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("index");
        QTest::newRow("down from 0") << 0 << true << 1 << -19305 << 21;
        QTest::newRow("down from 21") << 21 << true << 1 << -19305 << 21;
        QTest::newRow("down from 20") << 20 << true << 21 << 195 << 1;
        QTest::newRow("up from 1") << 1 << false << 0 << -20280 << 1;
        QTest::newRow("up from 0") << 0 << false << 20 << -780 << 2;
        QTest::newRow("up from 21") << 21 << false << 20 << -780 << 2;
    }

    void stepsAtTheWrap()
    {
        QFETCH(int, from);
        QFETCH(bool, down);
        QFETCH(int, position);
        QFETCH(int, offset);
        QFETCH(int, index);
        ReelModel reel = reelAt(from);
        QCOMPARE(int(reel.position()), from);
        const qint16 written = down ? reel.stepDown() : reel.stepUp();
        QCOMPARE(int(reel.position()), position);
        QCOMPARE(int(written), offset);
        QCOMPARE(ReelModel::readBack(written), index);
    }

    void advanceAfterStepDownTo21WrapsToOne()
    {
        ReelModel reel = reelAt(20);
        reel.stepDown();
        QCOMPARE(reel.position(), qint16(21));
        QCOMPARE(reel.advance(), ReelModel::offsetFor(1));
        QCOMPARE(reel.position(), qint16(1));
    }

    // Every move keeps position and offset in step and writes only the 22
    // offsets of positions 0..21; 21 of the same move bring a reel back.
    void movesStayOnTheStrip_data()
    {
        QTest::addColumn<int>("move");
        QTest::newRow("advance") << 0;
        QTest::newRow("step down") << 1;
        QTest::newRow("step up") << 2;
    }

    void movesStayOnTheStrip()
    {
        QFETCH(int, move);
        const Move moves[]
                = {[](ReelModel &reel) { return reel.advance(); }, [](ReelModel &reel) { return reel.stepDown(); },
                   [](ReelModel &reel) { return reel.stepUp(); }};
        for (int start = 0; start <= 21; ++start) {
            ReelModel reel = reelAt(start);
            const int startIndex = topRowIndex(reel);
            for (int i = 1; i <= 21; ++i) {
                const qint16 offset = moves[move](reel);
                QVERIFY(reel.position() >= 0 && reel.position() <= 21);
                QVERIFY(isStripOffset(offset));
                QCOMPARE(ReelModel::readBack(offset), topRowIndex(reel));
            }
            QCOMPARE(topRowIndex(reel), startIndex);
        }
    }

    void upThenDownAndDownThenUpKeepTheStop()
    {
        for (int start = 0; start <= 21; ++start) {
            ReelModel reel = reelAt(start);
            const int index = topRowIndex(reel);
            reel.stepUp();
            reel.stepDown();
            QCOMPARE(topRowIndex(reel), index);
            reel.stepDown();
            reel.stepUp();
            QCOMPARE(topRowIndex(reel), index);
        }
    }

    void readBackRoundsHalvesToEven_data()
    {
        QTest::addColumn<double>("top");
        QTest::addColumn<int>("index");
        QTest::newRow("exact 1") << -19305.0 << 21;
        QTest::newRow("a little off") << -19305.0 + 300 << 21;
        QTest::newRow("half between 0 and 1 goes to 0") << -20280.0 + 487.5 << 1;
        QTest::newRow("half between 1 and 2 goes to 2") << -19305.0 + 487.5 << 20;
        QTest::newRow("position 0") << -20280.0 << 1;
        QTest::newRow("position 21") << 195.0 << 1;
    }

    void readBackRoundsHalvesToEven()
    {
        QFETCH(double, top);
        QFETCH(int, index);
        QCOMPARE(ReelModel::readBack(top), index);
    }

    void readBackOverflows()
    {
        QVERIFY_THROWS_EXCEPTION(RuntimeError, ReelModel::readBack(1e9));
        try {
            ReelModel::readBack(-1e9);
            QFAIL("no overflow");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.number(), ErrorNumber::Overflow);
        }
    }
};

QTEST_APPLESS_MAIN(TestReelModel)
#include "tst_reelmodel.moc"
