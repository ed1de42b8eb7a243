#include "pixelmask.h"

#include "artcolours.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace sorvex {

PixelMask::PixelMask(int width, int height)
    : m_width(width)
    , m_height(height)
    , m_pixels(static_cast<std::size_t>(width * height), false)
{}

PixelMask PixelMask::fromPath(const QPainterPath &path, int width, int height)
{
    QImage canvas(width, height, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.fillPath(path, Qt::white);
    }
    PixelMask mask(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            mask.set(x, y, canvas.pixel(x, y) == artcolour::opaque(artcolour::white));
    }
    return mask;
}

PixelMask PixelMask::fromPolygon(const QPolygonF &polygon, int width, int height)
{
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return fromPath(path, width, height);
}

PixelMask PixelMask::ellipse(const QRect &box, int width, int height)
{
    // Measured on pixel centres with the radii grown by half a pixel, so
    // the extreme pixels of every side of the box are part of the ellipse.
    const double cx = (box.left() + box.right()) / 2.0;
    const double cy = (box.top() + box.bottom()) / 2.0;
    const double rx = box.width() / 2.0;
    const double ry = box.height() / 2.0;
    PixelMask mask(width, height);
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const double u = (x - cx) / rx;
            const double v = (y - cy) / ry;
            mask.set(x, y, u * u + v * v <= 1.0);
        }
    }
    return mask;
}

PixelMask PixelMask::rectangle(const QRect &box, int width, int height)
{
    PixelMask mask(width, height);
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x)
            mask.set(x, y, true);
    }
    return mask;
}

bool PixelMask::contains(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return false;
    return m_pixels[static_cast<std::size_t>(y * m_width + x)];
}

void PixelMask::set(int x, int y, bool on)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    m_pixels[static_cast<std::size_t>(y * m_width + x)] = on;
}

template<typename Rule>
PixelMask PixelMask::combined(const PixelMask &other, Rule rule) const
{
    PixelMask result(m_width, m_height);
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x)
            result.set(x, y, rule(contains(x, y), other.contains(x, y)));
    }
    return result;
}

PixelMask PixelMask::united(const PixelMask &other) const
{
    return combined(other, [](bool mine, bool theirs) { return mine || theirs; });
}

PixelMask PixelMask::subtracted(const PixelMask &other) const
{
    return combined(other, [](bool mine, bool theirs) { return mine && !theirs; });
}

PixelMask PixelMask::intersected(const PixelMask &other) const
{
    return combined(other, [](bool mine, bool theirs) { return mine && theirs; });
}

PixelMask PixelMask::eroded(int radius) const
{
    return stepped(radius, true);
}

PixelMask PixelMask::dilated(int radius) const
{
    return stepped(radius, false);
}

PixelMask PixelMask::stepped(int radius, bool erode) const
{
    // A round neighbourhood keeps a rim equally thick on slopes and on
    // straight edges.
    PixelMask result(m_width, m_height);
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            bool any = false;
            bool all = true;
            for (int dy = -radius; dy <= radius; ++dy) {
                for (int dx = -radius; dx <= radius; ++dx) {
                    if (dx * dx + dy * dy > radius * radius)
                        continue;
                    const bool inside = contains(x + dx, y + dy);
                    any = any || inside;
                    all = all && inside;
                }
            }
            result.set(x, y, erode ? all : any);
        }
    }
    return result;
}

void PixelMask::stamp(QImage &image, QRgb fill, QRgb rim, int rimWidth, QPoint offset) const
{
    const PixelMask inner = eroded(rimWidth);
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            if (!contains(x, y))
                continue;
            const QPoint target(x + offset.x(), y + offset.y());
            if (image.rect().contains(target))
                image.setPixel(target, artcolour::opaque(inner.contains(x, y) ? fill : rim));
        }
    }
}

void PixelMask::paint(QImage &image, QRgb colour, QPoint offset) const
{
    stamp(image, colour, colour, 0, offset);
}

} // namespace sorvex
