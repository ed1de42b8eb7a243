#include "stoppattern.h"

namespace sorvex {

std::string_view lineWinName(LineWin win)
{
    switch (win) {
    case LineWin::None:
        return "none";
    case LineWin::Sevens:
        return "sevens";
    case LineWin::Plums:
        return "plums";
    case LineWin::SubmersiblePlum:
        return "submersible-plum";
    case LineWin::Replays:
        return "replays";
    case LineWin::Torpedoes:
        return "torpedoes";
    }
    return "none";
}

int StopPattern::topRowIndex(Reel reel) const
{
    switch (reel) {
    case Reel::Left:
        return t1;
    case Reel::Middle:
        return t2;
    case Reel::Right:
        break;
    }
    return t3;
}

Symbol StopPattern::symbol(Reel reel, Row row) const
{
    return symbolAt(reel, topRowIndex(reel), row);
}

std::array<Symbol, 3> StopPattern::line(const PayLine &payLine) const
{
    return {symbol(Reel::Left, payLine.rows[0]), symbol(Reel::Middle, payLine.rows[1]),
            symbol(Reel::Right, payLine.rows[2])};
}

std::array<Symbol, 3> StopPattern::across(Row row) const
{
    return {symbol(Reel::Left, row), symbol(Reel::Middle, row), symbol(Reel::Right, row)};
}

LineWin lineWin(const std::array<Symbol, 3> &symbols)
{
    const auto [left, middle, right] = symbols;
    if (isSeven(left) && left == middle && middle == right)
        return LineWin::Sevens;
    if (middle == Symbol::Plum && right == Symbol::Plum) {
        if (left == Symbol::Plum)
            return LineWin::Plums;
        if (left == Symbol::Submersible)
            return LineWin::SubmersiblePlum;
    }
    if (middle == Symbol::Replay && right == Symbol::Replay && (left == Symbol::Replay || left == Symbol::Submersible))
        return LineWin::Replays;
    if (left == Symbol::Torpedo && middle == Symbol::Torpedo && right == Symbol::Torpedo)
        return LineWin::Torpedoes;
    return LineWin::None;
}

std::vector<PayLineWin> lineWins(const StopPattern &pattern)
{
    std::vector<PayLineWin> wins;
    for (const PayLine &payLine : payLines) {
        if (const LineWin win = lineWin(pattern.line(payLine)); win != LineWin::None)
            wins.push_back({&payLine, win});
    }
    return wins;
}

bool leftCherryWins(const StopPattern &pattern)
{
    return pattern.symbol(Reel::Left, Row::Top) == Symbol::Cherry
            || pattern.symbol(Reel::Left, Row::Bottom) == Symbol::Cherry;
}

} // namespace sorvex
