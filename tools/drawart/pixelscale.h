#pragma once

class QImage;

namespace sorvex {

// Enlarges a picture by a whole factor, each pixel becoming a square block,
// so the pixel art stays sharp. Keeps indexed images indexed.
QImage pixelScaled(const QImage &image, int factor);

} // namespace sorvex
