#pragma once

#include <QFont>

namespace sorvex {

// The face every window of the program is designed for.
QString formFontFamily();

// Makes the design face resolve on systems that lack it: IPAPGothic first
// (metric-compatible), then common CJK faces. Call once after the
// application object exists.
void installFormFontSubstitutes();

// The design face at a size in points; bold means weight 700, else 400.
// Glyphs advance by whole pixels.
QFont formFont(qreal points, bool bold);

// The same font for boxes that hold numbers. The design face's half-width
// digits are half an em wide, and the entry boxes are sized for them;
// IPAPGothic's are a sixth wider, so four digits no longer fit a box and the
// box scrolls its first digit out of sight. Wider digits are drawn closer
// together, so that they take the design face's room.
QFont formNumberFont(const QFont &font);

} // namespace sorvex
