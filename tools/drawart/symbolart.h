#pragma once

#include "machine/symbol.h"

class QImage;

namespace sorvex {

inline constexpr int cellWidth = 100;
inline constexpr int cellHeight = 65;

// One reel cell, 100 x 65 pixels: the symbol on a white background.
QImage symbolCell(Symbol symbol);

} // namespace sorvex
