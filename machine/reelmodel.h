#pragma once

#include <QtGlobal>

namespace sorvex {

// Where one reel stands. The position p runs 0..21: 1..21 are the 21 stops
// and 0 is a second name for stop 21. The reel's strip picture is drawn at
// vertical offset p * 975 - 20280 twips, so raising p moves the strip one
// 975-twip cell down. The top-row index the judgement sees is 22 - p, with
// p = 0 counted as 21.
//
// The model keeps the position counter and the offset last computed. Every
// move returns the new offset, which the caller writes to the picture at
// once; the picture's offset, not the counter, is what gets judged.
class ReelModel
{
public:
    static constexpr int cellTwips = 975;
    static constexpr int topAtPositionZero = -20280;

    static constexpr qint16 offsetFor(qint16 position)
    {
        return static_cast<qint16>(position * cellTwips + topAtPositionZero);
    }

    // 22 - p, with position 0 counted as stop 21.
    static constexpr int topRowIndex(int position) { return 22 - (position == 0 ? 21 : position); }

    qint16 position() const { return m_position; }
    int topRowIndex() const { return topRowIndex(m_position); }
    // The offset field: 0 until the reel first moves, like every field of a
    // new window, while the picture itself starts at offsetFor(0).
    qint16 offset() const { return m_offset; }

    // One tick of a spinning reel: 1, 2, ..., 20, 21 (kept as 0), 1, ...
    qint16 advance();
    // The ▼ button: one stop forward, 21 (or 0) to 1, 20 to 21.
    qint16 stepDown();
    // The ▲ button: one stop back, 21 (or 0) to 20, 1 to 0.
    qint16 stepUp();

    // The top-row index shown by a picture at the given offset: the nearest
    // position (halves to even), 0 read as 21, subtracted from 22. Throws
    // RuntimeError(Overflow) when the position does not fit in 16 bits.
    static int readBack(double pictureTop);

private:
    qint16 store(qint16 position);

    qint16 m_position = 0;
    qint16 m_offset = 0;
};

} // namespace sorvex
