#include "artcolours.h"
#include "pixelmask.h"
#include "symbolart.h"
#include "symboldrawings.h"

#include <QImage>
#include <QPolygonF>

#include <cmath>

namespace sorvex {

namespace {
constexpr int w = cellWidth;
constexpr int h = cellHeight;
// The body's axis lies between pixel rows 31 and 32; fins mirror about it.
constexpr double axis = 32;

QPolygonF mirrored(const QPolygonF &polygon)
{
    QPolygonF result;
    for (const QPointF &point : polygon)
        result << QPointF(point.x(), 2 * axis - point.y());
    return result;
}
} // namespace

void drawTorpedo(QImage &cell)
{
    const QPolygonF topFin({{60, 25}, {72, 25}, {77, 12}, {70, 12}});
    PixelMask::fromPolygon(topFin, w, h).stamp(cell, artcolour::torpedoGreen, artcolour::black, 1);
    PixelMask::fromPolygon(mirrored(topFin), w, h).stamp(cell, artcolour::torpedoGreen, artcolour::black, 1);

    // Propeller blades seen edge-on, then the hub in front of them.
    PixelMask::rectangle(QRect(QPoint(78, 24), QPoint(80, 39)), w, h)
            .stamp(cell, artcolour::torpedoGreen, artcolour::black, 1);
    PixelMask::ellipse(QRect(QPoint(76, 28), QPoint(83, 35)), w, h)
            .stamp(cell, artcolour::torpedoGreen, artcolour::black, 1);

    const PixelMask nose = PixelMask::ellipse(QRect(QPoint(13, 23), QPoint(44, 40)), w, h);
    const PixelMask body = PixelMask::rectangle(QRect(QPoint(28, 23), QPoint(66, 40)), w, h);
    const PixelMask tail = PixelMask::fromPolygon(QPolygonF({{66, 23}, {78, 27}, {78, 37}, {66, 41}}), w, h);
    nose.united(body).united(tail).stamp(cell, artcolour::torpedoGreen, artcolour::black, 1);

    // The seam behind the warhead bows forward like a ring seen from the side.
    for (int y = 24; y <= 39; ++y) {
        const double v = (y + 0.5 - axis) / 8.0;
        const int x = 31 + static_cast<int>(std::lround(2.5 * v * v));
        cell.setPixel(x, y, artcolour::opaque(artcolour::black));
    }

    // The ribbed collar stands a little proud of the body.
    PixelMask::rectangle(QRect(QPoint(52, 21), QPoint(62, 42)), w, h)
            .stamp(cell, artcolour::torpedoGreen, artcolour::black, 1);
    for (int x = 54; x <= 60; x += 2) {
        for (int y = 22; y <= 41; ++y)
            cell.setPixel(x, y, artcolour::opaque(artcolour::black));
    }
}

} // namespace sorvex
