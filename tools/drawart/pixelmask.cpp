#include "pixelmask.h"

#include "artcolours.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace sorvex {

PixelMask::PixelMask(int width, int height)
    : m_width(width), m_height(height), m_pixels(static_cast<std::size_t>(width * height), false)
{
}

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

PixelMask PixelMask::united(const PixelMask &other) const
{
    PixelMask result = *this;
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            if (other.contains(x, y))
                result.set(x, y, true);
        }
    }
    return result;
}

PixelMask PixelMask::subtracted(const PixelMask &other) const
{
    PixelMask result = *this;
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            if (other.contains(x, y))
                result.set(x, y, false);
        }
    }
    return result;
}

PixelMask PixelMask::intersected(const PixelMask &other) const
{
    PixelMask result(m_width, m_height);
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x)
            result.set(x, y, contains(x, y) && other.contains(x, y));
    }
    return result;
}

PixelMask PixelMask::eroded(int steps) const
{
    PixelMask result = *this;
    for (int step = 0; step < steps; ++step) {
        PixelMask next(m_width, m_height);
        for (int y = 0; y < m_height; ++y) {
            for (int x = 0; x < m_width; ++x) {
                next.set(x, y,
                         result.contains(x, y) && result.contains(x - 1, y) && result.contains(x + 1, y)
                             && result.contains(x, y - 1) && result.contains(x, y + 1));
            }
        }
        result = next;
    }
    return result;
}

PixelMask PixelMask::dilated(int steps) const
{
    PixelMask result = *this;
    for (int step = 0; step < steps; ++step) {
        PixelMask next(m_width, m_height);
        for (int y = 0; y < m_height; ++y) {
            for (int x = 0; x < m_width; ++x) {
                next.set(x, y,
                         result.contains(x, y) || result.contains(x - 1, y) || result.contains(x + 1, y)
                             || result.contains(x, y - 1) || result.contains(x, y + 1));
            }
        }
        result = next;
    }
    return result;
}

PixelMask PixelMask::translated(int dx, int dy) const
{
    PixelMask result(m_width, m_height);
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            if (contains(x, y))
                result.set(x + dx, y + dy, true);
        }
    }
    return result;
}

QRect PixelMask::bounds() const
{
    QRect box;
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            if (contains(x, y))
                box = box.united(QRect(x, y, 1, 1));
        }
    }
    return box;
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
