#pragma once

#include "strips.h"

#include <array>

namespace sorvex {

// The picture files of the reel strips, left to right, and of the win lamp,
// as the main window loads them and the drawing tool writes them.
inline constexpr std::array<const char *, 3> reelPictureFiles = {"r1.bmp", "r2.bmp", "r3.bmp"};
inline constexpr const char *lampPictureFile = "win.bmp";

constexpr const char *reelPictureFile(Reel reel)
{
    return reelPictureFiles[static_cast<std::size_t>(reel)];
}

} // namespace sorvex
