#include "sevenart.h"

#include "artcolours.h"
#include "pixelmask.h"

#include <QImage>
#include <QPolygonF>
#include <QRectF>

#include <array>

namespace sorvex {

namespace {

// The outline on a 79 x 47 design grid, the size of the reel seven. The
// notch at the top left and the slit in the stem are what players know the
// machine's sevens by, so they are kept at every size.
constexpr std::array<QPointF, 10> outline = {{
        {4, 4}, // left end of the bar, one step below the rest of its top edge
        {17, 4},
        {20, 0}, // riser of the step
        {79, 0},
        {77, 13}, // right end of the bar, leaning like the whole figure
        {46, 47}, // the stem runs down to the left
        {15, 47},
        {46, 16},
        {0, 16}, // underside of the bar back to its left end
        {4, 4},
}};

constexpr std::array<QPointF, 4> slit = {{
        {58, 18},
        {63, 18},
        {52, 30},
        {47, 30},
}};

constexpr double designWidth = 79;
constexpr double designHeight = 47;

QPolygonF fitted(const auto &points, const QRectF &box)
{
    QPolygonF polygon;
    for (const QPointF &point : points) {
        polygon << QPointF(box.left() + point.x() * box.width() / designWidth,
                           box.top() + point.y() * box.height() / designHeight);
    }
    return polygon;
}

} // namespace

void drawSeven(QImage &image, const QRectF &box, QRgb colour, int rimWidth, bool withSlit)
{
    const int w = image.width();
    const int h = image.height();
    const QImage background = image.copy();
    PixelMask::fromPolygon(fitted(outline, box), w, h).stamp(image, colour, artcolour::black, rimWidth);
    if (!withSlit)
        return;
    // The slit is hollow: whatever lies behind the seven shows through it.
    const PixelMask hole = PixelMask::fromPolygon(fitted(slit, box), w, h);
    hole.paint(image, artcolour::black);
    const PixelMask inside = hole.eroded();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (inside.contains(x, y))
                image.setPixel(x, y, background.pixel(x, y));
        }
    }
}

} // namespace sorvex
