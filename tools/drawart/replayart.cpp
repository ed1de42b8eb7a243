#include "artcolours.h"
#include "pixelmask.h"
#include "symbolart.h"
#include "symboldrawings.h"

#include <QImage>

namespace sorvex {

namespace {
constexpr int w = cellWidth;
constexpr int h = cellHeight;

void blackRect(QImage &cell, int left, int top, int right, int bottom)
{
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x)
            cell.setPixel(x, y, artcolour::opaque(artcolour::black));
    }
}
} // namespace

void drawReplay(QImage &cell)
{
    PixelMask::ellipse(QRect(QPoint(14, 7), QPoint(87, 53)), w, h)
            .stamp(cell, artcolour::replayOrange, artcolour::black, 2);

    // The cross hair: two-pixel dots with two-pixel gaps, meeting at the centre.
    constexpr int cx = 50;
    constexpr int cy = 29;
    for (int x = cx - 28; x <= cx + 28; x += 4)
        blackRect(cell, x, cy, x + 1, cy + 1);
    for (int y = cy - 16; y <= cy + 16; y += 4)
        blackRect(cell, cx, y, cx + 1, y + 1);

    // Four corner brackets frame the centre like a gun sight.
    constexpr int dx = 13;
    constexpr int dy = 9;
    constexpr int arm = 6;
    for (int sx : {-1, 1}) {
        for (int sy : {-1, 1}) {
            const int x = sx < 0 ? cx - dx : cx + 1 + dx;
            const int y = sy < 0 ? cy - dy : cy + 1 + dy;
            const int armEndX = x - sx * arm;
            const int armEndY = y - sy * arm;
            blackRect(cell, std::min(x, armEndX), std::min(y, y - sy), std::max(x, armEndX), std::max(y, y - sy));
            blackRect(cell, std::min(x, x - sx), std::min(y, armEndY), std::max(x, x - sx), std::max(y, armEndY));
        }
    }
}

} // namespace sorvex
