#include "mainwindowfixture.h"

#include "quiz/quizwindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <memory>

using namespace sorvex;

namespace {

struct Heard
{
    QObject *object;
    QAccessible::Event type;
};

QList<Heard> heard;

void recordUpdate(QAccessibleEvent *event)
{
    heard.append({event->object(), event->type()});
}

} // namespace

// What a screen reader hears of the main window and the quiz.
class TestScreenReader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { QAccessible::installUpdateHandler(nullptr); }
    void init();
    void cleanup();

    void everyControlHasAName();
    void aRestingReelDescribesItsThreeSymbols_data();
    void aRestingReelDescribesItsThreeSymbols();
    void aSpinningReelIsDescribedWhenItStops();
    void everyJudgementIsAnnounced();
    void aConcealedJudgementIsSpokenOnlyWhenRevealed();
    void theQuizAnnouncesQuestionsAndAnswers();

private:
    QString accessibleText(QObject *object, QAccessible::Text which) const;

    std::unique_ptr<testing::MainWindowFixture> m_window;
};

void TestScreenReader::initTestCase()
{
    // Qt tells a screen reader of changes only while one listens; this
    // stands in for one, through the window system's bridge.
    QPlatformAccessibility *bridge = QGuiApplicationPrivate::platformIntegration()->accessibility();
    if (bridge)
        bridge->setActive(true);
    QAccessible::installUpdateHandler(recordUpdate);
}

void TestScreenReader::init()
{
    m_window = std::make_unique<testing::MainWindowFixture>();
    heard.clear();
}

void TestScreenReader::cleanup()
{
    m_window.reset();
}

QString TestScreenReader::accessibleText(QObject *object, QAccessible::Text which) const
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(which) : QString();
}

void TestScreenReader::everyControlHasAName()
{
    Riru &riru = m_window->riru();
    QList<QWidget *> widgets = riru.findChildren<QWidget *>();
    widgets.prepend(&riru);
    for (QWidget *widget : widgets)
        QVERIFY2(!accessibleText(widget, QAccessible::Name).isEmpty(), qPrintable(widget->objectName()));
    // Buttons that share a caption are told apart.
    QVERIFY(accessibleText(m_window->control("r1stop"), QAccessible::Name)
            != accessibleText(m_window->control("r2stop"), QAccessible::Name));
}

void TestScreenReader::aRestingReelDescribesItsThreeSymbols_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("description");
    // Top, middle and bottom row; a new window stands at top-row index 1.
    QTest::newRow("left at start-up") << ""
                                      << "Image1"
                                      << "赤７、チェリー、魚雷";
    QTest::newRow("left, one down") << "r1sita"
                                    << "Image1"
                                    << "リプレイ、赤７、チェリー";
    QTest::newRow("middle, one up") << "r2ue"
                                    << "Image2"
                                    << "チェリー、リプレイ、プラム";
    QTest::newRow("right, one down") << "r3sita"
                                     << "Image3"
                                     << "チェリー、赤７、プラム";
}

void TestScreenReader::aRestingReelDescribesItsThreeSymbols()
{
    QFETCH(QString, button);
    QFETCH(QString, picture);
    QFETCH(QString, description);
    if (!button.isEmpty() && !QAccessible::isActive())
        QSKIP("this window system has no bridge to screen readers");
    QObject *reel = m_window->riru().findChild<QWidget *>(picture);
    if (!button.isEmpty()) {
        m_window->riru().findChild<QAbstractButton *>(button)->click();
        QVERIFY(std::any_of(heard.begin(), heard.end(), [reel](const Heard &event) {
            return event.object == reel && event.type == QAccessible::DescriptionChanged;
        }));
    }
    QCOMPARE(accessibleText(reel, QAccessible::Description), description);
}

void TestScreenReader::aSpinningReelIsDescribedWhenItStops()
{
    ReelMachine &machine = m_window->riru().machine();
    QObject *left = m_window->control("Image1");
    machine.start(QStringLiteral("100"));
    heard.clear();
    machine.tick(1);
    machine.tick(1);
    QVERIFY(heard.isEmpty());
    m_window->control<QAbstractButton>("r1stop")->click();
    // Two ticks from stop 21 (index 1): index 20.
    QCOMPARE(accessibleText(left, QAccessible::Description), QStringLiteral("プラム、リプレイ、赤７"));
}

void TestScreenReader::everyJudgementIsAnnounced()
{
    if (!QAccessible::isActive())
        QSKIP("this window system has no bridge to screen readers");
    QObject *label = m_window->control("lbyakumei");
    // ▲ then ▼ on the left reel comes back to (1, 1, 1), a win.
    m_window->control<QAbstractButton>("r1ue")->click();
    heard.clear();
    m_window->control<QAbstractButton>("r1sita")->click();
    QVERIFY(std::any_of(heard.begin(), heard.end(), [label](const Heard &event) {
        return event.object == label && event.type == QAccessible::NameChanged;
    }));
    QCOMPARE(accessibleText(label, QAccessible::Name), QStringLiteral("ＢＩＧです。　適戦艦撃沈！　ＢＩＧ確定"));

    // A miss: the text alone.
    m_window->control<QAbstractButton>("r3sita")->click();
    const QString miss = accessibleText(label, QAccessible::Name);
    QVERIFY(!miss.contains(QStringLiteral("ＢＩＧ確定")));
    QCOMPARE(miss,
             m_window->control<QLabel>("lbyakumei")->text().replace(QStringLiteral("\r\n"), QStringLiteral("　")));

    m_window->control<QAbstractButton>("cmstart")->click();
    QCOMPARE(accessibleText(label, QAccessible::Name), QStringLiteral("判定なし"));
}

void TestScreenReader::aConcealedJudgementIsSpokenOnlyWhenRevealed()
{
    if (!QAccessible::isActive())
        QSKIP("this window system has no bridge to screen readers");
    QObject *label = m_window->control("lbyakumei");
    m_window->riru().setJudgementConcealed(true);
    m_window->control<QAbstractButton>("r1ue")->click();
    m_window->control<QAbstractButton>("r1sita")->click();
    const QString concealed = accessibleText(label, QAccessible::Name);
    QVERIFY(!concealed.contains(QStringLiteral("ＢＩＧ")));
    heard.clear();
    m_window->riru().setJudgementConcealed(false);
    QVERIFY(std::any_of(heard.begin(), heard.end(), [label](const Heard &event) {
        return event.object == label && event.type == QAccessible::NameChanged;
    }));
    QCOMPARE(accessibleText(label, QAccessible::Name), QStringLiteral("ＢＩＧです。　適戦艦撃沈！　ＢＩＧ確定"));
}

void TestScreenReader::theQuizAnnouncesQuestionsAndAnswers()
{
    if (!QAccessible::isActive())
        QSKIP("this window system has no bridge to screen readers");
    QuizWindow quiz(&m_window->riru());
    QObject *question = quiz.findChild<QLabel *>(QStringLiteral("question"));
    QObject *feedback = quiz.findChild<QLabel *>(QStringLiteral("feedback"));
    const auto announced = [](QObject *label) {
        return std::any_of(heard.begin(), heard.end(), [label](const Heard &event) {
            return event.object == label && event.type == QAccessible::NameChanged;
        });
    };
    heard.clear();
    quiz.nextButton()->click();
    QVERIFY(announced(question));
    QVERIFY(accessibleText(question, QAccessible::Name).contains(QStringLiteral("ですか")));
    heard.clear();
    quiz.answerButton(1)->click();
    QVERIFY(announced(feedback));
    QVERIFY(accessibleText(feedback, QAccessible::Name).contains(QStringLiteral("正解")));
}

QTEST_MAIN(TestScreenReader)
#include "tst_screenreader.moc"
