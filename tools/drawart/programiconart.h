#pragma once

class QImage;

namespace sorvex {

// The program icon: a yellow submersible, 32 x 32 pixels in 16 colours
// (8-bit indexed image whose colour table has exactly 16 entries; entry 0
// is transparent).
QImage programIconImage();

} // namespace sorvex
