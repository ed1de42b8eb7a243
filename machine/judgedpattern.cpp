#include "judgedpattern.h"

#include "judge/messagecatalogue.h"
#include "judge/subtables.h"

#include <stdexcept>

namespace sorvex {

const QString &JudgedPattern::text() const
{
    return judgementText(code);
}

const QString &JudgedPattern::winMark() const
{
    return sorvex::winMark(code);
}

bool JudgedPattern::isWin() const
{
    return sorvex::isWin(code);
}

JudgedPattern judgePattern(const StopPattern &pattern)
{
    for (int index : {pattern.t1, pattern.t2, pattern.t3}) {
        if (index < 1 || index > stopCount)
            throw std::out_of_range("top-row index outside 1..21");
    }
    JudgedPattern judged;
    judged.pattern = pattern;
    judged.code = cellCode(pattern.t1, pattern.t2, pattern.t3);
    for (Reel reel : allReels) {
        for (Row row : {Row::Top, Row::Middle, Row::Bottom})
            judged.window[static_cast<std::size_t>(reel)][static_cast<std::size_t>(row)] = pattern.symbol(reel, row);
    }
    judged.payingLines = lineWins(pattern);
    return judged;
}

} // namespace sorvex
