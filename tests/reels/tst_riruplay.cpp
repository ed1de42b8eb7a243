#include "judgementoracle.h"
#include "messagerecorder.h"
#include "picturefolder.h"

#include "platform/formtimer.h"
#include "platform/picturebox.h"
#include "reels/riru.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace sorvex;
using sorvex::testing::judgementOf;
using sorvex::testing::topRowIndex;

// Manual play: start, reel ticks, stops in any order, the step buttons, the
// two forms of the result display and the speed box.
class TestRiruPlay : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void stopsInAnyOrderFollowTheStateTable_data();
    void stopsInAnyOrderFollowTheStateTable();
    void startClearsTheDisplayAndKeepsTheJudgement();
    void speedBox_data();
    void speedBox();
    void badSpeedLeavesTheWindowAtRest_data();
    void badSpeedLeavesTheWindowAtRest();
    void stepsFromStartUp_data();
    void stepsFromStartUp();
    void twentyOneStepsComeBackToTheSameJudgement_data();
    void twentyOneStepsComeBackToTheSameJudgement();
    void settingFormTurnsTheLampOffAndOn();
    void judgementObjectsAreCreatedOnFirstUseAndKept();
    void endButtonAndCloseBoxAskToEnd();
    void helpButtonsAreForwarded();

private:
    QWidget *control(const char *name) const;
    QString text(const char *name) const;
    bool enabled(const char *name) const { return control(name)->isEnabled(); }
    bool lampLit() const { return m_riru->image(4)->isVisibleTo(m_riru.get()); }
    void checkShowsJudgementOfPositions() const;

    std::unique_ptr<testing::PictureFolder> m_folder;
    std::unique_ptr<Riru> m_riru;
    std::unique_ptr<testing::MessageRecorder> m_recorder;
};

QWidget *TestRiruPlay::control(const char *name) const
{
    QWidget *widget = m_riru->findChild<QWidget *>(QString::fromLatin1(name));
    Q_ASSERT(widget);
    return widget;
}

QString TestRiruPlay::text(const char *name) const
{
    if (auto *label = qobject_cast<QLabel *>(control(name)))
        return label->text();
    return qobject_cast<QLineEdit *>(control(name))->text();
}

void TestRiruPlay::init()
{
    m_recorder = std::make_unique<testing::MessageRecorder>();
    m_folder = std::make_unique<testing::PictureFolder>();
    m_riru = std::make_unique<Riru>();
    m_riru->loadPictures();
}

void TestRiruPlay::cleanup()
{
    m_riru.reset();
    m_folder.reset();
    m_recorder.reset();
}

void TestRiruPlay::checkShowsJudgementOfPositions() const
{
    const auto [yakumei, tamaya]
            = judgementOf(topRowIndex(m_riru->reel(1).position()), topRowIndex(m_riru->reel(2).position()),
                          topRowIndex(m_riru->reel(3).position()));
    QCOMPARE(m_riru->yakumei(), yakumei);
    QCOMPARE(m_riru->tamaya(), tamaya);
    QCOMPARE(text("lbyakumei"), yakumei);
}

void TestRiruPlay::stopsInAnyOrderFollowTheStateTable_data()
{
    QTest::addColumn<QList<int>>("order");
    QTest::addColumn<QList<int>>("ticks");
    QTest::newRow("left, middle, right") << QList<int> {1, 2, 3} << QList<int> {3, 7, 12};
    QTest::newRow("right, left, middle") << QList<int> {3, 1, 2} << QList<int> {21, 22, 40};
    QTest::newRow("middle, right, left") << QList<int> {2, 3, 1} << QList<int> {0, 1, 20};
    QTest::newRow("right, middle, left") << QList<int> {3, 2, 1} << QList<int> {5, 5, 5};
}

void TestRiruPlay::stopsInAnyOrderFollowTheStateTable()
{
    QFETCH(QList<int>, order);
    QFETCH(QList<int>, ticks);
    const char *restingButtons[]
            = {"cmstart", "cmend", "autostart", "r1ue", "r1sita", "r2ue", "r2sita", "r3ue", "r3sita"};
    const char *stopButtons[] = {"r1stop", "r2stop", "r3stop"};

    m_riru->cmstartClick();
    QCOMPARE(m_riru->timint(), qint16(100));
    QCOMPARE(text("lbyakumei"), QString());
    for (int reel = 1; reel <= 3; ++reel) {
        QCOMPARE(m_riru->timer(reel)->interval(), 100);
        for (int i = 0; i < ticks[reel - 1]; ++i)
            m_riru->reelTick(reel);
        // A spin from start-up runs 1, 2, ..., 21 (kept as 0), 1, ...
        QCOMPARE(topRowIndex(m_riru->reel(reel).position()), topRowIndex(ticks[reel - 1] % 21));
    }

    QList<int> stillSpinning {1, 2, 3};
    for (int k = 0; k < 3; ++k) {
        for (const char *name : restingButtons)
            QVERIFY2(!enabled(name), name);
        QVERIFY(!enabled("autostop"));
        QVERIFY(enabled("Cmsousa") && enabled("Cmkaisetu") && enabled("Command9"));
        for (int reel = 1; reel <= 3; ++reel) {
            const bool spinning = stillSpinning.contains(reel);
            QCOMPARE(m_riru->timer(reel)->isEnabled(), spinning);
            QCOMPARE(enabled(stopButtons[reel - 1]), spinning);
        }
        QCOMPARE(text("lbyakumei"), QString());

        m_riru->stopClick(order[k]);
        stillSpinning.removeOne(order[k]);
        QCOMPARE(m_riru->timgoukei(), qint16(k + 1));
        QCOMPARE(m_riru->stopped(order[k]), qint16(1));
        // A stopped reel stays where its last tick left it.
        const qint16 position = m_riru->reel(order[k]).position();
        for (int reel : stillSpinning)
            m_riru->reelTick(reel);
        QCOMPARE(m_riru->reel(order[k]).position(), position);
    }

    for (const char *name : restingButtons)
        QVERIFY2(enabled(name), name);
    for (const char *name : stopButtons)
        QVERIFY2(!enabled(name), name);
    QVERIFY(!enabled("autostop"));
    for (int reel = 1; reel <= 3; ++reel)
        QVERIFY(!m_riru->timer(reel)->isEnabled());
    checkShowsJudgementOfPositions();
    QCOMPARE(lampLit(), m_riru->tamaya() == QLatin1String("WIN"));
}

void TestRiruPlay::startClearsTheDisplayAndKeepsTheJudgement()
{
    // (1, 1, 1), the pattern of a new window, is a win.
    m_riru->cmstartClick();
    for (int reel = 1; reel <= 3; ++reel) {
        for (int i = 0; i < 21; ++i)
            m_riru->reelTick(reel);
        m_riru->stopClick(reel);
    }
    QCOMPARE(m_riru->tamaya(), QStringLiteral("WIN"));
    QVERIFY(lampLit());
    const QString judged = m_riru->yakumei();

    m_riru->cmstartClick();
    QVERIFY(!lampLit());
    QCOMPARE(text("lbyakumei"), QString());
    QCOMPARE(m_riru->yakumei(), judged);
    QCOMPARE(m_riru->timgoukei(), qint16(3));
    QCOMPARE(m_riru->stopped(1), qint16(0));
}

void TestRiruPlay::speedBox_data()
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

void TestRiruPlay::speedBox()
{
    QFETCH(QString, typed);
    QFETCH(int, timint);
    QFETCH(QString, shown);
    qobject_cast<QLineEdit *>(control("Text1"))->setText(typed);
    m_riru->cmstartClick();
    QCOMPARE(int(m_riru->timint()), timint);
    QCOMPARE(text("Text1"), shown);
    for (int reel = 1; reel <= 3; ++reel) {
        QCOMPARE(m_riru->timer(reel)->interval(), timint);
        QVERIFY(m_riru->timer(reel)->isRunning());
    }
    QVERIFY(m_recorder->prompts().isEmpty());
}

void TestRiruPlay::badSpeedLeavesTheWindowAtRest_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("letters") << QStringLiteral("fast");
    QTest::newRow("negative") << QStringLiteral("-35");
    QTest::newRow("beyond 16 bits") << QStringLiteral("40000");
    QTest::newRow("rounds past 32767") << QStringLiteral("32767.5");
}

void TestRiruPlay::badSpeedLeavesTheWindowAtRest()
{
    QFETCH(QString, typed);
    auto *box = qobject_cast<QLineEdit *>(control("Text1"));
    // A good start first, so that the box has a last valid value of its own.
    box->setText(QStringLiteral("35"));
    m_riru->cmstartClick();
    for (int reel = 1; reel <= 3; ++reel)
        m_riru->stopClick(reel);
    const QString judged = text("lbyakumei");

    for (const auto start : {&Riru::cmstartClick, &Riru::autostartClick}) {
        m_recorder->clear();
        box->setText(typed);
        (m_riru.get()->*start)();
        QCOMPARE(m_recorder->prompts().size(), 1);
        QVERIFY(m_recorder->prompts().first().contains(text("Label1")));
        QVERIFY(m_recorder->prompts().first().contains(QStringLiteral("32767")));
        QCOMPARE(box->text(), QStringLiteral("35"));
        QCOMPARE(m_riru->timint(), qint16(35));
        for (int n = 1; n <= 4; ++n)
            QVERIFY(!m_riru->timer(n)->isEnabled());
        for (const char *name : {"cmstart", "cmend", "autostart", "r1ue", "r3sita"})
            QVERIFY2(enabled(name), name);
        QVERIFY(!enabled("r1stop") && !enabled("autostop"));
        QCOMPARE(text("lbyakumei"), judged);
    }
}

void TestRiruPlay::stepsFromStartUp_data()
{
    QTest::addColumn<int>("reel");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QList<int>>("pattern");
    QTest::newRow("left down") << 1 << false << QList<int> {21, 1, 1};
    QTest::newRow("left up") << 1 << true << QList<int> {2, 1, 1};
    QTest::newRow("middle down") << 2 << false << QList<int> {1, 21, 1};
    QTest::newRow("right up") << 3 << true << QList<int> {1, 1, 2};
}

void TestRiruPlay::stepsFromStartUp()
{
    QFETCH(int, reel);
    QFETCH(bool, up);
    QFETCH(QList<int>, pattern);
    up ? m_riru->ueClick(reel) : m_riru->sitaClick(reel);
    QCOMPARE((QList<int> {m_riru->r1jyoudan(), m_riru->r2jyoudan(), m_riru->r3jyoudan()}), pattern);
    const auto [yakumei, tamaya] = judgementOf(pattern[0], pattern[1], pattern[2]);
    QCOMPARE(text("lbyakumei"), yakumei);
    QCOMPARE(lampLit(), tamaya == QLatin1String("WIN"));
    // A step changes no button and no timer.
    QVERIFY(enabled("cmstart") && !enabled("r1stop") && !m_riru->timer(reel)->isEnabled());
}

void TestRiruPlay::twentyOneStepsComeBackToTheSameJudgement_data()
{
    QTest::addColumn<bool>("up");
    QTest::newRow("up") << true;
    QTest::newRow("down") << false;
}

void TestRiruPlay::twentyOneStepsComeBackToTheSameJudgement()
{
    QFETCH(bool, up);
    m_riru->sitaClick(2);
    m_riru->ueClick(3);
    const QString before = text("lbyakumei");
    const double top = m_riru->image(1)->top();
    QSet<int> seen;
    for (int i = 0; i < 21; ++i) {
        up ? m_riru->ueClick(1) : m_riru->sitaClick(1);
        seen.insert(m_riru->r1jyoudan());
        checkShowsJudgementOfPositions();
    }
    QCOMPARE(seen.size(), 21);
    QCOMPARE(text("lbyakumei"), before);
    QCOMPARE(topRowIndex(m_riru->reel(1).position()), 1);
    // Position 0 and 21 stand one full turn apart and show the same stop.
    QVERIFY(m_riru->image(1)->top() == top || std::abs(m_riru->image(1)->top() - top) == 21 * 975);
}

void TestRiruPlay::settingFormTurnsTheLampOffAndOn()
{
    m_riru->ueClick(1);
    m_riru->sitaClick(1);
    QCOMPARE(m_riru->tamaya(), QStringLiteral("WIN"));
    QVERIFY(lampLit());
    // Walk the right reel until a pattern without the win mark comes up.
    int steps = 0;
    while (m_riru->tamaya() == QLatin1String("WIN") && steps < 21) {
        m_riru->sitaClick(3);
        ++steps;
    }
    QVERIFY(m_riru->tamaya().isEmpty());
    QVERIFY(!lampLit());
    m_riru->ueClick(3);
    QCOMPARE(lampLit(), m_riru->tamaya() == QLatin1String("WIN"));
    for (int i = 1; i < steps; ++i)
        m_riru->ueClick(3);
    QVERIFY(lampLit());
}

void TestRiruPlay::judgementObjectsAreCreatedOnFirstUseAndKept()
{
    QVERIFY(!m_riru->subTables().existing(21));
    m_riru->sitaClick(1);
    const JudgementObject *first = m_riru->subTables().existing(21);
    QVERIFY(first);
    QVERIFY(!m_riru->subTables().existing(1));
    m_riru->ueClick(1);
    m_riru->sitaClick(1);
    QCOMPARE(m_riru->subTables().existing(21), first);
    QCOMPARE(first->r2jyoudan, qint16(1));
}

void TestRiruPlay::endButtonAndCloseBoxAskToEnd()
{
    QSignalSpy ends(m_riru.get(), &Riru::endRequested);
    qobject_cast<QPushButton *>(control("cmend"))->click();
    QCOMPARE(ends.size(), 1);
    m_riru->show();
    m_riru->close();
    QCOMPARE(ends.size(), 2);
}

void TestRiruPlay::helpButtonsAreForwarded()
{
    QSignalSpy sousa(m_riru.get(), &Riru::cmsousaClicked);
    QSignalSpy kaisetu(m_riru.get(), &Riru::cmkaisetuClicked);
    QSignalSpy readme(m_riru.get(), &Riru::command9Clicked);
    m_riru->cmstartClick();
    // Never disabled, also during a spin.
    qobject_cast<QPushButton *>(control("Cmsousa"))->click();
    qobject_cast<QPushButton *>(control("Cmkaisetu"))->click();
    qobject_cast<QPushButton *>(control("Command9"))->click();
    qobject_cast<QPushButton *>(control("Command9"))->click();
    QCOMPARE(sousa.size(), 1);
    QCOMPARE(kaisetu.size(), 1);
    QCOMPARE(readme.size(), 2);
}

QTEST_MAIN(TestRiruPlay)
#include "tst_riruplay.moc"
