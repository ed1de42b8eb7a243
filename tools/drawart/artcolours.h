#pragma once

#include <QColor>

// The flat colours the pictures are drawn in, without smoothing. Each
// channel is one of 0x00, 0x40, 0x80, 0xc0 and 0xff.
namespace sorvex::artcolour {

inline constexpr QRgb white = 0xffffffu;
inline constexpr QRgb black = 0x000000u;
inline constexpr QRgb lightGrey = 0xc0c0c0u;
inline constexpr QRgb grey = 0x808080u;
inline constexpr QRgb sevenRed = 0xff0080u;
inline constexpr QRgb sevenBlue = 0x0000ffu;
inline constexpr QRgb branchBrown = 0x804000u;
inline constexpr QRgb leafGreen = 0x008000u;
inline constexpr QRgb plumCyan = 0x00ffffu;
inline constexpr QRgb stemOlive = 0x808040u;
inline constexpr QRgb stemDarkOlive = 0x808000u;
inline constexpr QRgb replayOrange = 0xff8040u;
inline constexpr QRgb torpedoGreen = 0x008000u;
inline constexpr QRgb boatYellow = 0xffff00u;
inline constexpr QRgb paleYellow = 0xffff80u;
inline constexpr QRgb stripeMagenta = 0xff0080u;
inline constexpr QRgb portholeBlue = 0x0080ffu;
inline constexpr QRgb skyBlue = 0x0080ffu;
inline constexpr QRgb violet = 0x4000ffu;
inline constexpr QRgb lavender = 0x8080ffu;
inline constexpr QRgb deepBlue = 0x0000ffu;
inline constexpr QRgb darkBlueGreen = 0x004080u;
inline constexpr QRgb navy = 0x000080u;

// QImage stores opaque pixels with a full alpha byte.
constexpr QRgb opaque(QRgb rgb)
{
    return 0xff000000u | rgb;
}

} // namespace sorvex::artcolour
