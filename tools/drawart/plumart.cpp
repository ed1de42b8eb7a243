#include "artcolours.h"
#include "pixelmask.h"
#include "symbolart.h"
#include "symboldrawings.h"

#include <QImage>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace sorvex {

namespace {
constexpr int w = cellWidth;
constexpr int h = cellHeight;

// Pixels along an arc of the ellipse centred at (cx, cy) with radii rx, ry,
// from angle `from` to `to` in degrees (0 = right, 90 = up).
void arc(QImage &cell, double cx, double cy, double rx, double ry, int from, int to, QRgb colour)
{
    for (int step = from * 4; step <= to * 4; ++step) {
        const double angle = step / 4.0 * std::numbers::pi / 180.0;
        const int x = static_cast<int>(std::lround(cx + rx * std::cos(angle)));
        const int y = static_cast<int>(std::lround(cy - ry * std::sin(angle)));
        cell.setPixel(x, y, artcolour::opaque(colour));
    }
}
} // namespace

void drawPlum(QImage &cell)
{
    const PixelMask stem = PixelMask::fromPolygon(QPolygonF({{9.5, 17}, {14, 15}, {26, 21}, {24, 27}}), w, h);
    stem.stamp(cell, artcolour::stemOlive, artcolour::black, 1);
    // The shaded underside of the stem.
    for (int x = 13; x <= 23; ++x)
        cell.setPixel(x, 18 + (x - 11) / 2, artcolour::opaque(artcolour::stemDarkOlive));

    const QRect fruit(QPoint(19, 8), QPoint(86, 56));
    PixelMask::ellipse(fruit, w, h).stamp(cell, artcolour::plumCyan, artcolour::black, 2);
    const double cx = 52.5;
    const double cy = 32;
    // Highlights follow the curve of the upper left.
    for (int inset : {6, 7, 8})
        arc(cell, cx, cy, 34 - inset, 24.5 - inset, 100, 150, artcolour::white);
    for (int inset : {11, 12})
        arc(cell, cx, cy, 34 - inset, 24.5 - inset, 118, 138, artcolour::white);
    // The crease near the bottom.
    for (int inset : {6, 7})
        arc(cell, cx, cy, 34 - inset, 24.5 - inset, 280, 315, artcolour::black);
}

} // namespace sorvex
