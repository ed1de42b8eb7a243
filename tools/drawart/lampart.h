#pragma once

class QImage;

namespace sorvex {

inline constexpr int lampWidth = 100;
inline constexpr int lampHeight = 65;

// The win lamp: three red sevens over a speckled sky with the word BIGonly
// across their lower half.
QImage lampImage();

} // namespace sorvex
