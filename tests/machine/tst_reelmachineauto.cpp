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

// Auto mode on the reel machine alone: the sequencer box, the six-step cycle driven tick by tick, and
// auto stop and restart at any point of the cycle.
class TestReelMachineAuto : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sequencerBox_data();
    void sequencerBox();
    void badSequencerTextLeavesTheMachineAtRest_data();
    void badSequencerTextLeavesTheMachineAtRest();
    void autoStartAndStopSwitchTheControls();
    void oneFullCycle();
    void cyclePositionSurvivesAutoStop();
    void autoStopKeepsTheDisplay_data();
    void autoStopKeepsTheDisplay();
    void lampFromManualPlayStaysUntilTheClearingStep();

private:
    QString judgementLabel() const { return m_shown->text(); }
    bool lampLit() const { return m_machine->isLampLit(); }
    bool enabled(MachineControl control) const { return m_machine->isEnabled(control); }
    QList<bool> reelTimersEnabled() const;
    void tickAllReels(int times);
    void tickSequencer(int times);
    bool autoStart(const QString &sequencerText = QStringLiteral("1075"));

    std::unique_ptr<ReelMachine> m_machine;
    std::unique_ptr<testing::ShownJudgement> m_shown;
};

QList<bool> TestReelMachineAuto::reelTimersEnabled() const
{
    return {m_machine->isTimerEnabled(1), m_machine->isTimerEnabled(2), m_machine->isTimerEnabled(3)};
}

void TestReelMachineAuto::tickAllReels(int times)
{
    // What the platform would deliver: only enabled timers tick.
    for (int i = 0; i < times; ++i) {
        for (int reel = 1; reel <= 3; ++reel) {
            if (m_machine->isTimerEnabled(reel))
                m_machine->tick(reel);
        }
    }
}

void TestReelMachineAuto::tickSequencer(int times)
{
    for (int i = 0; i < times; ++i)
        m_machine->sequencerTick();
}

void TestReelMachineAuto::init()
{
    m_machine = std::make_unique<ReelMachine>();
    m_shown = std::make_unique<testing::ShownJudgement>(*m_machine);
}

void TestReelMachineAuto::cleanup()
{
    m_shown.reset();
    m_machine.reset();
}

bool TestReelMachineAuto::autoStart(const QString &sequencerText)
{
    return m_machine->autoStart(QStringLiteral("100"), sequencerText);
}

void TestReelMachineAuto::sequencerBox_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("interval");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("ticks");
    QTest::newRow("design text") << QStringLiteral("1075") << 1075 << QStringLiteral("1075") << true;
    QTest::newRow("exactly 0") << QStringLiteral("0") << 950 << QStringLiteral("950") << true;
    QTest::newRow("empty") << QString() << 900 << QStringLiteral("900") << true;
    // Tested on the text as typed: these are not "0", so they run at 0 ms,
    // which means the sequencer never ticks.
    QTest::newRow("00") << QStringLiteral("00") << 0 << QStringLiteral("00") << false;
    QTest::newRow("0.4") << QStringLiteral("0.4") << 0 << QStringLiteral("0.4") << false;
    QTest::newRow("blank and 0") << QStringLiteral(" 0") << 0 << QStringLiteral(" 0") << false;
    QTest::newRow("fraction") << QStringLiteral("500.5") << 500 << QStringLiteral("500.5") << true;
}

void TestReelMachineAuto::sequencerBox()
{
    QFETCH(QString, typed);
    QFETCH(int, interval);
    QFETCH(QString, shown);
    QFETCH(bool, ticks);
    QSignalSpy rejected(m_machine.get(), &ReelMachine::intervalRejected);
    QVERIFY(autoStart(typed));
    QCOMPARE(m_machine->timerInterval(4), interval);
    QCOMPARE(m_machine->boxText(IntervalBox::Sequencer), shown);
    QVERIFY(m_machine->isTimerEnabled(4));
    // A timer at 0 ms stays silent.
    QCOMPARE(m_machine->timerInterval(4) > 0, ticks);
    QCOMPARE(reelTimersEnabled(), (QList<bool> {true, true, true}));
    QVERIFY(rejected.isEmpty());
}

void TestReelMachineAuto::badSequencerTextLeavesTheMachineAtRest_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("letters") << QStringLiteral("1s");
    QTest::newRow("negative") << QStringLiteral("-1");
    QTest::newRow("beyond 16 bits") << QStringLiteral("99999");
}

void TestReelMachineAuto::badSequencerTextLeavesTheMachineAtRest()
{
    QFETCH(QString, typed);
    autoStart(QStringLiteral("0"));
    m_machine->autoStop();
    QCOMPARE(m_machine->boxText(IntervalBox::Sequencer), QStringLiteral("950"));

    // The speed box is fine ("" gives 100), but nothing of it is applied
    // either.
    QSignalSpy rejected(m_machine.get(), &ReelMachine::intervalRejected);
    QSignalSpy boxTexts(m_machine.get(), &ReelMachine::boxTextChanged);
    QVERIFY(!m_machine->autoStart(QString(), typed));
    QCOMPARE(rejected.size(), 1);
    QCOMPARE(rejected.first().first().value<IntervalBox>(), IntervalBox::Sequencer);
    QCOMPARE(boxTexts.size(), 1);
    QCOMPARE(boxTexts.first().at(0).value<IntervalBox>(), IntervalBox::Sequencer);
    QCOMPARE(m_machine->boxText(IntervalBox::Sequencer), QStringLiteral("950"));
    QVERIFY(m_machine->isAtRest());
    QVERIFY(enabled(AutoStart) && enabled(Start) && !enabled(AutoStop));
}

void TestReelMachineAuto::autoStartAndStopSwitchTheControls()
{
    const MachineControl resting[] = {Start, End, Up1, Down1, Up2, Down2, Up3, Down3};
    QSignalSpy focus(m_machine.get(), &ReelMachine::focusRequested);

    autoStart();
    for (MachineControl control : resting)
        QVERIFY(!enabled(control));
    QVERIFY(!enabled(AutoStart) && enabled(AutoStop));
    QVERIFY(!enabled(Stop1) && !enabled(Stop2) && !enabled(Stop3));
    QCOMPARE(focus.last().first().value<MachineControl>(), AutoStop);
    QCOMPARE(m_machine->timerInterval(1), 100);
    QCOMPARE(m_machine->timerInterval(4), 1075);
    QVERIFY(!m_machine->isAtRest());

    m_machine->autoStop();
    for (MachineControl control : resting)
        QVERIFY(enabled(control));
    QVERIFY(enabled(AutoStart) && !enabled(AutoStop));
    QVERIFY(!enabled(Stop1) && !enabled(Stop2) && !enabled(Stop3));
    QVERIFY(m_machine->isAtRest());
    QCOMPARE(focus.last().first().value<MachineControl>(), AutoStart);
}

void TestReelMachineAuto::oneFullCycle()
{
    autoStart();
    const QString design = judgementLabel();
    struct Expected
    {
        QList<bool> spinning;
        bool judged;
    };
    const Expected steps[] = {
            {{false, true, true}, false},  {{false, false, true}, false}, {{false, false, false}, true},
            {{false, false, false}, true}, {{true, true, true}, false},   {{true, true, true}, false},
    };
    for (int cycle = 0; cycle < 2; ++cycle) {
        for (int step = 1; step <= 6; ++step) {
            tickAllReels(3 + step);
            tickSequencer(1);
            const Expected &expected = steps[step - 1];
            QCOMPARE(m_machine->autostep(), qint16(step % 6));
            QCOMPARE(reelTimersEnabled(), expected.spinning);
            if (expected.judged) {
                const auto [yakumei, tamaya] = judgementOf(topRowIndex(m_machine->reel(1).position()),
                                                           topRowIndex(m_machine->reel(2).position()),
                                                           topRowIndex(m_machine->reel(3).position()));
                QCOMPARE(judgementLabel(), yakumei);
                QCOMPARE(m_machine->tamaya(), tamaya);
            } else if (step >= 5) {
                QCOMPARE(judgementLabel(), QString());
                QVERIFY(!lampLit());
            } else if (cycle == 0) {
                // Auto start leaves the display alone until the clearing step.
                QCOMPARE(judgementLabel(), design);
            }
        }
    }
    QVERIFY(m_machine->isTimerEnabled(4));
}

void TestReelMachineAuto::cyclePositionSurvivesAutoStop()
{
    autoStart();
    tickAllReels(4);
    tickSequencer(2);
    m_machine->autoStop();
    QCOMPARE(m_machine->autostep(), qint16(2));

    // The restart sets all three reels spinning and goes on at step 3: the
    // right reel stops and the pattern is judged while the others spin.
    autoStart();
    QCOMPARE(reelTimersEnabled(), (QList<bool> {true, true, true}));
    tickAllReels(5);
    tickSequencer(1);
    QCOMPARE(m_machine->autostep(), qint16(3));
    QCOMPARE(reelTimersEnabled(), (QList<bool> {true, true, false}));
    const QList<int> firstJudged {m_machine->r1jyoudan(), m_machine->r2jyoudan(), m_machine->r3jyoudan()};
    QCOMPARE(firstJudged[0], topRowIndex(m_machine->reel(1).position()));

    tickAllReels(2);
    tickSequencer(1);
    QCOMPARE(m_machine->autostep(), qint16(4));
    const QList<int> secondJudged {m_machine->r1jyoudan(), m_machine->r2jyoudan(), m_machine->r3jyoudan()};
    QVERIFY(secondJudged[0] != firstJudged[0]);
    QCOMPARE(secondJudged[2], firstJudged[2]);
    const auto [yakumei, tamaya] = judgementOf(secondJudged[0], secondJudged[1], secondJudged[2]);
    QCOMPARE(judgementLabel(), yakumei);

    tickSequencer(3);
    QCOMPARE(m_machine->autostep(), qint16(1));
    QCOMPARE(reelTimersEnabled(), (QList<bool> {false, true, true}));
}

void TestReelMachineAuto::autoStopKeepsTheDisplay_data()
{
    QTest::addColumn<int>("steps");
    QTest::addColumn<bool>("showsResult");
    QTest::newRow("after step 3") << 3 << true;
    QTest::newRow("after step 4") << 4 << true;
    QTest::newRow("after step 5") << 5 << false;
    QTest::newRow("after step 6") << 6 << false;
}

void TestReelMachineAuto::autoStopKeepsTheDisplay()
{
    QFETCH(int, steps);
    QFETCH(bool, showsResult);
    autoStart();
    for (int i = 0; i < steps; ++i) {
        tickAllReels(2);
        tickSequencer(1);
    }
    const QList<qint16> positions {m_machine->reel(1).position(), m_machine->reel(2).position(),
                                   m_machine->reel(3).position()};
    m_machine->autoStop();
    QCOMPARE(judgementLabel(), showsResult ? m_machine->yakumei() : QString());
    QCOMPARE(lampLit(), showsResult && m_machine->tamaya() == winMarkText);
    tickAllReels(3);
    QCOMPARE((QList<qint16> {m_machine->reel(1).position(), m_machine->reel(2).position(),
                             m_machine->reel(3).position()}),
             positions);
    QVERIFY(!enabled(Stop1) && enabled(Start));
}

void TestReelMachineAuto::lampFromManualPlayStaysUntilTheClearingStep()
{
    // Steps that leave the new window's winning pattern (1, 1, 1) lit.
    m_machine->stepDown(1);
    m_machine->stepUp(1);
    QVERIFY(lampLit());

    autoStart();
    QVERIFY(lampLit());
    // Spin the reels to a pattern without the win mark before the right
    // reel stops at step 3; the switching form leaves the lamp alone.
    tickSequencer(1);
    tickAllReels(1);
    tickSequencer(1);
    int ticks = 0;
    while (judgementOf(topRowIndex(m_machine->reel(1).position()), topRowIndex(m_machine->reel(2).position()),
                       topRowIndex(m_machine->reel(3).position()))
                           .second
                   == winMarkText
           && ticks < 21) {
        tickAllReels(1);
        ++ticks;
    }
    tickSequencer(1);
    QVERIFY(m_machine->tamaya().isEmpty());
    QCOMPARE(judgementLabel(), m_machine->yakumei());
    QVERIFY(lampLit());
    tickSequencer(1);
    QVERIFY(lampLit());
    tickSequencer(1);
    QVERIFY(!lampLit());
}

QTEST_GUILESS_MAIN(TestReelMachineAuto)
#include "tst_reelmachineauto.moc"
