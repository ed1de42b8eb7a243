#pragma once

#include "judge/judgementobject.h"

#include <QString>

#include <utility>

namespace sorvex::testing {

// The judgement tables' own answer for a pattern, straight from a fresh
// judgement object: what the main window must show for it.
inline std::pair<QString, QString> judgementOf(int t1, int t2, int t3)
{
    JudgementObject object(t1);
    object.r2jyoudan = qint16(t2);
    object.r3jyoudan = qint16(t3);
    object.yaku();
    return {object.yakumei, object.tamaya};
}

// The top-row index of a reel position, 0 counted as 21.
constexpr int topRowIndex(int position)
{
    return 22 - (position == 0 ? 21 : position);
}

} // namespace sorvex::testing
