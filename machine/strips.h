#pragma once

#include "symbol.h"

#include <array>

namespace sorvex {

enum class Reel : std::uint8_t { Left, Middle, Right };

inline constexpr std::array<Reel, 3> allReels = {Reel::Left, Reel::Middle, Reel::Right};

// Number of stops on each reel; top-row indices run from 1 to stopCount.
inline constexpr int stopCount = 21;

// Rows of a reel window, relative to the top row.
enum class Row : int {
    AboveFrame = -1,
    Top = 0,
    Middle = 1,
    Bottom = 2,
    BelowFrame = 3,
};

using Strip = std::array<Symbol, stopCount>;

// The strip of a reel; element i holds the symbol in the top row at top-row
// index i + 1.
const Strip &strip(Reel reel);

// Wraps any integer onto a top-row index 1..21.
constexpr int wrapTopRowIndex(int index)
{
    return ((index - 1) % stopCount + stopCount) % stopCount + 1;
}

// The symbol that reel shows in row when its top-row index is topRowIndex
// (1..21). Indices wrap: after 21 comes 1.
Symbol symbolAt(Reel reel, int topRowIndex, Row row);

} // namespace sorvex
