#include "stripart.h"

#include "symbolart.h"

#include <QImage>
#include <QPainter>

namespace sorvex {

QImage stripImage(Reel reel)
{
    const Strip &symbols = strip(reel);
    QImage image(cellWidth, stripHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int cell = 0; cell * cellHeight < stripHeight; ++cell) {
        // Cell k shows the stop with top-row index k, wrapped onto 1..21.
        const Symbol symbol = symbols[static_cast<std::size_t>(wrapTopRowIndex(cell) - 1)];
        painter.drawImage(0, cell * cellHeight, symbolCell(symbol));
    }
    return image;
}

} // namespace sorvex
