#pragma once

#include "messagecode.h"

#include <QString>

namespace sorvex {

// The judgement text of a result: one to three lines joined by CR LF.
const QString &judgementText(MessageCode code);

// "WIN" for a W code, otherwise the empty text.
const QString &winMark(MessageCode code);

// How many of the 9261 stop patterns the catalogue says yield this result.
int catalogueCellCount(MessageCode code);

} // namespace sorvex
