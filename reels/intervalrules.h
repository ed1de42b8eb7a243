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

// Text typed into a box must convert to a whole number from 0 to 32767,
// fractions rounded. Anything else (letters, negatives, values beyond 16
// bits) gives no reading, and the caller leaves the window as it is.

// The reel step interval: empty text and any text that converts to 0 give
// 100, written back as "100".
std::optional<IntervalReading> readReelInterval(const QString &text);

// The sequencer interval, tested on the text as typed: exactly "0" gives
// 950, the empty text 900 (each written back); any other text is converted
// and used unchanged, 0 included, which leaves the sequencer silent.
std::optional<IntervalReading> readSequencerInterval(const QString &text);

} // namespace sorvex
