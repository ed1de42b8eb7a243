#pragma once

#include "machine/stoppattern.h"
#include "machine/strips.h"

namespace sorvex {

// Every stop pattern has one place in the study views and the progress file:
// t1 major, then t2, then t3, all counted from 1.
inline constexpr int patternCount = stopCount * stopCount * stopCount;

constexpr int patternIndex(const StopPattern &pattern)
{
    return ((pattern.t1 - 1) * stopCount + (pattern.t2 - 1)) * stopCount + (pattern.t3 - 1);
}

constexpr StopPattern patternAt(int index)
{
    return {index / (stopCount * stopCount) + 1, index / stopCount % stopCount + 1, index % stopCount + 1};
}

constexpr bool isValidPattern(const StopPattern &pattern)
{
    for (int t : {pattern.t1, pattern.t2, pattern.t3}) {
        if (t < 1 || t > stopCount)
            return false;
    }
    return true;
}

} // namespace sorvex
