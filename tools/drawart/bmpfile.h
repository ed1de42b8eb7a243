#pragma once

class QByteArray;
class QImage;

namespace sorvex {

// A Windows bitmap: 40-byte information header, 24 bits per pixel,
// uncompressed, rows bottom-up.
QByteArray bmpFile(const QImage &image);

} // namespace sorvex
