#pragma once

class QByteArray;
class QImage;

namespace sorvex {

// A Windows icon file holding one 16-colour (4 bits per pixel) image with
// its transparency mask. The image must be 8-bit indexed with at most 16
// colour table entries; entries with zero alpha become transparent.
// Qt's own ICO writer only writes 32-bit images, hence this one.
QByteArray icoFile(const QImage &indexedImage);

} // namespace sorvex
