#pragma once

#include <QRgb>

class QImage;
class QRectF;

namespace sorvex {

// The slanted figure seven of the reels and the lamp, filled in colour with
// a black rim, fitted to box (in continuous pixel coordinates: a box from
// 10 to 89 covers pixel columns 10 to 88). The hollow slit in the stem
// needs a seven of reel size to show as more than a smudge.
void drawSeven(QImage &image, const QRectF &box, QRgb colour, int rimWidth, bool withSlit);

} // namespace sorvex
