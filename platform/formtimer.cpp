#include "formtimer.h"

#include <QTimer>

namespace sorvex {

FormTimer::FormTimer(const QString &name, int interval, QObject *parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
    , m_interval(interval)
{
    setObjectName(name);
    // Reel steps of a few tens of milliseconds need better than the 5 %
    // slack of a coarse timer.
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &FormTimer::tick);
}

bool FormTimer::isRunning() const
{
    return m_timer->isActive();
}

void FormTimer::setInterval(int milliseconds)
{
    if (milliseconds == m_interval)
        return;
    m_interval = milliseconds;
    if (m_timer->isActive())
        m_timer->stop();
    apply();
}

void FormTimer::setEnabled(bool enabled)
{
    m_enabled = enabled;
    apply();
}

void FormTimer::apply()
{
    const bool shouldRun = m_enabled && m_interval > 0;
    if (!shouldRun) {
        m_timer->stop();
        return;
    }
    if (!m_timer->isActive())
        m_timer->start(m_interval);
}

} // namespace sorvex
