#include "mainwindowfixture.h"

#include "platform/formbutton.h"
#include "platform/formtimer.h"
#include "platform/picturebox.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace sorvex;

namespace {

// What the machine is doing when a control is used.
enum class Phase { AtRest, Spinning, AutoMode };

// Each reel's position and stop flag, and the sequencer's step: enough to
// tell which reel and which handler a click or tick reached.
struct Footprint
{
    QList<int> positions;
    QList<int> stopped;
    int autostep;
    bool sequencerEnabled;

    bool operator==(const Footprint &) const = default;
};

Footprint footprint(const ReelMachine &machine)
{
    Footprint print {{}, {}, machine.autostep(), machine.isTimerEnabled(ReelMachine::sequencerTimer)};
    for (int reel = 1; reel <= ReelMachine::reelCount; ++reel) {
        print.positions.append(machine.reel(reel).position());
        print.stopped.append(machine.stopped(reel));
    }
    return print;
}

char *toString(const Footprint &print)
{
    return qstrdup(qPrintable(QStringLiteral("positions %1 %2 %3, stopped %4 %5 %6, autostep %7, sequencer %8")
                                      .arg(print.positions.value(0))
                                      .arg(print.positions.value(1))
                                      .arg(print.positions.value(2))
                                      .arg(print.stopped.value(0))
                                      .arg(print.stopped.value(1))
                                      .arg(print.stopped.value(2))
                                      .arg(print.autostep)
                                      .arg(print.sequencerEnabled ? "on" : "off")));
}

} // namespace

Q_DECLARE_METATYPE(Phase)
Q_DECLARE_METATYPE(Footprint)

// The main window's buttons and timers reach the right operation of the
// machine for the right reel, and the window shows what the machine says.
class TestRiruWiring : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyButtonAndTimerReachesItsHandler_data();
    void everyButtonAndTimerReachesItsHandler();
    void helpAndEndButtonsAreForwarded();
    void closeBoxAsksToEnd();
    void aConcealedJudgementShowsWhenRevealed();
    void badIntervalIsReportedInTheUsersTerms_data();
    void badIntervalIsReportedInTheUsersTerms();

private:
    void enter(Phase phase);
    void checkViewShowsTheMachine() const;

    std::unique_ptr<testing::MainWindowFixture> m_window;
};

void TestRiruWiring::init()
{
    m_window = std::make_unique<testing::MainWindowFixture>();
    m_window->riru().show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_window->riru()));
}

void TestRiruWiring::cleanup()
{
    m_window.reset();
}

void TestRiruWiring::enter(Phase phase)
{
    ReelMachine &machine = m_window->riru().machine();
    if (phase == Phase::Spinning)
        QVERIFY(machine.start(QStringLiteral("100")));
    else if (phase == Phase::AutoMode)
        QVERIFY(machine.autoStart(QStringLiteral("100"), QStringLiteral("1075")));
}

void TestRiruWiring::checkViewShowsTheMachine() const
{
    Riru &riru = m_window->riru();
    const ReelMachine &machine = riru.machine();
    const char *controls[] = {"cmstart", "r1stop", "r2stop", "r3stop",    "r1ue",     "r1sita", "r2ue",
                              "r2sita",  "r3ue",   "r3sita", "autostart", "autostop", "cmend"};
    for (int i = 0; i < machineControlCount; ++i) {
        const QWidget *button = m_window->control(controls[i]);
        QVERIFY2(button->isEnabled() == machine.isEnabled(MachineControl(i)), controls[i]);
    }
    for (int n = 1; n <= ReelMachine::timerCount; ++n) {
        QCOMPARE(riru.timer(n)->isEnabled(), machine.isTimerEnabled(n));
        QCOMPARE(riru.timer(n)->interval(), machine.timerInterval(n));
    }
    for (int reel = 1; reel <= ReelMachine::reelCount; ++reel)
        QCOMPARE(riru.image(reel)->top(), machine.pictureTop(reel));
    QCOMPARE(riru.image(4)->isVisibleTo(&riru), machine.isLampLit());
    QCOMPARE(m_window->control<QLineEdit>("Text1")->text(), machine.boxText(IntervalBox::ReelSpeed));
    QCOMPARE(m_window->control<QLineEdit>("Text3")->text(), machine.boxText(IntervalBox::Sequencer));
}

void TestRiruWiring::everyButtonAndTimerReachesItsHandler_data()
{
    QTest::addColumn<Phase>("phase");
    QTest::addColumn<QString>("control");
    QTest::addColumn<Footprint>("after");
    QTest::addColumn<QString>("focus");
    // Reels stand at position 0 until something moves them; ▲ takes stop 21
    // (position 0) to 20 and ▼ to 1.
    const QList<int> none {0, 0, 0};
    QTest::newRow("cmstart") << Phase::AtRest << "cmstart" << Footprint {none, none, 0, false} << "r1stop";
    QTest::newRow("r1stop") << Phase::Spinning << "r1stop" << Footprint {none, {1, 0, 0}, 0, false} << "r2stop";
    QTest::newRow("r2stop") << Phase::Spinning << "r2stop" << Footprint {none, {0, 1, 0}, 0, false} << "";
    QTest::newRow("r3stop") << Phase::Spinning << "r3stop" << Footprint {none, {0, 0, 1}, 0, false} << "";
    QTest::newRow("r1ue") << Phase::AtRest << "r1ue" << Footprint {{20, 0, 0}, none, 0, false} << "";
    QTest::newRow("r1sita") << Phase::AtRest << "r1sita" << Footprint {{1, 0, 0}, none, 0, false} << "";
    QTest::newRow("r2ue") << Phase::AtRest << "r2ue" << Footprint {{0, 20, 0}, none, 0, false} << "";
    QTest::newRow("r2sita") << Phase::AtRest << "r2sita" << Footprint {{0, 1, 0}, none, 0, false} << "";
    QTest::newRow("r3ue") << Phase::AtRest << "r3ue" << Footprint {{0, 0, 20}, none, 0, false} << "";
    QTest::newRow("r3sita") << Phase::AtRest << "r3sita" << Footprint {{0, 0, 1}, none, 0, false} << "";
    QTest::newRow("autostart") << Phase::AtRest << "autostart" << Footprint {none, none, 0, true} << "autostop";
    QTest::newRow("autostop") << Phase::AutoMode << "autostop" << Footprint {none, none, 0, false} << "autostart";
    QTest::newRow("Timer1") << Phase::Spinning << "Timer1" << Footprint {{1, 0, 0}, none, 0, false} << "";
    QTest::newRow("Timer2") << Phase::Spinning << "Timer2" << Footprint {{0, 1, 0}, none, 0, false} << "";
    QTest::newRow("Timer3") << Phase::Spinning << "Timer3" << Footprint {{0, 0, 1}, none, 0, false} << "";
    QTest::newRow("Timer4") << Phase::AutoMode << "Timer4" << Footprint {none, none, 1, true} << "";
}

void TestRiruWiring::everyButtonAndTimerReachesItsHandler()
{
    QFETCH(Phase, phase);
    QFETCH(QString, control);
    QFETCH(Footprint, after);
    QFETCH(QString, focus);
    enter(phase);
    Riru &riru = m_window->riru();
    if (auto *timer = riru.findChild<FormTimer *>(control)) {
        QVERIFY(timer->isEnabled());
        emit timer->tick();
    } else {
        auto *button = riru.findChild<FormButton *>(control);
        QVERIFY(button && button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QCOMPARE(footprint(riru.machine()), after);
    if (!focus.isEmpty())
        QCOMPARE(riru.focusWidget()->objectName(), focus);
    checkViewShowsTheMachine();
}

void TestRiruWiring::helpAndEndButtonsAreForwarded()
{
    Riru &riru = m_window->riru();
    QSignalSpy sousa(&riru, &Riru::cmsousaClicked);
    QSignalSpy kaisetu(&riru, &Riru::cmkaisetuClicked);
    QSignalSpy readme(&riru, &Riru::command9Clicked);
    QSignalSpy end(&riru, &Riru::endRequested);
    enter(Phase::Spinning);
    // Never disabled, also during a spin.
    QTest::mouseClick(m_window->control("Cmsousa"), Qt::LeftButton);
    QTest::mouseClick(m_window->control("Cmkaisetu"), Qt::LeftButton);
    QTest::mouseClick(m_window->control("Command9"), Qt::LeftButton);
    QTest::mouseClick(m_window->control("Command9"), Qt::LeftButton);
    QCOMPARE((QList<qsizetype> {sousa.size(), kaisetu.size(), readme.size(), end.size()}),
             (QList<qsizetype> {1, 1, 2, 0}));
    QCOMPARE(footprint(riru.machine()).stopped, (QList<int> {0, 0, 0}));

    riru.machine().autoStart(QString(), QString());
    riru.machine().autoStop();
    QTest::mouseClick(m_window->control("cmend"), Qt::LeftButton);
    QCOMPARE(end.size(), 1);
    QCOMPARE((QList<qsizetype> {sousa.size(), kaisetu.size(), readme.size()}), (QList<qsizetype> {1, 1, 2}));
}

void TestRiruWiring::closeBoxAsksToEnd()
{
    QSignalSpy end(&m_window->riru(), &Riru::endRequested);
    m_window->riru().close();
    QCOMPARE(end.size(), 1);
}

void TestRiruWiring::aConcealedJudgementShowsWhenRevealed()
{
    Riru &riru = m_window->riru();
    const QLabel *label = m_window->control<QLabel>("lbyakumei");
    riru.setJudgementConcealed(true);
    QCOMPARE(label->text(), QString());
    // ▲ then ▼ on the left reel: (1, 1, 1), a win, judged but not shown.
    QTest::mouseClick(m_window->control("r1ue"), Qt::LeftButton);
    QTest::mouseClick(m_window->control("r1sita"), Qt::LeftButton);
    QVERIFY(riru.machine().isLampLit());
    QCOMPARE(label->text(), QString());
    QVERIFY(!riru.image(4)->isVisibleTo(&riru));

    riru.setJudgementConcealed(false);
    QCOMPARE(label->text(), riru.machine().yakumei());
    QVERIFY(riru.image(4)->isVisibleTo(&riru));
    checkViewShowsTheMachine();
}

void TestRiruWiring::badIntervalIsReportedInTheUsersTerms_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("button");
    QTest::newRow("speed, start") << "Text1"
                                  << "Label1"
                                  << "cmstart";
    QTest::newRow("speed, auto start") << "Text1"
                                       << "Label1"
                                       << "autostart";
    QTest::newRow("sequencer, auto start") << "Text3"
                                           << "Label4"
                                           << "autostart";
}

void TestRiruWiring::badIntervalIsReportedInTheUsersTerms()
{
    QFETCH(QString, box);
    QFETCH(QString, caption);
    QFETCH(QString, button);
    auto *edit = m_window->riru().findChild<QLineEdit *>(box);
    const QString before = edit->text();
    edit->setText(QStringLiteral("fast"));
    QTest::mouseClick(m_window->riru().findChild<QWidget *>(button), Qt::LeftButton);

    QCOMPARE(m_window->messages().prompts().size(), 1);
    const QString prompt = m_window->messages().prompts().first();
    QVERIFY2(prompt.contains(m_window->riru().findChild<QLabel *>(caption)->text()), qPrintable(prompt));
    QVERIFY2(prompt.contains(QStringLiteral("0 から 32767")), qPrintable(prompt));
    // The user knows the box by its caption, not by an internal name, and
    // fractions are taken, so the message does not ask for whole numbers.
    QVERIFY2(!prompt.contains(box) && !prompt.contains(QStringLiteral("整数")), qPrintable(prompt));
    QCOMPARE(edit->text(), before);
    QVERIFY(m_window->riru().machine().isAtRest());
    checkViewShowsTheMachine();
}

QTEST_MAIN(TestRiruWiring)
#include "tst_riruwiring.moc"
