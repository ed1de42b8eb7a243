#pragma once

#include "patternindex.h"

#include "judge/messagecode.h"
#include "machine/reelmachine.h"
#include "quiz/quizsession.h"

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QObject>

#include <array>
#include <deque>
#include <map>
#include <optional>
#include <vector>

namespace sorvex {

// One judgement the main window showed.
struct HistoryEntry
{
    QDateTime time;
    StopPattern pattern;
    JudgementCause cause = JudgementCause::Spin;
    // For a spin: the reels 1..3 in the order they were stopped.
    QList<int> stopOrder;

    bool operator==(const HistoryEntry &other) const;
};

// What a player has studied: the latest judgements shown, newest first, and
// how often each of the 9261 patterns has been shown. The views follow it
// through its signals; ProgressKeeper keeps it on disk.
class StudyProgress : public QObject
{
    Q_OBJECT

public:
    static constexpr int historyLimit = 200;
    static constexpr int formatVersion = 1;

    explicit StudyProgress(QObject *parent = nullptr);

    void record(const HistoryEntry &entry);
    // Forgets the history, every count and the quiz results.
    void reset();

    const std::deque<HistoryEntry> &history() const { return m_history; }
    int timesShown(int patternIndex) const { return m_timesShown[patternIndex]; }
    bool isSeen(int patternIndex) const { return m_timesShown[patternIndex] > 0; }
    // Per message code: judgements shown, and distinct cells seen.
    int timesShown(MessageCode code) const { return m_codeShown[codeSlot(code)]; }
    int cellsSeen(MessageCode code) const { return m_codeSeen[codeSlot(code)]; }
    int patternsSeen() const;

    // The quiz's results per message code, over every run.
    void recordQuizAnswer(MessageCode code, bool right);
    const std::map<MessageCode, QuizTally> &quizTallies() const { return m_quizTallies; }

    QJsonObject toJson() const;
    // Replaces everything with the progress in `json`; on an error (returned
    // as a sentence for the user) nothing changes. A version other than
    // formatVersion is reported through `unknownVersion`.
    QString fromJson(const QJsonObject &json, std::optional<int> *unknownVersion = nullptr);

signals:
    // For the views' models, around every change of the history.
    void historyRowAboutToBeDropped(int row);
    void historyRowDropped();
    void historyEntryAboutToBeAdded();
    void historyEntryAdded();
    void patternShown(int patternIndex);
    void aboutToReset();
    void wasReset();
    void quizTalliesChanged();
    // Anything changed that belongs on disk.
    void changed();

private:
    static int codeSlot(MessageCode code) { return static_cast<int>(code); }
    void recount();

    std::deque<HistoryEntry> m_history;
    std::vector<int> m_timesShown;
    std::array<int, messageCodeCount> m_codeShown {};
    std::array<int, messageCodeCount> m_codeSeen {};
    std::map<MessageCode, QuizTally> m_quizTallies;
};

// The message code of every pattern, by pattern index.
MessageCode patternCode(int patternIndex);

} // namespace sorvex
