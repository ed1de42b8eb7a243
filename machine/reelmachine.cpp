#include "reelmachine.h"

#include "intervalrules.h"

#include "judge/messagecatalogue.h"

#include <optional>

namespace sorvex {

namespace {

using enum MachineControl;

constexpr MachineControl stopControl[] = {Stop1, Stop2, Stop3};
constexpr MachineControl upControl[] = {Up1, Up2, Up3};
constexpr MachineControl downControl[] = {Down1, Down2, Down3};

// The intervals the timers are created with; every run sets its own before
// it enables them.
constexpr int designReelTimerInterval = 200;
constexpr int designSequencerInterval = 1200;

int boxIndex(IntervalBox box)
{
    return static_cast<int>(box);
}

} // namespace

ReelMachine::ReelMachine(QObject *parent)
    : QObject(parent)
    , m_timers {{{designReelTimerInterval},
                 {designReelTimerInterval},
                 {designReelTimerInterval},
                 {designSequencerInterval}}} // The boxes' design texts.
    , m_boxTexts {QStringLiteral("100"), QStringLiteral("1075")}
    , m_lastValidBoxTexts(m_boxTexts)
{
    m_pictureTops.fill(ReelModel::offsetFor(0));
    m_enabled.fill(true);
    for (MachineControl control : {Stop1, Stop2, Stop3, AutoStop})
        m_enabled[static_cast<int>(control)] = false;
}

ReelMachine::~ReelMachine() = default;

const ReelModel &ReelMachine::reel(int reel) const
{
    return m_reels.at(reel - 1);
}

double ReelMachine::pictureTop(int reel) const
{
    return m_pictureTops.at(reel - 1);
}

StopPattern ReelMachine::shownPattern() const
{
    return {ReelModel::readBack(m_pictureTops[0]), ReelModel::readBack(m_pictureTops[1]),
            ReelModel::readBack(m_pictureTops[2])};
}

bool ReelMachine::isEnabled(MachineControl control) const
{
    return m_enabled[static_cast<int>(control)];
}

int ReelMachine::timerInterval(int timer) const
{
    return m_timers.at(timer - 1).interval;
}

bool ReelMachine::isTimerEnabled(int timer) const
{
    return m_timers.at(timer - 1).enabled;
}

QString ReelMachine::boxText(IntervalBox box) const
{
    return m_boxTexts[boxIndex(box)];
}

qint16 ReelMachine::stopped(int reel) const
{
    return m_stopped.at(reel - 1);
}

void ReelMachine::setEnabled(std::initializer_list<MachineControl> controls, bool enabled)
{
    for (MachineControl control : controls) {
        m_enabled[static_cast<int>(control)] = enabled;
        emit controlEnabledChanged(control, enabled);
    }
}

void ReelMachine::setTimerInterval(int timer, int milliseconds)
{
    m_timers[timer - 1].interval = milliseconds;
    emit timerIntervalChanged(timer, milliseconds);
}

void ReelMachine::setTimerEnabled(int timer, bool enabled)
{
    m_timers[timer - 1].enabled = enabled;
    emit timerEnabledChanged(timer, enabled);
}

void ReelMachine::setBoxText(IntervalBox box, const QString &text)
{
    m_boxTexts[boxIndex(box)] = text;
    emit boxTextChanged(box, text);
}

void ReelMachine::rejectBox(IntervalBox box)
{
    setBoxText(box, m_lastValidBoxTexts[boxIndex(box)]);
    emit intervalRejected(box);
}

void ReelMachine::acceptReelSpeed(qint16 milliseconds, const QString &boxText)
{
    setBoxText(IntervalBox::ReelSpeed, boxText);
    m_lastValidBoxTexts[boxIndex(IntervalBox::ReelSpeed)] = boxText;
    m_timint = milliseconds;
    for (int timer = 1; timer <= reelCount; ++timer)
        setTimerInterval(timer, m_timint);
}

bool ReelMachine::start(const QString &speedText)
{
    const std::optional<IntervalReading> speed = readReelInterval(speedText);
    if (!speed) {
        rejectBox(IntervalBox::ReelSpeed);
        return false;
    }
    m_stopped.fill(0);
    m_stopOrder.clear();
    acceptReelSpeed(speed->milliseconds, speed->boxText);
    clearResult();
    setEnabled({End, AutoStart, Start, Up1, Down1, Up2, Down2, Up3, Down3}, false);
    for (int timer = 1; timer <= reelCount; ++timer)
        setTimerEnabled(timer, true);
    setEnabled({Stop1, Stop2, Stop3}, true);
    emit focusRequested(Stop1);
    return true;
}

void ReelMachine::stop(int reel)
{
    const int i = reel - 1;
    if (m_stopped.at(i) == 0)
        m_stopOrder.append(reel);
    m_stopped[i] = 1;
    m_timgoukei = static_cast<qint16>(m_stopped[0] + m_stopped[1] + m_stopped[2]);
    setTimerEnabled(reel, false);
    if (m_timgoukei == 3) {
        showResultSwitching(JudgementCause::Spin);
        setEnabled({Start, End, AutoStart, Up2, Down2, Up3, Down3, Up1, Down1}, true);
    }
    // Disabled last, so that the focus it loses passes to a control that is
    // already enabled again.
    setEnabled({stopControl[i]}, false);
}

void ReelMachine::tick(int reel)
{
    const int i = reel - 1;
    moveReel(i, m_reels.at(i).advance());
}

void ReelMachine::stepUp(int reel)
{
    const int i = reel - 1;
    moveReel(i, m_reels.at(i).stepUp());
    showResultSetting(JudgementCause::Step);
}

void ReelMachine::stepDown(int reel)
{
    const int i = reel - 1;
    moveReel(i, m_reels.at(i).stepDown());
    showResultSetting(JudgementCause::Step);
}

void ReelMachine::moveReel(int index, qint16 offset)
{
    m_pictureTops[index] = offset;
    emit reelMoved(index + 1, offset);
}

bool ReelMachine::autoStart(const QString &speedText, const QString &sequencerText)
{
    const std::optional<IntervalReading> speed = readReelInterval(speedText);
    if (!speed) {
        rejectBox(IntervalBox::ReelSpeed);
        return false;
    }
    const std::optional<IntervalReading> sequencer = readSequencerInterval(sequencerText);
    if (!sequencer) {
        rejectBox(IntervalBox::Sequencer);
        return false;
    }

    setEnabled({Start, Stop1, Stop2, Stop3, End, Up1, Down1, Up2, Down2, Up3, Down3}, false);
    acceptReelSpeed(speed->milliseconds, speed->boxText);
    setBoxText(IntervalBox::Sequencer, sequencer->boxText);
    m_lastValidBoxTexts[boxIndex(IntervalBox::Sequencer)] = sequencer->boxText;
    setTimerInterval(sequencerTimer, sequencer->milliseconds);
    for (int timer = 1; timer <= timerCount; ++timer)
        setTimerEnabled(timer, true);
    setEnabled({AutoStop}, true);
    setEnabled({AutoStart}, false);
    emit focusRequested(AutoStop);
    return true;
}

void ReelMachine::sequencerTick()
{
    m_autostep = static_cast<qint16>(m_autostep + 1);
    switch (m_autostep) {
    case StopLeft:
    case StopMiddle:
        setTimerEnabled(m_autostep, false);
        break;
    case StopRightAndJudge:
    case JudgeAgain:
        setTimerEnabled(3, false);
        showResultSwitching(JudgementCause::AutoMode);
        break;
    case ClearAndRespin:
        clearResult();
        for (int timer = 1; timer <= reelCount; ++timer)
            setTimerEnabled(timer, true);
        break;
    default:
        m_autostep = 0;
        break;
    }
}

void ReelMachine::autoStop()
{
    for (int timer = 1; timer <= timerCount; ++timer)
        setTimerEnabled(timer, false);
    setEnabled({AutoStart}, true);
    setEnabled({AutoStop}, false);
    setEnabled({End, Up3, Down3, Start, Up1, Down1, Up2, Down2}, true);
    emit focusRequested(AutoStart);
}

bool ReelMachine::isAtRest() const
{
    for (const TimerState &timer : m_timers) {
        if (timer.enabled)
            return false;
    }
    return true;
}

QString ReelMachine::moveRefusal() const
{
    if (m_timers[sequencerTimer - 1].enabled)
        return QStringLiteral("オートモードの間は移動できません。Auto_stop で止めてください。");
    if (!isAtRest())
        return QStringLiteral("リールの回転中は移動できません。すべてのリールを止めてください。");
    return QString();
}

bool ReelMachine::moveTo(const StopPattern &target)
{
    const int targets[] = {target.t1, target.t2, target.t3};
    for (int index : targets) {
        if (index < 1 || index > stopCount)
            return false;
    }
    if (!isAtRest())
        return false;
    for (int i = 0; i < reelCount; ++i) {
        // ▲ raises the top-row index by one and ▼ lowers it, both wrapping
        // round the 21 stops; 21 is odd, so one way is always shorter.
        const int ups = wrapTopRowIndex(targets[i] - m_reels[i].topRowIndex() + 1) - 1;
        const int downs = (stopCount - ups) % stopCount;
        for (int step = 0; step < std::min(ups, downs); ++step)
            moveReel(i, ups < downs ? m_reels[i].stepUp() : m_reels[i].stepDown());
    }
    showResultSetting(JudgementCause::Jump);
    return true;
}

void ReelMachine::yaku()
{
    // What is judged is what the pictures show, not the position counters.
    m_r1jyoudan = static_cast<qint16>(ReelModel::readBack(m_pictureTops[0]));
    m_r2jyoudan = static_cast<qint16>(ReelModel::readBack(m_pictureTops[1]));
    m_r3jyoudan = static_cast<qint16>(ReelModel::readBack(m_pictureTops[2]));
    JudgementObject *subTable = m_subTables.object(m_r1jyoudan);
    if (!subTable)
        return;
    subTable->r2jyoudan = m_r2jyoudan;
    subTable->r3jyoudan = m_r3jyoudan;
    subTable->yaku();
    m_yakumei = subTable->yakumei;
    m_tamaya = subTable->tamaya;
}

void ReelMachine::showResultSwitching(JudgementCause cause)
{
    yaku();
    if (m_tamaya == winMarkText)
        setLamp(true);
    emit judgementShown(m_yakumei);
    emit judged({m_r1jyoudan, m_r2jyoudan, m_r3jyoudan}, cause);
}

void ReelMachine::showResultSetting(JudgementCause cause)
{
    yaku();
    setLamp(m_tamaya == winMarkText);
    emit judgementShown(m_yakumei);
    emit judged({m_r1jyoudan, m_r2jyoudan, m_r3jyoudan}, cause);
}

void ReelMachine::clearResult()
{
    emit judgementCleared();
    setLamp(false);
}

void ReelMachine::setLamp(bool lit)
{
    m_lampLit = lit;
    emit lampChanged(lit);
}

} // namespace sorvex
