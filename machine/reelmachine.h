#pragma once

#include "reelmodel.h"
#include "stoppattern.h"

#include "judge/judgementobjects.h"

#include <QList>
#include <QObject>
#include <QString>

#include <array>
#include <initializer_list>

namespace sorvex {

// The controls of the main window whose state the machine decides. Each is
// named after the control it stands for.
enum class MachineControl : quint8 {
    Start,     // cmstart
    Stop1,     // r1stop
    Stop2,     // r2stop
    Stop3,     // r3stop
    Up1,       // r1ue
    Down1,     // r1sita
    Up2,       // r2ue
    Down2,     // r2sita
    Up3,       // r3ue
    Down3,     // r3sita
    AutoStart, // autostart
    AutoStop,  // autostop
    End,       // cmend
};
inline constexpr int machineControlCount = 13;

// The two boxes from which a run takes its intervals.
enum class IntervalBox : quint8 {
    ReelSpeed, // Text1
    Sequencer, // Text3
};

// What brought a judgement to the display.
enum class JudgementCause : quint8 {
    Spin,     // the third stop of a manual spin
    Step,     // a ▲ or ▼ button
    AutoMode, // the sequencer's judging steps
    Jump,     // moveTo()
};

// The reel machine of the main window: three reels, their four timers, the
// stop flags, the auto-mode sequencer and the judgement of what the reels
// show. It owns all of the window's machine state for the whole run and
// decides every change of it; a view forwards clicks and ticks to the
// operations below and applies the signals, in the order they come.
//
// The timers are modelled, not run: the machine says which of them is
// enabled at what interval, and the view's timers call tick() and
// sequencerTick(). Reels are numbered 1 (left) to 3 (right); timers 1 to 3
// drive the reels and timer 4 is the sequencer.
class ReelMachine : public QObject
{
    Q_OBJECT

public:
    static constexpr int reelCount = 3;
    static constexpr int sequencerTimer = 4;
    static constexpr int timerCount = 4;

    // The sequencer's six-step cycle: the value autostep takes at a tick.
    enum AutoStep : qint16 {
        StopLeft = 1,
        StopMiddle = 2,
        StopRightAndJudge = 3,
        JudgeAgain = 4,
        ClearAndRespin = 5,
        Rest = 6,
    };

    explicit ReelMachine(QObject *parent = nullptr);
    ~ReelMachine() override;

    // cmstart: reads the speed box. Text that gives no interval changes
    // nothing but the box, which gets its last valid text back, and returns
    // false after intervalRejected().
    bool start(const QString &speedText);
    // r1stop .. r3stop.
    void stop(int reel);
    // A tick of Timer1 .. Timer3: the reel advances one cell.
    void tick(int reel);
    // r1ue .. r3ue and r1sita .. r3sita.
    void stepUp(int reel);
    void stepDown(int reel);
    // autostart: both boxes are read before anything changes, so bad text in
    // either leaves the machine at rest (false, after intervalRejected()).
    bool autoStart(const QString &speedText, const QString &sequencerText);
    // autostop.
    void autoStop();
    // A tick of Timer4.
    void sequencerTick();

    // At rest no timer is enabled: no reel spins and no auto mode runs.
    bool isAtRest() const;
    // Why the reels cannot be moved to a pattern now, in a sentence for the
    // user; empty at rest.
    QString moveRefusal() const;
    // Brings the reels to the pattern by the ▲ and ▼ rules, each reel the
    // shorter way round, then judges and shows it as a step does. Only at
    // rest; otherwise, or for an index outside 1..21, nothing changes and
    // the result is false.
    bool moveTo(const StopPattern &target);

    const ReelModel &reel(int reel) const;
    // Where the reel's strip picture stands, in twips: what gets judged.
    double pictureTop(int reel) const;
    // The pattern the reels show now.
    StopPattern shownPattern() const;

    bool isEnabled(MachineControl control) const;
    int timerInterval(int timer) const;
    bool isTimerEnabled(int timer) const;
    // The box's text as the machine last read or wrote it.
    QString boxText(IntervalBox box) const;
    bool isLampLit() const { return m_lampLit; }

    qint16 timint() const { return m_timint; }
    qint16 timgoukei() const { return m_timgoukei; }
    qint16 stopped(int reel) const;
    qint16 autostep() const { return m_autostep; }
    // The reels (1..3) in the order they were stopped in the latest manual
    // spin, as far as it has got; empty before the first spin.
    const QList<int> &stopOrder() const { return m_stopOrder; }
    qint16 r1jyoudan() const { return m_r1jyoudan; }
    qint16 r2jyoudan() const { return m_r2jyoudan; }
    qint16 r3jyoudan() const { return m_r3jyoudan; }
    const QString &yakumei() const { return m_yakumei; }
    const QString &tamaya() const { return m_tamaya; }
    const JudgementObjects &subTables() const { return m_subTables; }

signals:
    void reelMoved(int reel, double pictureTop);
    // The judgement label is to show this text.
    void judgementShown(const QString &yakumei);
    // The judgement label is to be emptied.
    void judgementCleared();
    void lampChanged(bool lit);
    // Emitted after the display has been updated with a new judgement.
    void judged(const sorvex::StopPattern &pattern, sorvex::JudgementCause cause);
    void controlEnabledChanged(sorvex::MachineControl control, bool enabled);
    void focusRequested(sorvex::MachineControl control);
    void timerIntervalChanged(int timer, int milliseconds);
    void timerEnabledChanged(int timer, bool enabled);
    void boxTextChanged(sorvex::IntervalBox box, const QString &text);
    // Text in the box gives no interval; the box has been given back its
    // last valid text.
    void intervalRejected(sorvex::IntervalBox box);

private:
    struct TimerState
    {
        int interval;
        bool enabled = false;
    };

    void yaku();
    void showResultSwitching(JudgementCause cause);
    void showResultSetting(JudgementCause cause);
    void clearResult();
    void setLamp(bool lit);
    void moveReel(int index, qint16 offset);
    void setEnabled(std::initializer_list<MachineControl> controls, bool enabled);
    void setTimerInterval(int timer, int milliseconds);
    void setTimerEnabled(int timer, bool enabled);
    void setBoxText(IntervalBox box, const QString &text);
    void rejectBox(IntervalBox box);
    void acceptReelSpeed(qint16 milliseconds, const QString &boxText);

    // The window's fields, zero or empty when it is created.
    qint16 m_r2jyoudan = 0;
    qint16 m_r3jyoudan = 0;
    QString m_tamaya;
    QString m_yakumei;
    qint16 m_timgoukei = 0;
    qint16 m_timint = 0;
    std::array<ReelModel, reelCount> m_reels;
    std::array<qint16, reelCount> m_stopped {};
    JudgementObjects m_subTables;
    qint16 m_autostep = 0;
    qint16 m_r1jyoudan = 0;

    // What the controls of the window show and do.
    std::array<double, reelCount> m_pictureTops;
    std::array<bool, machineControlCount> m_enabled;
    std::array<TimerState, timerCount> m_timers;
    std::array<QString, 2> m_boxTexts;
    // What each box held when it was last read successfully.
    std::array<QString, 2> m_lastValidBoxTexts;
    bool m_lampLit = false;
    QList<int> m_stopOrder;
};

} // namespace sorvex
