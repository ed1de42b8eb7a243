#include "judgementoracle.h"
#include "messagerecorder.h"
#include "picturefolder.h"

#include "platform/formtimer.h"
#include "platform/picturebox.h"
#include "reels/riru.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>

using namespace sorvex;
using sorvex::testing::judgementOf;
using sorvex::testing::topRowIndex;

// Auto mode: the sequencer box, the six-step cycle driven tick by tick, and
// auto stop and restart at any point of the cycle.
class TestRiruAuto : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sequencerBox_data();
    void sequencerBox();
    void badSequencerTextLeavesTheWindowAtRest_data();
    void badSequencerTextLeavesTheWindowAtRest();
    void autoStartAndStopSwitchTheControls();
    void oneFullCycle();
    void cyclePositionSurvivesAutoStop();
    void autoStopKeepsTheDisplay_data();
    void autoStopKeepsTheDisplay();
    void lampFromManualPlayStaysUntilTheClearingStep();

private:
    QLineEdit *box(const char *name) const;
    QString judgementLabel() const;
    bool lampLit() const { return m_riru->image(4)->isVisibleTo(m_riru.get()); }
    bool enabled(const char *name) const;
    QList<bool> reelTimersEnabled() const;
    void tickAllReels(int times);
    void tickSequencer(int times);

    std::unique_ptr<testing::PictureFolder> m_folder;
    std::unique_ptr<Riru> m_riru;
    std::unique_ptr<testing::MessageRecorder> m_recorder;
};

QLineEdit *TestRiruAuto::box(const char *name) const
{
    return m_riru->findChild<QLineEdit *>(QString::fromLatin1(name));
}

QString TestRiruAuto::judgementLabel() const
{
    return m_riru->findChild<QLabel *>(QStringLiteral("lbyakumei"))->text();
}

bool TestRiruAuto::enabled(const char *name) const
{
    return m_riru->findChild<QWidget *>(QString::fromLatin1(name))->isEnabled();
}

QList<bool> TestRiruAuto::reelTimersEnabled() const
{
    return {m_riru->timer(1)->isEnabled(), m_riru->timer(2)->isEnabled(), m_riru->timer(3)->isEnabled()};
}

void TestRiruAuto::tickAllReels(int times)
{
    // What the platform would deliver: only enabled timers tick.
    for (int i = 0; i < times; ++i) {
        for (int reel = 1; reel <= 3; ++reel) {
            if (m_riru->timer(reel)->isEnabled())
                m_riru->reelTick(reel);
        }
    }
}

void TestRiruAuto::tickSequencer(int times)
{
    for (int i = 0; i < times; ++i)
        m_riru->timer4Tick();
}

void TestRiruAuto::init()
{
    m_recorder = std::make_unique<testing::MessageRecorder>();
    m_folder = std::make_unique<testing::PictureFolder>();
    m_riru = std::make_unique<Riru>();
    m_riru->loadPictures();
}

void TestRiruAuto::cleanup()
{
    m_riru.reset();
    m_folder.reset();
    m_recorder.reset();
}

void TestRiruAuto::sequencerBox_data()
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

void TestRiruAuto::sequencerBox()
{
    QFETCH(QString, typed);
    QFETCH(int, interval);
    QFETCH(QString, shown);
    QFETCH(bool, ticks);
    box("Text3")->setText(typed);
    m_riru->autostartClick();
    QCOMPARE(m_riru->timer(4)->interval(), interval);
    QCOMPARE(box("Text3")->text(), shown);
    QVERIFY(m_riru->timer(4)->isEnabled());
    QCOMPARE(m_riru->timer(4)->isRunning(), ticks);
    QCOMPARE(reelTimersEnabled(), (QList<bool> {true, true, true}));
    QVERIFY(m_recorder->prompts().isEmpty());
}

void TestRiruAuto::badSequencerTextLeavesTheWindowAtRest_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("letters") << QStringLiteral("1s");
    QTest::newRow("negative") << QStringLiteral("-1");
    QTest::newRow("beyond 16 bits") << QStringLiteral("99999");
}

void TestRiruAuto::badSequencerTextLeavesTheWindowAtRest()
{
    QFETCH(QString, typed);
    box("Text3")->setText(QStringLiteral("0"));
    m_riru->autostartClick();
    m_riru->autostopClick();
    QCOMPARE(box("Text3")->text(), QStringLiteral("950"));

    box("Text3")->setText(typed);
    // The speed box is fine, but nothing of it is applied either.
    box("Text1")->setText(QString());
    m_riru->autostartClick();
    QCOMPARE(box("Text1")->text(), QString());
    QCOMPARE(m_recorder->prompts().size(), 1);
    QVERIFY(m_recorder->prompts().first().contains(m_riru->findChild<QLabel *>(QStringLiteral("Label4"))->text()));
    QCOMPARE(box("Text3")->text(), QStringLiteral("950"));
    for (int n = 1; n <= 4; ++n)
        QVERIFY(!m_riru->timer(n)->isEnabled());
    QVERIFY(enabled("autostart") && enabled("cmstart") && !enabled("autostop"));
}

void TestRiruAuto::autoStartAndStopSwitchTheControls()
{
    m_riru->show();
    QApplication::setActiveWindow(m_riru.get());
    QVERIFY(QTest::qWaitForWindowActive(m_riru.get()));
    const char *resting[] = {"cmstart", "cmend", "r1ue", "r1sita", "r2ue", "r2sita", "r3ue", "r3sita"};

    m_riru->autostartClick();
    for (const char *name : resting)
        QVERIFY2(!enabled(name), name);
    QVERIFY(!enabled("autostart") && enabled("autostop"));
    QVERIFY(!enabled("r1stop") && !enabled("r2stop") && !enabled("r3stop"));
    QVERIFY(enabled("Cmsousa") && enabled("Cmkaisetu") && enabled("Command9"));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("autostop"));
    QCOMPARE(m_riru->timer(1)->interval(), 100);
    QCOMPARE(m_riru->timer(4)->interval(), 1075);

    m_riru->autostopClick();
    for (const char *name : resting)
        QVERIFY2(enabled(name), name);
    QVERIFY(enabled("autostart") && !enabled("autostop"));
    QVERIFY(!enabled("r1stop") && !enabled("r2stop") && !enabled("r3stop"));
    for (int n = 1; n <= 4; ++n)
        QVERIFY(!m_riru->timer(n)->isEnabled());
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("autostart"));
}

void TestRiruAuto::oneFullCycle()
{
    m_riru->autostartClick();
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
            QCOMPARE(m_riru->autostep(), qint16(step % 6));
            QCOMPARE(reelTimersEnabled(), expected.spinning);
            if (expected.judged) {
                const auto [yakumei, tamaya]
                        = judgementOf(topRowIndex(m_riru->reel(1).position()), topRowIndex(m_riru->reel(2).position()),
                                      topRowIndex(m_riru->reel(3).position()));
                QCOMPARE(judgementLabel(), yakumei);
                QCOMPARE(m_riru->tamaya(), tamaya);
            } else if (step >= 5) {
                QCOMPARE(judgementLabel(), QString());
                QVERIFY(!lampLit());
            } else if (cycle == 0) {
                // Auto start leaves the display alone until the clearing step.
                QCOMPARE(judgementLabel(), design);
            }
        }
    }
    QVERIFY(m_riru->timer(4)->isEnabled());
}

void TestRiruAuto::cyclePositionSurvivesAutoStop()
{
    m_riru->autostartClick();
    tickAllReels(4);
    tickSequencer(2);
    m_riru->autostopClick();
    QCOMPARE(m_riru->autostep(), qint16(2));

    // The restart sets all three reels spinning and goes on at step 3: the
    // right reel stops and the pattern is judged while the others spin.
    m_riru->autostartClick();
    QCOMPARE(reelTimersEnabled(), (QList<bool> {true, true, true}));
    tickAllReels(5);
    tickSequencer(1);
    QCOMPARE(m_riru->autostep(), qint16(3));
    QCOMPARE(reelTimersEnabled(), (QList<bool> {true, true, false}));
    const QList<int> firstJudged {m_riru->r1jyoudan(), m_riru->r2jyoudan(), m_riru->r3jyoudan()};
    QCOMPARE(firstJudged[0], topRowIndex(m_riru->reel(1).position()));

    tickAllReels(2);
    tickSequencer(1);
    QCOMPARE(m_riru->autostep(), qint16(4));
    const QList<int> secondJudged {m_riru->r1jyoudan(), m_riru->r2jyoudan(), m_riru->r3jyoudan()};
    QVERIFY(secondJudged[0] != firstJudged[0]);
    QCOMPARE(secondJudged[2], firstJudged[2]);
    const auto [yakumei, tamaya] = judgementOf(secondJudged[0], secondJudged[1], secondJudged[2]);
    QCOMPARE(judgementLabel(), yakumei);

    tickSequencer(3);
    QCOMPARE(m_riru->autostep(), qint16(1));
    QCOMPARE(reelTimersEnabled(), (QList<bool> {false, true, true}));
}

void TestRiruAuto::autoStopKeepsTheDisplay_data()
{
    QTest::addColumn<int>("steps");
    QTest::addColumn<bool>("showsResult");
    QTest::newRow("after step 3") << 3 << true;
    QTest::newRow("after step 4") << 4 << true;
    QTest::newRow("after step 5") << 5 << false;
    QTest::newRow("after step 6") << 6 << false;
}

void TestRiruAuto::autoStopKeepsTheDisplay()
{
    QFETCH(int, steps);
    QFETCH(bool, showsResult);
    m_riru->autostartClick();
    for (int i = 0; i < steps; ++i) {
        tickAllReels(2);
        tickSequencer(1);
    }
    const QList<qint16> positions {m_riru->reel(1).position(), m_riru->reel(2).position(), m_riru->reel(3).position()};
    m_riru->autostopClick();
    QCOMPARE(judgementLabel(), showsResult ? m_riru->yakumei() : QString());
    QCOMPARE(lampLit(), showsResult && m_riru->tamaya() == QLatin1String("WIN"));
    tickAllReels(3);
    QCOMPARE((QList<qint16> {m_riru->reel(1).position(), m_riru->reel(2).position(), m_riru->reel(3).position()}),
             positions);
    QVERIFY(!enabled("r1stop") && enabled("cmstart"));
}

void TestRiruAuto::lampFromManualPlayStaysUntilTheClearingStep()
{
    // Steps that leave the new window's winning pattern (1, 1, 1) lit.
    m_riru->sitaClick(1);
    m_riru->ueClick(1);
    QVERIFY(lampLit());

    m_riru->autostartClick();
    QVERIFY(lampLit());
    // Spin the reels to a pattern without the win mark before the right
    // reel stops at step 3; the switching form leaves the lamp alone.
    tickSequencer(1);
    tickAllReels(1);
    tickSequencer(1);
    int ticks = 0;
    while (judgementOf(topRowIndex(m_riru->reel(1).position()), topRowIndex(m_riru->reel(2).position()),
                       topRowIndex(m_riru->reel(3).position()))
                           .second
                   == QLatin1String("WIN")
           && ticks < 21) {
        tickAllReels(1);
        ++ticks;
    }
    tickSequencer(1);
    QVERIFY(m_riru->tamaya().isEmpty());
    QCOMPARE(judgementLabel(), m_riru->yakumei());
    QVERIFY(lampLit());
    tickSequencer(1);
    QVERIFY(lampLit());
    tickSequencer(1);
    QVERIFY(!lampLit());
}

QTEST_MAIN(TestRiruAuto)
#include "tst_riruauto.moc"
