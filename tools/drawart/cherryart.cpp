#include "symboldrawings.h"

#include "artcolours.h"
#include "pixelmask.h"
#include "symbolart.h"

#include <QImage>
#include <QPolygonF>

namespace sorvex {

namespace {
constexpr int w = cellWidth;
constexpr int h = cellHeight;

void drawStem(QImage &cell, const QPolygonF &stem)
{
    PixelMask::fromPolygon(stem, w, h).stamp(cell, artcolour::branchBrown, artcolour::black, 1);
}

void drawHighlight(QImage &cell, int x, int y)
{
    // A curved glint at the upper left of each fruit, two pixels thick.
    for (QPoint p : {QPoint(2, 0), QPoint(3, 0), QPoint(4, 0), QPoint(1, 1), QPoint(2, 1), QPoint(3, 1), QPoint(0, 2),
                     QPoint(1, 2), QPoint(0, 3), QPoint(1, 3), QPoint(0, 4)})
        cell.setPixel(p + QPoint(x, y), artcolour::opaque(artcolour::lightGrey));
}
} // namespace

void drawCherry(QImage &cell)
{
    // Stems first, so the fruit covers their ends.
    drawStem(cell, QPolygonF({{38, 12}, {43, 12}, {25, 31}, {20, 31}}));
    drawStem(cell, QPolygonF({{44, 12}, {49, 12}, {58, 29}, {53, 29}}));

    const PixelMask leaf = PixelMask::fromPolygon(
            QPolygonF({{55, 19}, {60, 12}, {68, 8.5}, {79, 8}, {88, 9}, {83, 15}, {75, 19}, {64, 21}}), w, h);
    leaf.stamp(cell, artcolour::leafGreen, artcolour::black, 1);
    // The midrib.
    for (int x = 60; x <= 82; ++x)
        cell.setPixel(x, 15 - (x - 60) / 4, artcolour::opaque(artcolour::black));

    // The branch arches over both stems.
    const PixelMask branch = PixelMask::fromPolygon(QPolygonF({{28, 14},
                                                               {33, 10},
                                                               {42, 8},
                                                               {51, 8.5},
                                                               {59, 12},
                                                               {57, 16},
                                                               {50, 13},
                                                               {42, 12.5},
                                                               {35, 14},
                                                               {30, 17}}),
                                                    w, h);
    branch.stamp(cell, artcolour::branchBrown, artcolour::black, 1);

    PixelMask::ellipse(QRect(QPoint(6, 27), QPoint(38, 57)), w, h)
            .stamp(cell, artcolour::sevenRed, artcolour::black, 2);
    PixelMask::ellipse(QRect(QPoint(40, 25), QPoint(72, 55)), w, h)
            .stamp(cell, artcolour::sevenRed, artcolour::black, 2);
    drawHighlight(cell, 12, 32);
    drawHighlight(cell, 46, 30);
}

} // namespace sorvex
