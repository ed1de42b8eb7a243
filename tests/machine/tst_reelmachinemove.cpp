#include "shownjudgement.h"

#include "machine/reelmachine.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace sorvex;

namespace {

// Everything a view of the machine could show or a later operation could
// depend on.
struct Observed
{
    QList<double> pictureTops;
    QList<qint16> positions;
    QList<qint16> offsets;
    QString yakumei;
    QString tamaya;
    bool lampLit;
    QString label;

    bool operator==(const Observed &) const = default;
};

Observed observe(const ReelMachine &machine, const testing::ShownJudgement &shown)
{
    Observed observed {{}, {}, {}, machine.yakumei(), machine.tamaya(), machine.isLampLit(), shown.text()};
    for (int reel = 1; reel <= 3; ++reel) {
        observed.pictureTops.append(machine.pictureTop(reel));
        observed.positions.append(machine.reel(reel).position());
        observed.offsets.append(machine.reel(reel).offset());
    }
    return observed;
}

// The presses a user would make: for each reel, ▲ or ▼ repeated, whichever
// reaches the stop sooner, judged after every press.
int pressTowards(ReelMachine &machine, const QList<int> &target)
{
    int presses = 0;
    for (int reel = 1; reel <= 3; ++reel) {
        const int ups = ((target[reel - 1] - machine.reel(reel).topRowIndex()) % 21 + 21) % 21;
        const int downs = (21 - ups) % 21;
        for (int i = 0; i < std::min(ups, downs); ++i, ++presses)
            ups < downs ? machine.stepUp(reel) : machine.stepDown(reel);
    }
    return presses;
}

} // namespace

// Moving the reels straight to a pattern, as the study views do.
class TestReelMachineMove : public QObject
{
    Q_OBJECT

private slots:
    void endsAsTheSamePressesWould_data();
    void endsAsTheSamePressesWould();
    void refusedUnlessAtRest();
    void refusesIndicesOutsideTheReels_data();
    void refusesIndicesOutsideTheReels();
};

void TestReelMachineMove::endsAsTheSamePressesWould_data()
{
    QTest::addColumn<QList<int>>("before");
    QTest::addColumn<QList<int>>("target");
    QTest::addColumn<int>("steps");
    QTest::newRow("where it stands") << QList<int> {2, 1, 1} << QList<int> {2, 1, 1} << 0;
    QTest::newRow("one down each") << QList<int> {1, 1, 1} << QList<int> {21, 21, 21} << 3;
    QTest::newRow("ten up") << QList<int> {1, 1, 1} << QList<int> {11, 1, 1} << 10;
    QTest::newRow("ten down") << QList<int> {1, 1, 1} << QList<int> {12, 1, 1} << 10;
    QTest::newRow("round past 21") << QList<int> {19, 3, 20} << QList<int> {2, 20, 1} << 10;
    QTest::newRow("a win to a miss") << QList<int> {7, 7, 7} << QList<int> {3, 1, 4} << 13;
}

void TestReelMachineMove::endsAsTheSamePressesWould()
{
    QFETCH(QList<int>, before);
    QFETCH(QList<int>, target);
    QFETCH(int, steps);
    ReelMachine moved;
    ReelMachine pressed;
    testing::ShownJudgement movedLabel(moved);
    testing::ShownJudgement pressedLabel(pressed);
    pressTowards(moved, before);
    pressTowards(pressed, before);
    QCOMPARE(observe(moved, movedLabel), observe(pressed, pressedLabel));

    QSignalSpy reelMoves(&moved, &ReelMachine::reelMoved);
    QSignalSpy judged(&moved, &ReelMachine::judged);
    QVERIFY(moved.moveTo({target[0], target[1], target[2]}));
    QCOMPARE(pressTowards(pressed, target), steps);

    QCOMPARE(reelMoves.size(), steps);
    QCOMPARE(judged.size(), 1);
    QCOMPARE(judged.first().at(1).value<JudgementCause>(), JudgementCause::Jump);
    const auto pattern = judged.first().at(0).value<StopPattern>();
    QCOMPARE((QList<int> {pattern.t1, pattern.t2, pattern.t3}), target);
    QCOMPARE((QList<int> {moved.r1jyoudan(), moved.r2jyoudan(), moved.r3jyoudan()}), target);
    QCOMPARE(observe(moved, movedLabel), observe(pressed, pressedLabel));
}

void TestReelMachineMove::refusedUnlessAtRest()
{
    ReelMachine machine;
    QVERIFY(machine.moveRefusal().isEmpty());

    machine.start(QStringLiteral("100"));
    machine.tick(1);
    machine.stop(1);
    const QString whileSpinning = machine.moveRefusal();
    QVERIFY(!whileSpinning.isEmpty());
    QSignalSpy anything(&machine, &ReelMachine::reelMoved);
    QSignalSpy judged(&machine, &ReelMachine::judged);
    QVERIFY(!machine.moveTo({5, 5, 5}));
    machine.stop(2);
    machine.stop(3);
    QCOMPARE(judged.size(), 1); // the third stop's, not a jump's
    QVERIFY(machine.moveRefusal().isEmpty());

    // Also with a sequencer that never ticks: auto mode is on until auto stop.
    machine.autoStart(QStringLiteral("100"), QStringLiteral("00"));
    const QString inAutoMode = machine.moveRefusal();
    QVERIFY(!inAutoMode.isEmpty());
    QVERIFY(inAutoMode != whileSpinning);
    QVERIFY(!machine.moveTo({5, 5, 5}));
    QCOMPARE(anything.size(), 0);
    machine.autoStop();
    QVERIFY(machine.moveTo({5, 5, 5}));
    QCOMPARE(machine.shownPattern().t3, 5);
}

void TestReelMachineMove::refusesIndicesOutsideTheReels_data()
{
    QTest::addColumn<int>("t1");
    QTest::addColumn<int>("t2");
    QTest::addColumn<int>("t3");
    QTest::newRow("0") << 0 << 1 << 1;
    QTest::newRow("22") << 1 << 22 << 1;
    QTest::newRow("negative") << 1 << 1 << -1;
}

void TestReelMachineMove::refusesIndicesOutsideTheReels()
{
    QFETCH(int, t1);
    QFETCH(int, t2);
    QFETCH(int, t3);
    ReelMachine machine;
    QSignalSpy judged(&machine, &ReelMachine::judged);
    QVERIFY(!machine.moveTo({t1, t2, t3}));
    QVERIFY(judged.isEmpty());
    QCOMPARE(machine.reel(1).position(), qint16(0));
}

QTEST_GUILESS_MAIN(TestReelMachineMove)
#include "tst_reelmachinemove.moc"
