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

} // namespace sorvex
