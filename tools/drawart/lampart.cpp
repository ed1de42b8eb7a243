#include "lampart.h"

#include "artcolours.h"
#include "pixelmask.h"
#include "sevenart.h"

#include <QImage>
#include <QRectF>

#include <array>
#include <random>
#include <string_view>

namespace sorvex {

namespace {

// Letters on a 9-row grid: rows 0 to 6 hold capitals and ascenders, rows 7
// and 8 the tail of the y. Drawn from glyphs rather than a font so the lamp
// comes out the same on every system.
struct Glyph
{
    std::array<std::string_view, 9> rows;
};

constexpr std::array<Glyph, 7> word = {{
        {{"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####.", ".....", "....."}},
        {{"###", ".#.", ".#.", ".#.", ".#.", ".#.", "###", "...", "..."}},
        {{".###.", "#...#", "#....", "#..##", "#...#", "#...#", ".###.", ".....", "....."}},
        {{".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###.", ".....", "....."}},
        {{".....", ".....", "####.", "#...#", "#...#", "#...#", "#...#", ".....", "....."}},
        {{"#", "#", "#", "#", "#", "#", "#", ".", "."}},
        {{".....", ".....", "#...#", "#...#", "#...#", "#...#", ".####", "....#", "####."}},
}};

constexpr int glyphScale = 2;
constexpr int letterGap = 1;

int wordWidth()
{
    int width = -letterGap;
    for (const Glyph &glyph : word)
        width += static_cast<int>(glyph.rows[0].size()) + letterGap;
    return width * glyphScale;
}

PixelMask wordMask(int left, int top)
{
    PixelMask mask(lampWidth, lampHeight);
    int x0 = left;
    for (const Glyph &glyph : word) {
        for (int row = 0; row < static_cast<int>(glyph.rows.size()); ++row) {
            for (int column = 0; column < static_cast<int>(glyph.rows[row].size()); ++column) {
                if (glyph.rows[row][column] != '#')
                    continue;
                for (int dy = 0; dy < glyphScale; ++dy) {
                    for (int dx = 0; dx < glyphScale; ++dx)
                        mask.set(x0 + column * glyphScale + dx, top + row * glyphScale + dy, true);
                }
            }
        }
        x0 += (static_cast<int>(glyph.rows[0].size()) + letterGap) * glyphScale;
    }
    return mask;
}

// Rows of the sky: speckled sky blue above, the cyan band behind the middle
// of the sevens, speckled deep blue below.
constexpr int bandTop = 18;
constexpr int bandBottom = 31;

void drawSky(QImage &lamp)
{
    // A fixed generator whose sequence the C++ standard defines, so the
    // speckles never move.
    std::minstd_rand speckle(1997);
    for (int y = 0; y < lampHeight; ++y) {
        for (int x = 0; x < lampWidth; ++x) {
            const unsigned roll = static_cast<unsigned>(speckle() % 100);
            QRgb colour;
            if (y < bandTop)
                colour = roll < 8 ? artcolour::violet : roll < 18 ? artcolour::lavender : artcolour::skyBlue;
            else if (y <= bandBottom)
                colour = artcolour::plumCyan;
            else
                colour = roll < 10 ? artcolour::darkBlueGreen : roll < 16 ? artcolour::violet : artcolour::deepBlue;
            lamp.setPixel(x, y, artcolour::opaque(colour));
        }
    }
}

} // namespace

QImage lampImage()
{
    QImage lamp(lampWidth, lampHeight, QImage::Format_RGB32);
    drawSky(lamp);
    for (double left : {3.0, 35.0, 67.0})
        drawSeven(lamp, QRectF(left, 3, 31, 42), artcolour::sevenRed, 1, false);

    const PixelMask letters = wordMask((lampWidth - wordWidth()) / 2, 41);
    letters.dilated().paint(lamp, artcolour::black);
    letters.paint(lamp, artcolour::paleYellow);
    return lamp;
}

} // namespace sorvex
