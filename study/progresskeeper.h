#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

namespace sorvex {

class StudyProgress;

// Keeps the progress file up to date without writing on every judgement:
// the first change after a save schedules the next one a second later, and
// whatever is still unsaved is written when the keeper goes (at exit).
class ProgressKeeper : public QObject
{
    Q_OBJECT

public:
    static constexpr int saveDelayMs = 1000;

    // An empty path keeps the progress for this run only.
    ProgressKeeper(StudyProgress &progress, const QString &path, QObject *parent = nullptr);
    ~ProgressKeeper() override;

    bool hasUnsavedChanges() const { return m_dirty; }
    bool isSaveScheduled() const { return m_timer.isActive(); }
    // Saves now if anything changed since the last save.
    void flush();

signals:
    // Only for the first failure of a run, so that a full disk does not
    // bring up a message every second.
    void saveFailed(const QString &message);

private:
    void changed();

    StudyProgress &m_progress;
    QString m_path;
    QTimer m_timer;
    bool m_dirty = false;
    bool m_failureReported = false;
};

} // namespace sorvex
