#pragma once

#include "subtablenotation.h"

namespace sorvex {

using JudgementTable = std::array<SubTable, 21>;

// The sub-table of left index 1..21; every one of its 441 cells is filled.
const SubTable &subTable(int leftIndex);

inline MessageCode cellCode(int t1, int t2, int t3)
{
    return subTable(t1).cell(t2, t3);
}

} // namespace sorvex
