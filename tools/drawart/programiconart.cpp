#include "programiconart.h"

#include "artcolours.h"

#include <QImage>

#include <array>
#include <string_view>

namespace sorvex {

namespace {

// Drawn pixel by pixel: at 32 x 32 a hand-placed outline reads far better
// than scaled-down shapes. One letter per pixel, see iconPalette.
constexpr std::array<std::string_view, 32> iconPixels = {
        "................................", "................................", "................................",
        "........KKKKKK..................", "........KBGGGK..................", "........KKKKGK..................",
        "...........KGK..................", "...........KGK..................", ".......KKKKKKKKKK...............",
        "......KLLYYYYYYYOK.......KKKK...", "......KLYYYYYYYYOK.......KLLK...", "......KLYYYYYYYYOK.......KLLK...",
        "......KLYYYYYYYYOK......KLLOK...", "....KKKKKKKKKKKKKKKKKKKKKLLOK...", "..KKLLLLLLLLLLLLLLLLLLLLLLLLKK..",
        ".KLLYYYYYYYYYYYYYYYYYYYYYYYYYOK.", ".KLYYYKKYYKKKKYKKKKYKKKKYYYYYOKD", "KLYYYKBBKYKBBKYKBBKYKBBKYYYYYOKG",
        "KLYYYKBBKYKBWKYKBWKYKBWKYYYYYOKG", "KLYYYYKKYYKKKKYKKKKYKKKKYYYYYOKG", "KMMMMMMMMMMMMMMMMMMMMMMMMMMMMMKG",
        "KMMMMMMMMMMMMMMMMMMMMMMMMMMMMMKG", ".KOYYYYYYYYYYYYYYYYYYYYYYYYYYOKG", ".KOOYYYYYYYYYYYYYYYYYYYYYYYYOOKD",
        "..KKOOOOOOOOOOOOOOOOOOOOOOOOKK..", "....KKKKKKKKKKKKKKKKKKKKKLLOK...", "........................KLLOK...",
        ".........................KLLK...", ".........................KLLK...", ".........................KKKK...",
        "................................", "................................",
};

struct PaletteEntry
{
    char letter;
    QRgb colour;
};

constexpr std::array<PaletteEntry, 16> iconPalette = {{
        {'.', 0x00000000u},
        {'K', artcolour::opaque(artcolour::black)},
        {'Y', artcolour::opaque(artcolour::boatYellow)},
        {'L', artcolour::opaque(artcolour::paleYellow)},
        {'O', artcolour::opaque(artcolour::stemDarkOlive)},
        {'M', artcolour::opaque(artcolour::stripeMagenta)},
        {'B', artcolour::opaque(artcolour::portholeBlue)},
        {'G', artcolour::opaque(artcolour::lightGrey)},
        {'D', artcolour::opaque(artcolour::grey)},
        {'W', artcolour::opaque(artcolour::white)},
        {'N', artcolour::opaque(artcolour::navy)},
        {'C', artcolour::opaque(artcolour::plumCyan)},
        {'R', artcolour::opaque(0x800000u)},
        {'g', artcolour::opaque(artcolour::leafGreen)},
        {'b', artcolour::opaque(artcolour::sevenBlue)},
        {'t', artcolour::opaque(0x008080u)},
}};

constexpr bool gridIsSquare()
{
    for (std::string_view row : iconPixels) {
        if (row.size() != iconPixels.size())
            return false;
    }
    return true;
}
static_assert(gridIsSquare(), "every icon row must hold 32 pixels");

int paletteIndex(char letter)
{
    for (std::size_t i = 0; i < iconPalette.size(); ++i) {
        if (iconPalette[i].letter == letter)
            return static_cast<int>(i);
    }
    return 0;
}

} // namespace

QImage programIconImage()
{
    constexpr int size = static_cast<int>(iconPixels.size());
    QImage image(size, size, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (const PaletteEntry &entry : iconPalette)
        table.append(entry.colour);
    image.setColorTable(table);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x)
            image.setPixel(x, y, static_cast<uint>(paletteIndex(iconPixels[y][x])));
    }
    return image;
}

} // namespace sorvex
