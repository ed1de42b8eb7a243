#include "symbolpictures.h"

#include "patternindex.h"

#include <QPainter>

namespace sorvex {

namespace {

constexpr int stripCellPixels = 65;
constexpr int stripHeightPixels = 1660;
// Columns 1..95 are what the reel window shows; the rest lies under the bars.
constexpr QRect visibleColumns(1, 0, 95, stripCellPixels);
constexpr int gap = 1;

} // namespace

SymbolPictures::SymbolPictures(const std::array<QPixmap, 3> &strips)
    : m_windows(2000)
{
    for (const QPixmap &strip : strips) {
        if (strip.height() != stripHeightPixels || strip.width() < visibleColumns.right() + 1)
            return;
    }
    for (std::size_t reel = 0; reel < strips.size(); ++reel) {
        for (int t = 1; t <= stopCount; ++t) {
            const QPixmap cell = strips[reel].copy(visibleColumns.translated(0, t * stripCellPixels));
            m_cells[reel].push_back(cell.scaled(cellSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        }
    }
}

QPixmap SymbolPictures::windowPicture(const StopPattern &pattern) const
{
    if (isEmpty() || !isValidPattern(pattern))
        return {};
    const int key = patternIndex(pattern);
    if (const QPixmap *cached = m_windows.object(key))
        return *cached;

    auto *picture = new QPixmap(3 * cellSize.width() + 2 * gap, 3 * cellSize.height() + 2 * gap);
    picture->fill(Qt::black);
    QPainter painter(picture);
    const int tops[] = {pattern.t1, pattern.t2, pattern.t3};
    for (int reel = 0; reel < 3; ++reel) {
        for (int row = 0; row < 3; ++row) {
            const int t = wrapTopRowIndex(tops[reel] + row);
            painter.drawPixmap(reel * (cellSize.width() + gap), row * (cellSize.height() + gap), m_cells[reel][t - 1]);
        }
    }
    painter.end();
    const QPixmap result = *picture;
    m_windows.insert(key, picture);
    return result;
}

} // namespace sorvex
