#pragma once

#include "stoppattern.h"

#include "judge/messagecode.h"

#include <QString>

#include <array>
#include <vector>

namespace sorvex {

// Everything the machine's tables and strips say about one stop pattern:
// its judgement (message code, text and win mark) and what the reels show
// (the 3 x 3 window and the pay lines that pay). The command-line judge,
// the main window and the study views all describe a pattern through it.
struct JudgedPattern
{
    StopPattern pattern;
    MessageCode code = MessageCode::W1;
    // The reel window, by reel (left to right), then by row (top to bottom).
    std::array<std::array<Symbol, 3>, 3> window {};
    std::vector<PayLineWin> payingLines;

    // One to three lines joined by CR LF.
    const QString &text() const;
    // "WIN" for a pattern that confirms a bonus, otherwise empty.
    const QString &winMark() const;
    bool isWin() const;
};

// Throws std::out_of_range unless every index lies within 1..21.
JudgedPattern judgePattern(const StopPattern &pattern);

} // namespace sorvex
