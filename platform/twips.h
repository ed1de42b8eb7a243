#pragma once

#include <QLine>
#include <QRect>

namespace sorvex {

// Window designs are measured in twips. At 15 twips per device-independent
// pixel the whole design scales with the screen's device pixel ratio.
inline constexpr int twipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return twips / twipsPerPixel;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

constexpr QRect twipsRect(const QRect &twips)
{
    return twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}

constexpr QLine twipsLine(int x1, int y1, int x2, int y2)
{
    return QLine(twipsToPixels(x1), twipsToPixels(y1), twipsToPixels(x2), twipsToPixels(y2));
}

} // namespace sorvex
