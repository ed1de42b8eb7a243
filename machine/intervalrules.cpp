#include "intervalrules.h"

#include "platform/integerconversion.h"
#include "platform/runtimeerror.h"

namespace sorvex {

namespace {

std::optional<qint16> wholeNumber(const QString &text)
{
    try {
        const qint16 value = textToInt16(text);
        if (value < 0)
            return std::nullopt;
        return value;
    } catch (const RuntimeError &) {
        return std::nullopt;
    }
}

} // namespace

std::optional<IntervalReading> readReelInterval(const QString &text)
{
    const IntervalReading standard {standardReelInterval, QString::number(standardReelInterval)};
    if (text.isEmpty())
        return standard;
    const std::optional<qint16> value = wholeNumber(text);
    if (!value)
        return std::nullopt;
    if (*value == 0)
        return standard;
    return IntervalReading {*value, text};
}

std::optional<IntervalReading> readSequencerInterval(const QString &text)
{
    if (text == QLatin1String("0"))
        return IntervalReading {sequencerIntervalForZero, QString::number(sequencerIntervalForZero)};
    if (text.isEmpty())
        return IntervalReading {sequencerIntervalForEmpty, QString::number(sequencerIntervalForEmpty)};
    const std::optional<qint16> value = wholeNumber(text);
    if (!value)
        return std::nullopt;
    return IntervalReading {*value, text};
}

} // namespace sorvex
