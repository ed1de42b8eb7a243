#include "judgementoracle.h"
#include "shownjudgement.h"

#include "judge/messagecatalogue.h"
#include "machine/reelmachine.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace sorvex;
using sorvex::testing::judgementOf;
using sorvex::testing::topRowIndex;
using enum MachineControl;

// Manual play on the reel machine alone: start, reel ticks, stops in any
// order, the step buttons, the two forms of the result display and the
// speed box.
class TestReelMachinePlay : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void newMachineIsAtRestAsDesigned();
    void stopsInAnyOrderFollowTheStateTable_data();
    void stopsInAnyOrderFollowTheStateTable();
    void startClearsTheDisplayAndKeepsTheJudgement();
    void speedBox_data();
    void speedBox();
    void badSpeedLeavesTheMachineAtRest_data();
    void badSpeedLeavesTheMachineAtRest();
    void stepsFromStartUp_data();
    void stepsFromStartUp();
    void twentyOneStepsComeBackToTheSameJudgement_data();
    void twentyOneStepsComeBackToTheSameJudgement();
    void settingFormTurnsTheLampOffAndOn();
    void judgementObjectsAreCreatedOnFirstUseAndKept();
    void focusFollowsStartAndStops();

private:
    QList<MachineControl> enabledOf(std::initializer_list<MachineControl> controls) const;
    void checkShowsJudgementOfPositions() const;

    std::unique_ptr<ReelMachine> m_machine;
    std::unique_ptr<testing::ShownJudgement> m_shown;
};

void TestReelMachinePlay::init()
{
    m_machine = std::make_unique<ReelMachine>();
    m_shown = std::make_unique<testing::ShownJudgement>(*m_machine);
}

void TestReelMachinePlay::cleanup()
{
    m_shown.reset();
    m_machine.reset();
}

QList<MachineControl> TestReelMachinePlay::enabledOf(std::initializer_list<MachineControl> controls) const
{
    QList<MachineControl> enabled;
    for (MachineControl control : controls) {
        if (m_machine->isEnabled(control))
            enabled.append(control);
    }
    return enabled;
}

void TestReelMachinePlay::checkShowsJudgementOfPositions() const
{
    const auto [yakumei, tamaya]
            = judgementOf(topRowIndex(m_machine->reel(1).position()), topRowIndex(m_machine->reel(2).position()),
                          topRowIndex(m_machine->reel(3).position()));
    QCOMPARE(m_machine->yakumei(), yakumei);
    QCOMPARE(m_machine->tamaya(), tamaya);
    QCOMPARE(m_shown->text(), yakumei);
}

void TestReelMachinePlay::newMachineIsAtRestAsDesigned()
{
    QVERIFY(m_machine->isAtRest());
    QCOMPARE(enabledOf({Start, Stop1, Stop2, Stop3, Up1, Down1, Up2, Down2, Up3, Down3, AutoStart, AutoStop, End}),
             (QList<MachineControl> {Start, Up1, Down1, Up2, Down2, Up3, Down3, AutoStart, End}));
    for (int timer = 1; timer <= 4; ++timer) {
        QVERIFY(!m_machine->isTimerEnabled(timer));
        QCOMPARE(m_machine->timerInterval(timer), timer == 4 ? 1200 : 200);
    }
    for (int reel = 1; reel <= 3; ++reel)
        QCOMPARE(m_machine->pictureTop(reel), -20280.0);
    QCOMPARE(m_machine->shownPattern().t1, 1);
    QCOMPARE(m_machine->boxText(IntervalBox::ReelSpeed), QStringLiteral("100"));
    QCOMPARE(m_machine->boxText(IntervalBox::Sequencer), QStringLiteral("1075"));
    QVERIFY(!m_machine->isLampLit());
    QCOMPARE(m_machine->timgoukei(), qint16(0));
    QCOMPARE(m_machine->r1jyoudan(), qint16(0));
}

void TestReelMachinePlay::stopsInAnyOrderFollowTheStateTable_data()
{
    QTest::addColumn<QList<int>>("order");
    QTest::addColumn<QList<int>>("ticks");
    QTest::newRow("left, middle, right") << QList<int> {1, 2, 3} << QList<int> {3, 7, 12};
    QTest::newRow("right, left, middle") << QList<int> {3, 1, 2} << QList<int> {21, 22, 40};
    QTest::newRow("middle, right, left") << QList<int> {2, 3, 1} << QList<int> {0, 1, 20};
    QTest::newRow("right, middle, left") << QList<int> {3, 2, 1} << QList<int> {5, 5, 5};
}

void TestReelMachinePlay::stopsInAnyOrderFollowTheStateTable()
{
    QFETCH(QList<int>, order);
    QFETCH(QList<int>, ticks);
    const std::initializer_list<MachineControl> resting = {Start, End, AutoStart, Up1, Down1, Up2, Down2, Up3, Down3};
    const MachineControl stopButtons[] = {Stop1, Stop2, Stop3};

    // The order of an earlier spin is forgotten when the next one starts.
    QVERIFY(m_machine->start(QStringLiteral("100")));
    m_machine->stop(2);
    QVERIFY(m_machine->start(QStringLiteral("100")));
    QCOMPARE(m_machine->stopOrder(), QList<int> {});
    QCOMPARE(m_machine->timint(), qint16(100));
    QCOMPARE(m_shown->text(), QString());
    for (int reel = 1; reel <= 3; ++reel) {
        QCOMPARE(m_machine->timerInterval(reel), 100);
        for (int i = 0; i < ticks[reel - 1]; ++i)
            m_machine->tick(reel);
        // A spin from start-up runs 1, 2, ..., 21 (kept as 0), 1, ...
        QCOMPARE(topRowIndex(m_machine->reel(reel).position()), topRowIndex(ticks[reel - 1] % 21));
    }

    QList<int> stillSpinning {1, 2, 3};
    for (int k = 0; k < 3; ++k) {
        QCOMPARE(enabledOf(resting), QList<MachineControl> {});
        QVERIFY(!m_machine->isEnabled(AutoStop));
        QVERIFY(!m_machine->isAtRest());
        for (int reel = 1; reel <= 3; ++reel) {
            const bool spinning = stillSpinning.contains(reel);
            QCOMPARE(m_machine->isTimerEnabled(reel), spinning);
            QCOMPARE(m_machine->isEnabled(stopButtons[reel - 1]), spinning);
        }
        QCOMPARE(m_shown->text(), QString());

        m_machine->stop(order[k]);
        stillSpinning.removeOne(order[k]);
        QCOMPARE(m_machine->timgoukei(), qint16(k + 1));
        QCOMPARE(m_machine->stopped(order[k]), qint16(1));
        QCOMPARE(m_machine->stopOrder(), order.first(k + 1));
    }

    QCOMPARE(enabledOf(resting), QList<MachineControl>(resting));
    QCOMPARE(enabledOf({Stop1, Stop2, Stop3, AutoStop}), QList<MachineControl> {});
    QVERIFY(m_machine->isAtRest());
    checkShowsJudgementOfPositions();
    QCOMPARE(m_machine->isLampLit(), m_machine->tamaya() == winMarkText);
}

void TestReelMachinePlay::startClearsTheDisplayAndKeepsTheJudgement()
{
    // (1, 1, 1), the pattern of a new machine, is a win.
    m_machine->start(QStringLiteral("100"));
    for (int reel = 1; reel <= 3; ++reel) {
        for (int i = 0; i < 21; ++i)
            m_machine->tick(reel);
        m_machine->stop(reel);
    }
    QCOMPARE(m_machine->tamaya(), QStringLiteral("WIN"));
    QVERIFY(m_machine->isLampLit());
    const QString judged = m_machine->yakumei();

    m_machine->start(QStringLiteral("100"));
    QVERIFY(!m_machine->isLampLit());
    QCOMPARE(m_shown->text(), QString());
    QCOMPARE(m_machine->yakumei(), judged);
    QCOMPARE(m_machine->timgoukei(), qint16(3));
    QCOMPARE(m_machine->stopped(1), qint16(0));
}

void TestReelMachinePlay::speedBox_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("timint");
    QTest::addColumn<QString>("shown");
    QTest::newRow("design text") << QStringLiteral("100") << 100 << QStringLiteral("100");
    QTest::newRow("empty") << QString() << 100 << QStringLiteral("100");
    QTest::newRow("zero") << QStringLiteral("0") << 100 << QStringLiteral("100");
    QTest::newRow("converts to zero") << QStringLiteral("0.4") << 100 << QStringLiteral("100");
    QTest::newRow("35") << QStringLiteral("35") << 35 << QStringLiteral("35");
    QTest::newRow("fraction rounds half to even") << QStringLiteral("34.5") << 34 << QStringLiteral("34.5");
    QTest::newRow("largest") << QStringLiteral("32767") << 32767 << QStringLiteral("32767");
}

void TestReelMachinePlay::speedBox()
{
    QFETCH(QString, typed);
    QFETCH(int, timint);
    QFETCH(QString, shown);
    QSignalSpy rejected(m_machine.get(), &ReelMachine::intervalRejected);
    QVERIFY(m_machine->start(typed));
    QCOMPARE(int(m_machine->timint()), timint);
    QCOMPARE(m_machine->boxText(IntervalBox::ReelSpeed), shown);
    for (int reel = 1; reel <= 3; ++reel) {
        QCOMPARE(m_machine->timerInterval(reel), timint);
        QVERIFY(m_machine->isTimerEnabled(reel));
    }
    QVERIFY(rejected.isEmpty());
}

void TestReelMachinePlay::badSpeedLeavesTheMachineAtRest_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("letters") << QStringLiteral("fast");
    QTest::newRow("negative") << QStringLiteral("-35");
    QTest::newRow("beyond 16 bits") << QStringLiteral("40000");
    QTest::newRow("rounds past 32767") << QStringLiteral("32767.5");
}

void TestReelMachinePlay::badSpeedLeavesTheMachineAtRest()
{
    QFETCH(QString, typed);
    // A good spin first, so that the box has a last valid value of its own.
    m_machine->start(QStringLiteral("35"));
    for (int reel = 1; reel <= 3; ++reel)
        m_machine->stop(reel);
    const QString judged = m_shown->text();

    for (const bool automatic : {false, true}) {
        QSignalSpy rejected(m_machine.get(), &ReelMachine::intervalRejected);
        QVERIFY(!(automatic ? m_machine->autoStart(typed, QStringLiteral("1075")) : m_machine->start(typed)));
        QCOMPARE(rejected.size(), 1);
        QCOMPARE(rejected.first().first().value<IntervalBox>(), IntervalBox::ReelSpeed);
        QCOMPARE(m_machine->boxText(IntervalBox::ReelSpeed), QStringLiteral("35"));
        QCOMPARE(m_machine->timint(), qint16(35));
        QVERIFY(m_machine->isAtRest());
        QCOMPARE(enabledOf({Start, End, AutoStart, Up1, Down3, Stop1, AutoStop}),
                 (QList<MachineControl> {Start, End, AutoStart, Up1, Down3}));
        QCOMPARE(m_shown->text(), judged);
    }
}

void TestReelMachinePlay::stepsFromStartUp_data()
{
    QTest::addColumn<int>("reel");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QList<int>>("pattern");
    QTest::newRow("left down") << 1 << false << QList<int> {21, 1, 1};
    QTest::newRow("left up") << 1 << true << QList<int> {2, 1, 1};
    QTest::newRow("middle down") << 2 << false << QList<int> {1, 21, 1};
    QTest::newRow("right up") << 3 << true << QList<int> {1, 1, 2};
}

void TestReelMachinePlay::stepsFromStartUp()
{
    QFETCH(int, reel);
    QFETCH(bool, up);
    QFETCH(QList<int>, pattern);
    QSignalSpy judged(m_machine.get(), &ReelMachine::judged);
    up ? m_machine->stepUp(reel) : m_machine->stepDown(reel);
    QCOMPARE((QList<int> {m_machine->r1jyoudan(), m_machine->r2jyoudan(), m_machine->r3jyoudan()}), pattern);
    const auto [yakumei, tamaya] = judgementOf(pattern[0], pattern[1], pattern[2]);
    QCOMPARE(m_shown->text(), yakumei);
    QCOMPARE(m_machine->isLampLit(), tamaya == winMarkText);
    QCOMPARE(judged.size(), 1);
    QCOMPARE(judged.first().at(1).value<JudgementCause>(), JudgementCause::Step);
    // A step changes no button and no timer.
    QVERIFY(m_machine->isEnabled(Start) && !m_machine->isEnabled(Stop1) && m_machine->isAtRest());
}

void TestReelMachinePlay::twentyOneStepsComeBackToTheSameJudgement_data()
{
    QTest::addColumn<bool>("up");
    QTest::newRow("up") << true;
    QTest::newRow("down") << false;
}

void TestReelMachinePlay::twentyOneStepsComeBackToTheSameJudgement()
{
    QFETCH(bool, up);
    m_machine->stepDown(2);
    m_machine->stepUp(3);
    const QString before = m_shown->text();
    const double top = m_machine->pictureTop(1);
    QSet<int> seen;
    for (int i = 0; i < 21; ++i) {
        up ? m_machine->stepUp(1) : m_machine->stepDown(1);
        seen.insert(m_machine->r1jyoudan());
        checkShowsJudgementOfPositions();
    }
    QCOMPARE(seen.size(), 21);
    QCOMPARE(m_shown->text(), before);
    QCOMPARE(topRowIndex(m_machine->reel(1).position()), 1);
    // Position 0 and 21 stand one full turn apart and show the same stop.
    QVERIFY(m_machine->pictureTop(1) == top || std::abs(m_machine->pictureTop(1) - top) == 21 * 975);
}

void TestReelMachinePlay::settingFormTurnsTheLampOffAndOn()
{
    m_machine->stepUp(1);
    m_machine->stepDown(1);
    QCOMPARE(m_machine->tamaya(), QStringLiteral("WIN"));
    QVERIFY(m_machine->isLampLit());
    // Walk the right reel until a pattern without the win mark comes up.
    int steps = 0;
    while (m_machine->tamaya() == winMarkText && steps < 21) {
        m_machine->stepDown(3);
        ++steps;
    }
    QVERIFY(m_machine->tamaya().isEmpty());
    QVERIFY(!m_machine->isLampLit());
    m_machine->stepUp(3);
    QCOMPARE(m_machine->isLampLit(), m_machine->tamaya() == winMarkText);
    for (int i = 1; i < steps; ++i)
        m_machine->stepUp(3);
    QVERIFY(m_machine->isLampLit());
}

void TestReelMachinePlay::judgementObjectsAreCreatedOnFirstUseAndKept()
{
    QVERIFY(!m_machine->subTables().existing(21));
    m_machine->stepDown(1);
    const JudgementObject *first = m_machine->subTables().existing(21);
    QVERIFY(first);
    QVERIFY(!m_machine->subTables().existing(1));
    m_machine->stepUp(1);
    m_machine->stepDown(1);
    QCOMPARE(m_machine->subTables().existing(21), first);
    QCOMPARE(first->r2jyoudan, qint16(1));
}

void TestReelMachinePlay::focusFollowsStartAndStops()
{
    QSignalSpy focus(m_machine.get(), &ReelMachine::focusRequested);
    QSignalSpy enabled(m_machine.get(), &ReelMachine::controlEnabledChanged);
    m_machine->start(QStringLiteral("100"));
    QCOMPARE(focus.size(), 1);
    QCOMPARE(focus.first().first().value<MachineControl>(), Stop1);
    // The stop button goes last, so that the focus it loses can pass on to
    // a control that the same stop has enabled.
    m_machine->stop(1);
    m_machine->stop(2);
    enabled.clear();
    m_machine->stop(3);
    QCOMPARE(enabled.last().first().value<MachineControl>(), Stop3);
    QCOMPARE(enabled.last().at(1).toBool(), false);
    QCOMPARE(enabled.size(), 10);
    QCOMPARE(focus.size(), 1);
}

QTEST_GUILESS_MAIN(TestReelMachinePlay)
#include "tst_reelmachineplay.moc"
