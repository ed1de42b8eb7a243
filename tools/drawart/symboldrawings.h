#pragma once

class QImage;

// Each draws one symbol into a white 100 x 65 reel cell. The sevens are
// sevenart.h, shared with the lamp.
namespace sorvex {

void drawCherry(QImage &cell);
void drawPlum(QImage &cell);
void drawReplay(QImage &cell);
void drawTorpedo(QImage &cell);
void drawSubmersible(QImage &cell);

} // namespace sorvex
