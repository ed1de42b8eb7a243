#pragma once

#include "machine/stoppattern.h"

#include <QCache>
#include <QPixmap>

#include <array>

namespace sorvex {

// Small pictures of what the reel windows show, cut once from the strip
// pictures the main window loaded (cell k of a strip, 65 px high, shows the
// symbol at top-row index k).
class SymbolPictures
{
public:
    static constexpr QSize cellSize {30, 20};

    // Strips of another height than the artwork's give no pictures.
    explicit SymbolPictures(const std::array<QPixmap, 3> &strips);

    bool isEmpty() const { return m_cells[0].empty(); }
    // The 3 x 3 window for a pattern, reels side by side; null when empty.
    QPixmap windowPicture(const StopPattern &pattern) const;

private:
    // By reel, then top-row index - 1.
    std::array<std::vector<QPixmap>, 3> m_cells;
    mutable QCache<int, QPixmap> m_windows;
};

} // namespace sorvex
