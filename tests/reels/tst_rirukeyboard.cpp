#include "mainwindowfixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <memory>

using namespace sorvex;

namespace {

enum class Phase { AtRest, Spinning, AutoMode };

} // namespace

Q_DECLARE_METATYPE(Phase)

// Playing the main window from the keyboard: the keys that press start and
// the three stops, only while their buttons are enabled.
class TestRiruKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void keyPressesItsButtonOnlyWhenEnabled_data();
    void keyPressesItsButtonOnlyWhenEnabled();
    void theBoxesKeepTheirKeys();
    void toolTipsNameTheKeys();

private:
    std::unique_ptr<testing::MainWindowFixture> m_window;
};

void TestRiruKeyboard::init()
{
    m_window = std::make_unique<testing::MainWindowFixture>();
    QVERIFY(m_window->showActive());
}

void TestRiruKeyboard::cleanup()
{
    m_window.reset();
}

void TestRiruKeyboard::keyPressesItsButtonOnlyWhenEnabled_data()
{
    QTest::addColumn<Phase>("phase");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("spinsAfter");
    QTest::addColumn<QList<int>>("stoppedAfter");
    const QList<int> none {0, 0, 0};
    QTest::newRow("↑ at rest starts") << Phase::AtRest << int(Qt::Key_Up) << true << none;
    QTest::newRow("S at rest starts") << Phase::AtRest << int(Qt::Key_S) << true << none;
    QTest::newRow("← stops the left reel") << Phase::Spinning << int(Qt::Key_Left) << true << QList<int> {1, 0, 0};
    QTest::newRow("Z stops the left reel") << Phase::Spinning << int(Qt::Key_Z) << true << QList<int> {1, 0, 0};
    QTest::newRow("↓ stops the middle reel") << Phase::Spinning << int(Qt::Key_Down) << true << QList<int> {0, 1, 0};
    QTest::newRow("X stops the middle reel") << Phase::Spinning << int(Qt::Key_X) << true << QList<int> {0, 1, 0};
    QTest::newRow("→ stops the right reel") << Phase::Spinning << int(Qt::Key_Right) << true << QList<int> {0, 0, 1};
    QTest::newRow("C stops the right reel") << Phase::Spinning << int(Qt::Key_C) << true << QList<int> {0, 0, 1};
    QTest::newRow("← at rest: stop disabled") << Phase::AtRest << int(Qt::Key_Left) << false << none;
    QTest::newRow("↑ while spinning: start disabled") << Phase::Spinning << int(Qt::Key_Up) << true << none;
    QTest::newRow("S in auto mode: start disabled") << Phase::AutoMode << int(Qt::Key_S) << true << none;
    QTest::newRow("Z in auto mode: stop disabled") << Phase::AutoMode << int(Qt::Key_Z) << true << none;
}

void TestRiruKeyboard::keyPressesItsButtonOnlyWhenEnabled()
{
    QFETCH(Phase, phase);
    QFETCH(int, key);
    QFETCH(bool, spinsAfter);
    QFETCH(QList<int>, stoppedAfter);
    ReelMachine &machine = m_window->riru().machine();
    if (phase == Phase::Spinning)
        m_window->control<QAbstractButton>("cmstart")->click();
    else if (phase == Phase::AutoMode)
        m_window->control<QAbstractButton>("autostart")->click();
    const qint16 autostep = machine.autostep();

    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(machine.isTimerEnabled(1) || machine.isTimerEnabled(3), spinsAfter);
    QCOMPARE((QList<int> {machine.stopped(1), machine.stopped(2), machine.stopped(3)}), stoppedAfter);
    QCOMPARE(machine.isTimerEnabled(ReelMachine::sequencerTimer), phase == Phase::AutoMode);
    QCOMPARE(machine.autostep(), autostep);
}

void TestRiruKeyboard::theBoxesKeepTheirKeys()
{
    auto *box = m_window->control<QLineEdit>("Text1");
    box->setFocus();
    box->setCursorPosition(3);
    QTest::keyClick(box, Qt::Key_Left);
    QTest::keyClick(box, Qt::Key_Left);
    QCOMPARE(box->cursorPosition(), 1);
    QTest::keyClick(box, Qt::Key_Right);
    QCOMPARE(box->cursorPosition(), 2);
    QTest::keyClick(box, Qt::Key_Up);
    QTest::keyClick(box, Qt::Key_Down);
    QTest::keyClick(box, Qt::Key_S);
    QCOMPARE(box->text(), QStringLiteral("10s0"));
    QVERIFY(m_window->riru().machine().isAtRest());
    QCOMPARE(QApplication::focusWidget(), box);
}

void TestRiruKeyboard::toolTipsNameTheKeys()
{
    const QList<std::pair<const char *, QStringList>> keys
            = {{"cmstart", {"↑", "S"}}, {"r1stop", {"←", "Z"}}, {"r2stop", {"↓", "X"}}, {"r3stop", {"→", "C"}}};
    for (const auto &[button, names] : keys) {
        const QString tip = m_window->control(button)->toolTip();
        for (const QString &name : names)
            QVERIFY2(tip.contains(name), button);
    }
}

QTEST_MAIN(TestRiruKeyboard)
#include "tst_rirukeyboard.moc"
