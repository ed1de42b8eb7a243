#pragma once

#include "machine/strips.h"

class QImage;

namespace sorvex {

inline constexpr int stripHeight = 1660;

// The picture of one reel: cell 0 repeats the last stop, cells 1 to 21 are
// the stops in top-row order, cells 22 to 24 repeat the first three and the
// bottom 35 rows show the top of the fourth, so that every picture offset a
// reel uses shows whole cells without a seam.
QImage stripImage(Reel reel);

} // namespace sorvex
