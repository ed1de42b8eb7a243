#include "mainwindowfixture.h"
#include "picturefolder.h"

#include "platform/formfont.h"
#include "platform/formtimer.h"
#include "platform/picturebox.h"
#include "platform/twips.h"
#include "reels/riru.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace sorvex;

// The main window as it opens: every control, the masking of the reels and
// the keyboard focus.
class TestRiruDesign : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controls_data();
    void controls();
    void windowFrame();
    void restingState();
    void buttonsAndBoxesCoverPicturesLabelsAndLines();
    void reelsShowOnlyThroughTheirOpenings();
    void tabCyclesThroughEnabledTabStops();
    void disablingTheFocusedButtonPassesTheFocusOn();
    void enterAndSpacePressTheFocusedButton_data();
    void enterAndSpacePressTheFocusedButton();

private:
    void click(const char *name) const { m_window->control<QPushButton>(name)->click(); }

    std::unique_ptr<testing::MainWindowFixture> m_window;
    Riru *m_riru = nullptr;
};

void TestRiruDesign::initTestCase()
{
    installFormFontSubstitutes();
}

void TestRiruDesign::init()
{
    m_window = std::make_unique<testing::MainWindowFixture>();
    m_riru = &m_window->riru();
}

void TestRiruDesign::cleanup()
{
    m_riru = nullptr;
    m_window.reset();
}

void TestRiruDesign::controls_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("enabled");
    const auto addRow = [](const char *name, const char *kind, const QString &caption, const QRect &twips,
                           double points, bool bold, bool enabled) {
        QTest::newRow(name) << QString::fromLatin1(kind) << caption << twips << points << bold << enabled;
    };
    addRow("Command4", "button", QStringLiteral("Sorvex  （順押し版）"), QRect(1320, 0, 5295, 615), 15.75, true, true);
    addRow("Command5", "button", QStringLiteral(""), QRect(1320, 600, 255, 4095), 0, false, false);
    addRow("Command6", "button", QStringLiteral(""), QRect(3000, 600, 255, 4095), 0, false, false);
    addRow("Command7", "button", QStringLiteral(""), QRect(4680, 600, 255, 4095), 0, false, false);
    addRow("Command8", "button", QStringLiteral(""), QRect(6360, 600, 255, 4095), 0, false, false);
    addRow("Command3", "button", QStringLiteral(""), QRect(1320, 4680, 5295, 1695), 0, false, false);
    addRow("r1stop", "button", QStringLiteral("stop"), QRect(1800, 4800, 975, 495), 14.25, true, false);
    addRow("r2stop", "button", QStringLiteral("stop"), QRect(3480, 4800, 975, 495), 14.25, true, false);
    addRow("r3stop", "button", QStringLiteral("stop"), QRect(5160, 4800, 975, 495), 14.25, true, false);
    addRow("r1ue", "button", QStringLiteral("▲"), QRect(1800, 5400, 975, 375), 18.0, false, true);
    addRow("r2ue", "button", QStringLiteral("▲"), QRect(3480, 5400, 975, 375), 18.0, false, true);
    addRow("r3ue", "button", QStringLiteral("▲"), QRect(5160, 5400, 975, 375), 18.0, false, true);
    addRow("r1sita", "button", QStringLiteral("▼"), QRect(1800, 5880, 975, 375), 18.0, false, true);
    addRow("r2sita", "button", QStringLiteral("▼"), QRect(3480, 5880, 975, 375), 18.0, false, true);
    addRow("r3sita", "button", QStringLiteral("▼"), QRect(5160, 5880, 975, 375), 18.0, false, true);
    addRow("Label2(0)", "label", QStringLiteral("３MEDAL"), QRect(120, 720, 1095, 375), 11.25, true, true);
    addRow("Label2(1)", "label", QStringLiteral("２MEDAL"), QRect(120, 1560, 1095, 375), 11.25, true, true);
    addRow("Label2(2)", "label", QStringLiteral("１MEDAL"), QRect(120, 2400, 1095, 375), 11.25, true, true);
    addRow("Label2(3)", "label", QStringLiteral("２MEDAL"), QRect(120, 3240, 1095, 375), 11.25, true, true);
    addRow("Label2(4)", "label", QStringLiteral("３MEDAL"), QRect(120, 4080, 1095, 375), 11.25, true, true);
    addRow("cmstart", "button", QStringLiteral("start"), QRect(120, 4800, 1095, 495), 14.25, true, true);
    addRow("Label3", "label", QStringLiteral(" 設定     BIG "), QRect(6960, 120, 3255, 255), 9.0, true, true);
    addRow("Label7(0)", "label", QStringLiteral("   1     1/409.600"), QRect(6960, 360, 2895, 255), 9.0, true, true);
    addRow("Label7(1)", "label", QStringLiteral("   2     1/381.023"), QRect(6960, 600, 3375, 255), 9.0, true, true);
    addRow("Label7(2)", "label", QStringLiteral("   3     1/356.174"), QRect(6960, 840, 3375, 255), 9.0, true, true);
    addRow("Label7(3)", "label", QStringLiteral("   4     1/327.680"), QRect(6960, 1080, 3135, 255), 9.0, true, true);
    addRow("Label7(4)", "label", QStringLiteral("   5     1/277.695"), QRect(6960, 1320, 3015, 255), 9.0, true, true);
    addRow("Label7(5)", "label", QStringLiteral("   6     1/240.941"), QRect(6960, 1560, 2895, 255), 9.0, true, true);
    addRow("Label5", "label", QStringLiteral("解説"), QRect(6960, 2520, 1215, 255), 12.0, true, true);
    addRow("lbyakumei", "label", QStringLiteral("ＢＩＧじゃ～！！"), QRect(6840, 2940, 3135, 915), 14.25, true, true);
    addRow("Label1", "label", QStringLiteral("リール１コマのスピード"), QRect(6840, 4080, 2175, 255), 9.75, true, true);
    addRow("Text1", "text box", QStringLiteral("100"), QRect(9120, 3960, 855, 360), 15.75, true, true);
    addRow("Label4", "label", QStringLiteral("Ａutoの停止までの時間"), QRect(6840, 4560, 2295, 255), 9.75, true, true);
    addRow("Text3", "text box", QStringLiteral("1075"), QRect(9120, 4440, 855, 375), 15.75, true, true);
    addRow("autostart", "button", QStringLiteral("Auto_start"), QRect(6840, 4920, 1575, 375), 14.25, true, true);
    addRow("autostop", "button", QStringLiteral("Auto_stop"), QRect(6840, 5400, 1575, 375), 14.25, true, false);
    addRow("Command9", "button", QStringLiteral("Readme"), QRect(6840, 5880, 1575, 375), 14.25, true, true);
    addRow("Cmkaisetu", "button", QStringLiteral("解説の説明"), QRect(8520, 4920, 1455, 375), 11.25, true, true);
    addRow("Cmsousa", "button", QStringLiteral("操作の説明"), QRect(8520, 5400, 1455, 375), 12.0, true, true);
    addRow("cmend", "button", QStringLiteral("終了"), QRect(8520, 5880, 1455, 495), 14.25, true, true);
}

void TestRiruDesign::controls()
{
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    QFETCH(QRect, twips);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(bool, enabled);

    const QString name = QString::fromLatin1(QTest::currentDataTag());
    const auto matches = m_riru->findChildren<QWidget *>(name);
    QCOMPARE(matches.size(), 1);
    QWidget *control = matches.first();
    QCOMPARE(control->geometry(), twipsRect(twips));
    QCOMPARE(control->isEnabled(), enabled);
    QVERIFY(control->isVisibleTo(m_riru));
    if (kind == QLatin1String("button"))
        QCOMPARE(qobject_cast<QPushButton *>(control)->text(), caption);
    else if (kind == QLatin1String("label"))
        QCOMPARE(qobject_cast<QLabel *>(control)->text(), caption);
    else
        QCOMPARE(qobject_cast<QLineEdit *>(control)->text(), caption);
    if (points > 0) {
        QCOMPARE(control->font().family(), formFontFamily());
        QCOMPARE(control->font().pointSizeF(), points);
        QCOMPARE(control->font().weight(), bold ? QFont::Bold : QFont::Normal);
        QVERIFY(!control->font().italic() && !control->font().underline() && !control->font().strikeOut());
    }
}

void TestRiruDesign::windowFrame()
{
    QCOMPARE(m_riru->objectName(), QStringLiteral("riru"));
    QCOMPARE(m_riru->size(), QSize(671, 425));
    QCOMPARE(m_riru->minimumSize(), m_riru->maximumSize());
    QVERIFY(m_riru->windowTitle().isEmpty());
    const Qt::WindowFlags flags = m_riru->windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
}

void TestRiruDesign::restingState()
{
    for (int n = 1; n <= 4; ++n) {
        QVERIFY(!m_riru->timer(n)->isEnabled());
        QVERIFY(!m_riru->timer(n)->isRunning());
    }
    QCOMPARE(m_riru->timer(1)->interval(), 200);
    QCOMPARE(m_riru->timer(4)->interval(), 1200);
    for (int n = 1; n <= 3; ++n) {
        QCOMPARE(m_riru->image(n)->top(), -20280.0);
        QCOMPARE(m_riru->image(n)->pictureSize(), QSize(100, 1660));
        QCOMPARE(m_riru->machine().reel(n).position(), qint16(0));
    }
    QVERIFY(!m_riru->image(4)->isVisibleTo(m_riru));
    QCOMPARE(m_riru->image(4)->pictureRect(), twipsRect(8400, 1920, 1500, 975));
    QCOMPARE(m_riru->machine().autostep(), qint16(0));
    QVERIFY(m_riru->machine().yakumei().isEmpty());
    QCOMPARE(m_riru->focusWidget(), m_riru->findChild<QWidget *>(QStringLiteral("cmstart")));
    // The design's lines exist as controls of their own.
    for (const char *line : {"Line1", "Line2", "Line7", "Line9", "Line10", "Line11", "Line12", "Line13", "Line14",
                             "Line15", "Line16", "Line17", "Line18"})
        QVERIFY2(m_riru->findChild<QWidget *>(QString::fromLatin1(line)), line);
}

void TestRiruDesign::buttonsAndBoxesCoverPicturesLabelsAndLines()
{
    // Children stack in creation order: later ones lie in front.
    const QObjectList children = m_riru->children();
    qsizetype lastBackground = -1;
    qsizetype firstForeground = children.size();
    for (qsizetype i = 0; i < children.size(); ++i) {
        if (!children[i]->isWidgetType())
            continue;
        const bool foreground = qobject_cast<QAbstractButton *>(children[i]) || qobject_cast<QLineEdit *>(children[i]);
        if (foreground)
            firstForeground = std::min(firstForeground, i);
        else
            lastBackground = i;
    }
    QVERIFY(lastBackground < firstForeground);
    const qsizetype panel = children.indexOf(m_riru->findChild<QObject *>(QStringLiteral("Command3")));
    for (const char *name : {"r1stop", "r2stop", "r3stop", "r1ue", "r2ue", "r3ue", "r1sita", "r2sita", "r3sita"})
        QVERIFY2(children.indexOf(m_riru->findChild<QObject *>(QString::fromLatin1(name))) > panel, name);
}

void TestRiruDesign::reelsShowOnlyThroughTheirOpenings()
{
    // The openings between the bars, banner and lower panel, in pixels.
    const QRect openings[] = {QRect(105, 41, 95, 271), QRect(217, 41, 95, 271), QRect(329, 41, 95, 271)};
    const int upperFrame = twipsToPixels(1200);
    const int lowerFrame = twipsToPixels(4080);
    const QRgb strip = testing::PictureFolder::stripColour.rgb();
    for (int step = 0; step <= 21; ++step) {
        const QImage shot = m_riru->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                const bool inOpening = std::any_of(std::begin(openings), std::end(openings),
                                                   [&](const QRect &r) { return r.contains(x, y); });
                const bool reelPixel = shot.pixel(x, y) == strip;
                // Between the frame lines the three rows are always all reel.
                const bool mustShowReel = inOpening && y > upperFrame && y < lowerFrame;
                if ((reelPixel && !inOpening) || (mustShowReel && !reelPixel)) {
                    QFAIL(qPrintable(QStringLiteral("position %1: pixel %2,%3")
                                             .arg(m_riru->machine().reel(1).position())
                                             .arg(x)
                                             .arg(y)));
                }
            }
        }
        for (const char *down : {"r1sita", "r2sita", "r3sita"})
            click(down);
    }
}

void TestRiruDesign::tabCyclesThroughEnabledTabStops()
{
    QVERIFY(m_window->showActive());
    const auto focusAfterTabs = [this](int tabs) {
        for (int i = 0; i < tabs; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return QApplication::focusWidget()->objectName();
    };
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmstart"));
    QCOMPARE(focusAfterTabs(1), QStringLiteral("Command9"));
    QCOMPARE(focusAfterTabs(1), QStringLiteral("cmstart"));

    click("cmstart");
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("r1stop"));
    QCOMPARE(focusAfterTabs(1), QStringLiteral("r2stop"));
    QCOMPARE(focusAfterTabs(1), QStringLiteral("r3stop"));
    QCOMPARE(focusAfterTabs(1), QStringLiteral("Command9"));
    QCOMPARE(focusAfterTabs(1), QStringLiteral("r1stop"));
}

void TestRiruDesign::disablingTheFocusedButtonPassesTheFocusOn()
{
    QVERIFY(m_window->showActive());
    click("cmstart");
    click("r1stop");
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("r2stop"));
    click("r2stop");
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("r3stop"));
    click("r3stop");
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command9"));
}

void TestRiruDesign::enterAndSpacePressTheFocusedButton_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void TestRiruDesign::enterAndSpacePressTheFocusedButton()
{
    QFETCH(int, key);
    QVERIFY(m_window->showActive());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QVERIFY(m_riru->timer(1)->isEnabled());
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("r1stop"));
    for (int reel = 1; reel <= 3; ++reel)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(m_riru->machine().timgoukei(), qint16(3));
    QVERIFY(!m_riru->timer(3)->isEnabled());
}

QTEST_MAIN(TestRiruDesign)
#include "tst_rirudesign.moc"
