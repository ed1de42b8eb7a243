#pragma once

#include "paylines.h"

#include <string>
#include <vector>

namespace sorvex {

// What a pay line pays, read from its three symbols.
enum class LineWin : std::uint8_t {
    None,
    Sevens,          // three sevens of one colour: the BIG bonus
    Plums,           // 10 medals
    SubmersiblePlum, // submersible, plum, plum: 8 medals
    Replays,         // three replays, or submersible, replay, replay
    Torpedoes,       // 1 medal
};

std::string_view lineWinName(LineWin win);

// A stop: the top-row indices of the left, middle and right reel, 1..21.
struct StopPattern
{
    int t1 = 1;
    int t2 = 1;
    int t3 = 1;

    int topRowIndex(Reel reel) const;
    Symbol symbol(Reel reel, Row row) const;
    std::array<Symbol, 3> line(const PayLine &payLine) const;
    // Symbols straight across one row, also the rows outside the frame.
    std::array<Symbol, 3> across(Row row) const;
};

LineWin lineWin(const std::array<Symbol, 3> &symbols);

struct PayLineWin
{
    const PayLine *payLine;
    LineWin win;
};

// Every pay line that pays, in the order of payLines.
std::vector<PayLineWin> lineWins(const StopPattern &pattern);

// The cherry win: a cherry in the left reel's top or bottom row.
bool leftCherryWins(const StopPattern &pattern);

} // namespace sorvex
