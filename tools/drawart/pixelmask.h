#pragma once

#include <QRect>
#include <QRgb>

#include <vector>

class QImage;
class QPainterPath;
class QPolygonF;

namespace sorvex {

// A set of pixels of a picture, the unit the symbols are built from: each
// part of a symbol is a mask, stamped with a flat fill and a black rim of
// whole pixels. Rims computed on the pixel grid stay 1 or 2 pixels wide on
// every slope, which a stroked outline without smoothing does not.
class PixelMask
{
public:
    PixelMask(int width, int height);

    // Pixels whose centres lie inside the path.
    static PixelMask fromPath(const QPainterPath &path, int width, int height);
    static PixelMask fromPolygon(const QPolygonF &polygon, int width, int height);
    // The ellipse that touches every edge of box (inclusive pixel bounds).
    static PixelMask ellipse(const QRect &box, int width, int height);
    static PixelMask rectangle(const QRect &box, int width, int height);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool contains(int x, int y) const;
    void set(int x, int y, bool on);

    PixelMask united(const PixelMask &other) const;
    PixelMask subtracted(const PixelMask &other) const;
    PixelMask intersected(const PixelMask &other) const;
    // Keeps the pixels with no outside pixel within radius (so radius 1
    // peels the pixels that touch the outside edge-on).
    PixelMask eroded(int radius = 1) const;
    // Adds the pixels with a mask pixel within radius.
    PixelMask dilated(int radius = 1) const;

    // Paints the mask at offset: the inner rim of rimWidth pixels in rim, the
    // rest in fill.
    void stamp(QImage &image, QRgb fill, QRgb rim, int rimWidth, QPoint offset = {}) const;
    // Paints every pixel of the mask in one colour.
    void paint(QImage &image, QRgb colour, QPoint offset = {}) const;

private:
    template<typename Rule>
    PixelMask combined(const PixelMask &other, Rule rule) const;
    PixelMask stepped(int radius, bool erode) const;

    int m_width;
    int m_height;
    std::vector<bool> m_pixels;
};

} // namespace sorvex
