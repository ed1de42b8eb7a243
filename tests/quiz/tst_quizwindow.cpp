#include "mainwindowfixture.h"

#include "judge/subtables.h"
#include "platform/picturebox.h"
#include "quiz/quizwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace sorvex;

// The quiz window over a main window: questions shown on the reels with the
// judgement concealed, answers by button and key.
class TestQuizWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void aQuestionMovesTheReelsAndConcealsTheJudgement();
    void answersByKey_data();
    void answersByKey();
    void familyAnswersByNumberKeys();
    void noQuestionWhileTheReelsRun();
    void movingTheReelsDropsTheQuestion();

private:
    QLabel *judgementLabel() const { return m_window->control<QLabel>("lbyakumei"); }
    bool lampShown() const { return m_window->riru().image(4)->isVisibleTo(&m_window->riru()); }
    MessageCode questionCode() const;
    void press(Qt::Key key) { QTest::keyClick(m_quiz.get(), key); }

    std::unique_ptr<testing::MainWindowFixture> m_window;
    std::unique_ptr<QuizWindow> m_quiz;
};

void TestQuizWindow::init()
{
    m_window = std::make_unique<testing::MainWindowFixture>();
    m_window->riru().show();
    m_quiz = std::make_unique<QuizWindow>(&m_window->riru());
    m_quiz->show();
    QApplication::setActiveWindow(m_quiz.get());
    QVERIFY(QTest::qWaitForWindowActive(m_quiz.get()));
}

void TestQuizWindow::cleanup()
{
    m_quiz.reset();
    m_window.reset();
}

MessageCode TestQuizWindow::questionCode() const
{
    const StopPattern pattern = *m_quiz->session().currentQuestion();
    return cellCode(pattern.t1, pattern.t2, pattern.t3);
}

void TestQuizWindow::aQuestionMovesTheReelsAndConcealsTheJudgement()
{
    press(Qt::Key_Return);
    const std::optional<StopPattern> question = m_quiz->session().currentQuestion();
    QVERIFY(question);
    const StopPattern shown = m_window->riru().machine().shownPattern();
    QCOMPARE((QList<int> {shown.t1, shown.t2, shown.t3}), (QList<int> {question->t1, question->t2, question->t3}));
    QCOMPARE(judgementLabel()->text(), QString());
    QVERIFY(!lampShown());
    QVERIFY(!m_quiz->nextButton()->isEnabled());
}

void TestQuizWindow::answersByKey_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("saysReachMe");
    QTest::newRow("Y") << int(Qt::Key_Y) << true;
    QTest::newRow("N") << int(Qt::Key_N) << false;
}

void TestQuizWindow::answersByKey()
{
    QFETCH(int, key);
    QFETCH(bool, saysReachMe);
    QSignalSpy answered(m_quiz.get(), &QuizWindow::answered);
    for (int question = 1; question <= 6; ++question) {
        press(Qt::Key_Return);
        const MessageCode code = questionCode();
        press(Qt::Key(key));
        QCOMPARE(answered.size(), question);
        QCOMPARE(answered.last().at(0).value<MessageCode>(), code);
        QCOMPARE(answered.last().at(1).toBool(), saysReachMe == isWin(code));
        // The answer reveals the judgement as the machine shows it.
        QCOMPARE(judgementLabel()->text(), m_window->riru().machine().yakumei());
        QCOMPARE(lampShown(), isWin(code));
        QVERIFY(!m_quiz->session().currentQuestion());
    }
    QCOMPARE(m_quiz->session().score().asked, 6);
    const QString feedback = m_quiz->findChild<QLabel *>(QStringLiteral("feedback"))->text();
    QVERIFY2(feedback.contains(QLatin1String(codeName(answered.last().at(0).value<MessageCode>()))),
             qPrintable(feedback));
}

void TestQuizWindow::familyAnswersByNumberKeys()
{
    m_quiz->findChild<QComboBox *>(QStringLiteral("level"))->setCurrentIndex(1);
    m_quiz->findChild<QPushButton *>(QStringLiteral("restart"))->click();
    QSignalSpy answered(m_quiz.get(), &QuizWindow::answered);
    const Qt::Key keys[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4};
    for (int family = 0; family < 4; ++family) {
        press(Qt::Key_Return);
        const MessageCode code = questionCode();
        press(keys[family]);
        QCOMPARE(answered.last().at(1).toBool(), familyOf(code) == CodeFamily(family));
    }
    // The reach-me answers do not apply to this level.
    press(Qt::Key_Return);
    press(Qt::Key_Y);
    QCOMPARE(answered.size(), 4);
}

void TestQuizWindow::noQuestionWhileTheReelsRun()
{
    ReelMachine &machine = m_window->riru().machine();
    machine.start(QStringLiteral("100"));
    QVERIFY(!m_quiz->nextButton()->isEnabled());
    QCOMPARE(m_quiz->nextButton()->toolTip(), machine.moveRefusal());
    press(Qt::Key_Return);
    QVERIFY(!m_quiz->session().currentQuestion());
    for (int reel = 1; reel <= 3; ++reel)
        machine.stop(reel);
    QVERIFY(m_quiz->nextButton()->isEnabled());
}

void TestQuizWindow::movingTheReelsDropsTheQuestion()
{
    press(Qt::Key_Return);
    QVERIFY(m_quiz->session().currentQuestion());
    m_window->control<QPushButton>("r2sita")->click();
    QVERIFY(!m_quiz->session().currentQuestion());
    QCOMPARE(judgementLabel()->text(), m_window->riru().machine().yakumei());
    QCOMPARE(m_quiz->session().score().asked, 0);

    press(Qt::Key_Return);
    m_quiz->hide();
    QVERIFY(!m_quiz->session().currentQuestion());
    QVERIFY(!m_window->riru().isJudgementConcealed());
}

QTEST_MAIN(TestQuizWindow)
#include "tst_quizwindow.moc"
