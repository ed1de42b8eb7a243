#include "artcolours.h"
#include "pixelmask.h"
#include "symbolart.h"
#include "symboldrawings.h"

#include <QImage>
#include <QPolygonF>

namespace sorvex {

namespace {
constexpr int w = cellWidth;
constexpr int h = cellHeight;

void fill(QImage &cell, const QRect &box, QRgb colour)
{
    PixelMask::rectangle(box, w, h).paint(cell, colour);
}
} // namespace

void drawSubmersible(QImage &cell)
{
    // The dark sea the boat runs in spans the cell from edge to edge; the
    // reel window shows it cut off by the bars at either side.
    PixelMask::rectangle(QRect(QPoint(0, 4), QPoint(99, 59)), w, h)
            .stamp(cell, artcolour::black, artcolour::lightGrey, 1);

    // Stern fins behind the hull.
    fill(cell, QRect(QPoint(85, 23), QPoint(87, 57)), artcolour::paleYellow);
    fill(cell, QRect(QPoint(76, 39), QPoint(95, 41)), artcolour::paleYellow);

    const PixelMask bow = PixelMask::ellipse(QRect(QPoint(6, 30), QPoint(36, 50)), w, h);
    const PixelMask midships = PixelMask::rectangle(QRect(QPoint(20, 30), QPoint(74, 50)), w, h);
    const PixelMask stern = PixelMask::fromPolygon(QPolygonF({{74, 30}, {90, 36}, {90, 45}, {74, 51}}), w, h);
    const PixelMask tower = PixelMask::fromPolygon(QPolygonF({{33, 31}, {36, 18}, {52, 18}, {57, 31}}), w, h);
    const PixelMask hull = bow.united(midships).united(stern);
    const PixelMask boat = hull.united(tower);
    boat.stamp(cell, artcolour::boatYellow, artcolour::lightGrey, 1);

    // Periscope, its head looking forward.
    fill(cell, QRect(QPoint(42, 9), QPoint(43, 17)), artcolour::lightGrey);
    fill(cell, QRect(QPoint(37, 8), QPoint(43, 10)), artcolour::lightGrey);
    fill(cell, QRect(QPoint(37, 9), QPoint(38, 9)), artcolour::portholeBlue);

    // The stripe runs the length of the hull inside its rim.
    const PixelMask stripe
            = hull.eroded().intersected(PixelMask::rectangle(QRect(QPoint(0, 40), QPoint(99, 44)), w, h));
    stripe.paint(cell, artcolour::stripeMagenta);

    PixelMask::ellipse(QRect(QPoint(15, 33), QPoint(19, 37)), w, h).paint(cell, artcolour::portholeBlue);
    for (int x : {30, 46, 62})
        fill(cell, QRect(QPoint(x, 33), QPoint(x + 3, 36)), artcolour::portholeBlue);
}

} // namespace sorvex
