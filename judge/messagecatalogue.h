#pragma once

#include "messagecode.h"

#include <QString>

namespace sorvex {

// The judgement text of a result: one to three lines joined by CR LF.
const QString &judgementText(MessageCode code);

// The win mark of a judgement that confirms a bonus, compared letter case
// and all.
inline constexpr QLatin1StringView winMarkText("WIN");

// A judgement text's lines joined by a full-width blank, for displays of
// one line and for what a screen reader says.
QString oneLineText(const QString &judgementText);

// winMarkText for a W code, otherwise the empty text.
const QString &winMark(MessageCode code);

// How many of the 9261 stop patterns the catalogue says yield this result.
int catalogueCellCount(MessageCode code);

} // namespace sorvex
