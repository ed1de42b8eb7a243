#pragma once

#include "machine/reelmachine.h"

#include <QString>

namespace sorvex::testing {

// The judgement label as a view of the machine would show it: the design
// caption until the machine first sets or empties it.
class ShownJudgement
{
public:
    explicit ShownJudgement(ReelMachine &machine)
    {
        QObject::connect(&machine, &ReelMachine::judgementShown, &machine,
                         [this](const QString &text) { m_text = text; });
        QObject::connect(&machine, &ReelMachine::judgementCleared, &machine, [this] { m_text.clear(); });
    }
    ShownJudgement(const ShownJudgement &) = delete;
    ShownJudgement &operator=(const ShownJudgement &) = delete;

    const QString &text() const { return m_text; }

private:
    QString m_text = QStringLiteral("ＢＩＧじゃ～！！");
};

} // namespace sorvex::testing
