#include "quiz/quizsession.h"

#include "judge/subtables.h"

#include <QTest>

using namespace sorvex;

namespace {

bool isLit(const StopPattern &pattern)
{
    return isWin(cellCode(pattern.t1, pattern.t2, pattern.t3));
}

QList<int> asList(const StopPattern &pattern)
{
    return {pattern.t1, pattern.t2, pattern.t3};
}

} // namespace

// Drawing questions and keeping the score of a quiz run.
class TestQuizSession : public QObject
{
    Q_OBJECT

private slots:
    void aSeedGivesTheSameRunAgain();
    void halfTheQuestionsLightTheLamp_data();
    void halfTheQuestionsLightTheLamp();
    void noPatternTwiceInARow();
    void aLeftIndexLimitsTheQuestions();
    void aWrongAnswerComesBackWithinFive();
    void scoreStreakAndTallyAfterAScriptedRun();
    void familyQuestions_data();
    void familyQuestions();
    void answersOnlyForAnOpenQuestionOfTheRightLevel();
};

void TestQuizSession::aSeedGivesTheSameRunAgain()
{
    QuizSession first(20261210, QuizLevel::ReachMe);
    QuizSession again(20261210, QuizLevel::ReachMe);
    QuizSession other(7, QuizLevel::ReachMe);
    int differences = 0;
    for (int i = 0; i < 50; ++i) {
        const StopPattern a = first.nextQuestion();
        QCOMPARE(asList(again.nextQuestion()), asList(a));
        differences += asList(other.nextQuestion()) != asList(a);
        // Answered alike, so that reviews come back alike too.
        first.answerReachMe(i % 3 == 0);
        again.answerReachMe(i % 3 == 0);
        other.answerReachMe(i % 3 == 0);
    }
    QVERIFY(differences > 40);
}

void TestQuizSession::halfTheQuestionsLightTheLamp_data()
{
    QTest::addColumn<int>("leftIndex");
    QTest::newRow("all left stops") << 0;
    QTest::newRow("left stop 1") << 1;
    QTest::newRow("left stop 14") << 14;
}

void TestQuizSession::halfTheQuestionsLightTheLamp()
{
    QFETCH(int, leftIndex);
    QuizSession session(99, QuizLevel::ReachMe, leftIndex);
    int lit = 0;
    for (int i = 0; i < 1000; ++i) {
        lit += isLit(session.nextQuestion());
        session.answerReachMe(isLit(*session.currentQuestion()));
    }
    // A fair coin gives 500 ± 50 in all but one run of a thousand or so.
    QVERIFY2(lit > 450 && lit < 550, qPrintable(QString::number(lit)));
}

void TestQuizSession::noPatternTwiceInARow()
{
    // Left stop 1 with a small lit pool makes repeats likely if unguarded.
    QuizSession session(5, QuizLevel::ReachMe, 1);
    QList<int> previous;
    for (int i = 0; i < 1000; ++i) {
        const QList<int> drawn = asList(session.nextQuestion());
        QVERIFY2(drawn != previous, qPrintable(QStringLiteral("question %1").arg(i + 1)));
        previous = drawn;
        session.answerReachMe(i % 2 == 0);
    }
}

void TestQuizSession::aLeftIndexLimitsTheQuestions()
{
    QuizSession session(3, QuizLevel::Family, 21);
    QCOMPARE(session.leftIndex(), 21);
    for (int i = 0; i < 200; ++i) {
        QCOMPARE(session.nextQuestion().t1, 21);
        session.answerFamily(CodeFamily::N);
    }
}

void TestQuizSession::aWrongAnswerComesBackWithinFive()
{
    QuizSession session(11, QuizLevel::ReachMe);
    for (int round = 0; round < 20; ++round) {
        const StopPattern missed = session.nextQuestion();
        QCOMPARE(session.answerReachMe(!isLit(missed)), std::optional<bool>(false));
        bool cameBack = false;
        for (int i = 1; i <= 5 && !cameBack; ++i) {
            const StopPattern next = session.nextQuestion();
            cameBack = asList(next) == asList(missed);
            session.answerReachMe(isLit(next));
        }
        QVERIFY2(cameBack, qPrintable(QStringLiteral("round %1").arg(round)));
    }
}

void TestQuizSession::scoreStreakAndTallyAfterAScriptedRun()
{
    QuizSession session(42, QuizLevel::ReachMe);
    // right, right, wrong, right: a streak of one after four answers.
    const bool answersRight[] = {true, true, false, true};
    std::map<MessageCode, QuizTally> expected;
    QList<QList<int>> wrong;
    for (bool right : answersRight) {
        const StopPattern question = session.nextQuestion();
        const MessageCode code = cellCode(question.t1, question.t2, question.t3);
        QCOMPARE(session.answerReachMe(right == isLit(question)), std::optional<bool>(right));
        ++expected[code].asked;
        expected[code].right += right;
        if (!right)
            wrong.prepend(asList(question));
    }
    QCOMPARE(session.score().asked, 4);
    QCOMPARE(session.score().right, 3);
    QCOMPARE(session.streak(), 1);
    QCOMPARE(session.wrongAnswers().size(), 1);
    QCOMPARE(asList(session.wrongAnswers().first()), wrong.first());
    QCOMPARE(session.tallyByCode().size(), expected.size());
    for (const auto &[code, tally] : expected) {
        QCOMPARE(session.tallyByCode().at(code).asked, tally.asked);
        QCOMPARE(session.tallyByCode().at(code).right, tally.right);
    }
}

void TestQuizSession::familyQuestions_data()
{
    QTest::addColumn<int>("t1");
    QTest::addColumn<int>("t2");
    QTest::addColumn<int>("t3");
    QTest::addColumn<int>("family");
    // (1, 1, 1) W9, (3, 1, 4) P1, (21, 17, 13) U14, (1, 14, 3) N1.
    QTest::newRow("W") << 1 << 1 << 1 << int(CodeFamily::W);
    QTest::newRow("P") << 3 << 1 << 4 << int(CodeFamily::P);
    QTest::newRow("U") << 21 << 17 << 13 << int(CodeFamily::U);
    QTest::newRow("N") << 1 << 14 << 3 << int(CodeFamily::N);
}

void TestQuizSession::familyQuestions()
{
    QFETCH(int, t1);
    QFETCH(int, t2);
    QFETCH(int, t3);
    QFETCH(int, family);
    QCOMPARE(int(familyOf(cellCode(t1, t2, t3))), family);
    // Every family is right for its own code and wrong for the other three.
    QuizSession session(1, QuizLevel::Family);
    for (int answer = 0; answer < 4; ++answer) {
        const StopPattern question = session.nextQuestion();
        const int right = int(familyOf(cellCode(question.t1, question.t2, question.t3)));
        QCOMPARE(session.answerFamily(CodeFamily(answer)), std::optional<bool>(answer == right));
    }
}

void TestQuizSession::answersOnlyForAnOpenQuestionOfTheRightLevel()
{
    QuizSession session(1, QuizLevel::ReachMe);
    QCOMPARE(session.answerReachMe(true), std::nullopt);
    session.nextQuestion();
    QCOMPARE(session.answerFamily(CodeFamily::W), std::nullopt);
    QVERIFY(session.answerReachMe(true).has_value());
    QCOMPARE(session.answerReachMe(true), std::nullopt);
    QCOMPARE(session.score().asked, 1);
}

QTEST_GUILESS_MAIN(TestQuizSession)
#include "tst_quizsession.moc"
