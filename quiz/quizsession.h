#pragma once

#include "machine/stoppattern.h"

#include "judge/messagecode.h"

#include <QList>
#include <QRandomGenerator>

#include <deque>
#include <map>
#include <optional>
#include <vector>

namespace sorvex {

// What a question asks.
enum class QuizLevel : quint8 {
    ReachMe, // is it a reach-me pattern (bonus confirmed)? yes or no
    Family,  // which family: W, P, U or N
};

// The four families a harder question offers, in the order of keys 1-4.
enum class CodeFamily : quint8 { W, P, U, N };
CodeFamily familyOf(MessageCode code);

// Asked and answered right, per message code or in all.
struct QuizTally
{
    int asked = 0;
    int right = 0;
};

// One run of the reach-me quiz. Questions are drawn with a seed of the
// player's choosing, so that a run can be practised again exactly: half of
// them from the patterns that light the lamp, never the same pattern twice
// in a row, optionally only with one left stop. A pattern answered wrong
// comes back two questions later, so within the next five.
class QuizSession
{
public:
    // leftIndex 0 draws from all 21 left stops.
    QuizSession(quint32 seed, QuizLevel level, int leftIndex = 0);

    QuizLevel level() const { return m_level; }
    int leftIndex() const { return m_leftIndex; }

    // Draws the next question; it stays the current one until answered.
    StopPattern nextQuestion();
    std::optional<StopPattern> currentQuestion() const { return m_current; }
    // The number of questions drawn so far.
    int questionCount() const { return m_questionCount; }

    // The answers, for the current question; false when it is wrong. An
    // answer without a current question, or of the other level, is refused
    // with std::nullopt.
    std::optional<bool> answerReachMe(bool reachMe);
    std::optional<bool> answerFamily(CodeFamily family);
    // Drops the current question unanswered; it counts for nothing.
    void dropQuestion() { m_current.reset(); }

    const QuizTally &score() const { return m_score; }
    int streak() const { return m_streak; }
    // Every pattern answered wrong in this run, the latest first, each once.
    const QList<StopPattern> &wrongAnswers() const { return m_wrongAnswers; }
    const std::map<MessageCode, QuizTally> &tallyByCode() const { return m_byCode; }

private:
    struct Review
    {
        StopPattern pattern;
        int dueAt; // question number
    };

    StopPattern drawFresh();
    std::optional<bool> answer(bool right);

    QRandomGenerator m_random;
    QuizLevel m_level;
    int m_leftIndex;
    std::vector<StopPattern> m_lit;
    std::vector<StopPattern> m_unlit;
    std::deque<Review> m_reviews;
    std::optional<StopPattern> m_current;
    std::optional<StopPattern> m_previous;
    int m_questionCount = 0;
    QuizTally m_score;
    int m_streak = 0;
    QList<StopPattern> m_wrongAnswers;
    std::map<MessageCode, QuizTally> m_byCode;
};

} // namespace sorvex
