#include "symbolart.h"

#include "artcolours.h"
#include "sevenart.h"
#include "symboldrawings.h"

#include <QImage>
#include <QRectF>

namespace sorvex {

namespace {
// Pixel columns 10 to 88 and rows 9 to 55.
const QRectF reelSevenBox(10, 9, 79, 47);
} // namespace

QImage symbolCell(Symbol symbol)
{
    QImage cell(cellWidth, cellHeight, QImage::Format_RGB32);
    cell.fill(artcolour::opaque(artcolour::white));
    switch (symbol) {
    case Symbol::RedSeven:
        drawSeven(cell, reelSevenBox, artcolour::sevenRed, 2, true);
        break;
    case Symbol::BlueSeven:
        drawSeven(cell, reelSevenBox, artcolour::sevenBlue, 2, true);
        break;
    case Symbol::Cherry:
        drawCherry(cell);
        break;
    case Symbol::Plum:
        drawPlum(cell);
        break;
    case Symbol::Replay:
        drawReplay(cell);
        break;
    case Symbol::Torpedo:
        drawTorpedo(cell);
        break;
    case Symbol::Submersible:
        drawSubmersible(cell);
        break;
    }
    return cell;
}

} // namespace sorvex
