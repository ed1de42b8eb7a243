#pragma once

#include <QString>

#include <optional>

namespace sorvex {

// An interval read from one of the main window's two boxes: the value to
// run with and the text the box holds afterwards (a default written back,
// or the text as typed).
struct IntervalReading
{
    qint16 milliseconds;
    QString boxText;
};

// The reel step interval for an empty box or one that converts to 0.
inline constexpr qint16 standardReelInterval = 100;
// The sequencer interval for a box holding exactly "0", and for an empty box.
inline constexpr qint16 sequencerIntervalForZero = 950;
inline constexpr qint16 sequencerIntervalForEmpty = 900;

// Text typed into a box must convert to a whole number from 0 to 32767,
// fractions rounded. Anything else (letters, negatives, values beyond 16
// bits) gives no reading, and the caller leaves the window as it is.

// The reel step interval: empty text and any text that converts to 0 give
// standardReelInterval, written back into the box.
std::optional<IntervalReading> readReelInterval(const QString &text);

// The sequencer interval, tested on the text as typed: exactly "0" and the
// empty text give their own intervals above (each written back); any other
// text is converted and used unchanged, 0 included, which leaves the
// sequencer silent.
std::optional<IntervalReading> readSequencerInterval(const QString &text);

} // namespace sorvex
