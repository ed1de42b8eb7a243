#pragma once

#include <QObject>

class QTimer;

namespace sorvex {

// A timer of the forms toolkit: an interval in milliseconds and an enabled
// flag, set independently. It ticks only while enabled with an interval
// above 0; at 0 it stays silent (a Qt timer at 0 ms would fire without
// pause). Ticks that fall due while a handler runs merge into one.
class FormTimer : public QObject
{
    Q_OBJECT

public:
    FormTimer(const QString &name, int interval, QObject *parent);

    int interval() const { return m_interval; }
    bool isEnabled() const { return m_enabled; }
    // True when ticks are actually being delivered.
    bool isRunning() const;

    // A new interval restarts the count of a running timer.
    void setInterval(int milliseconds);
    // Enabling a timer that is already enabled keeps its rhythm.
    void setEnabled(bool enabled);

signals:
    void tick();

private:
    void apply();

    QTimer *m_timer;
    int m_interval;
    bool m_enabled = false;
};

} // namespace sorvex
