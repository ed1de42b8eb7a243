#include "quizsession.h"

#include "judge/subtables.h"

namespace sorvex {

namespace {

// A wrong answer is asked again this many questions later: not at once,
// and within the next five.
constexpr int reviewDelay = 2;

MessageCode codeOf(const StopPattern &pattern)
{
    return cellCode(pattern.t1, pattern.t2, pattern.t3);
}

bool samePattern(const StopPattern &a, const StopPattern &b)
{
    return a.t1 == b.t1 && a.t2 == b.t2 && a.t3 == b.t3;
}

} // namespace

CodeFamily familyOf(MessageCode code)
{
    switch (codeLetter(code)) {
    case 'W':
        return CodeFamily::W;
    case 'P':
        return CodeFamily::P;
    case 'U':
        return CodeFamily::U;
    default:
        return CodeFamily::N;
    }
}

QuizSession::QuizSession(quint32 seed, QuizLevel level, int leftIndex)
    : m_random(seed)
    , m_level(level)
    , m_leftIndex(leftIndex >= 1 && leftIndex <= stopCount ? leftIndex : 0)
{
    for (int t1 = 1; t1 <= stopCount; ++t1) {
        if (m_leftIndex && t1 != m_leftIndex)
            continue;
        for (int t2 = 1; t2 <= stopCount; ++t2) {
            for (int t3 = 1; t3 <= stopCount; ++t3)
                (isWin(cellCode(t1, t2, t3)) ? m_lit : m_unlit).push_back({t1, t2, t3});
        }
    }
}

StopPattern QuizSession::drawFresh()
{
    for (;;) {
        // Half lit, half not; a left stop without one kind gives the other.
        const bool lit = m_unlit.empty() || (!m_lit.empty() && m_random.bounded(2) == 0);
        const std::vector<StopPattern> &pool = lit ? m_lit : m_unlit;
        const StopPattern drawn = pool[m_random.bounded(quint32(pool.size()))];
        if (!m_previous || !samePattern(drawn, *m_previous))
            return drawn;
    }
}

StopPattern QuizSession::nextQuestion()
{
    ++m_questionCount;
    if (!m_reviews.empty() && m_reviews.front().dueAt <= m_questionCount) {
        m_current = m_reviews.front().pattern;
        m_reviews.pop_front();
    } else {
        m_current = drawFresh();
    }
    m_previous = m_current;
    return *m_current;
}

std::optional<bool> QuizSession::answerReachMe(bool reachMe)
{
    if (m_level != QuizLevel::ReachMe || !m_current)
        return std::nullopt;
    return answer(reachMe == isWin(codeOf(*m_current)));
}

std::optional<bool> QuizSession::answerFamily(CodeFamily family)
{
    if (m_level != QuizLevel::Family || !m_current)
        return std::nullopt;
    return answer(family == familyOf(codeOf(*m_current)));
}

std::optional<bool> QuizSession::answer(bool right)
{
    const StopPattern pattern = *m_current;
    m_current.reset();
    QuizTally &tally = m_byCode[codeOf(pattern)];
    ++tally.asked;
    ++m_score.asked;
    if (right) {
        ++tally.right;
        ++m_score.right;
        ++m_streak;
        return true;
    }
    m_streak = 0;
    m_wrongAnswers.removeIf([&](const StopPattern &wrong) { return samePattern(wrong, pattern); });
    m_wrongAnswers.prepend(pattern);
    m_reviews.push_back({pattern, m_questionCount + reviewDelay});
    return false;
}

} // namespace sorvex
