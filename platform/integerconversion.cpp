#include "integerconversion.h"

#include "runtimeerror.h"

#include <QRegularExpression>
#include <QString>

#include <cfenv>
#include <cmath>

namespace sorvex {

qint16 floatToInt16(double value)
{
    // nearbyint rounds in the current mode, which is to-nearest-even unless
    // someone changed it; say so explicitly rather than rely on it.
    const int savedMode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(savedMode);
    if (!(rounded >= -32768.0 && rounded <= 32767.0))
        throw RuntimeError(ErrorNumber::Overflow);
    return static_cast<qint16>(rounded);
}

qint16 textToInt16(QStringView text)
{
    // Full-width digits and signs typed through an input method become ASCII.
    const QString normalized = text.toString().normalized(QString::NormalizationForm_KC).trimmed();
    static const QRegularExpression number(QStringLiteral(R"(\A[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?\z)"));
    if (!number.match(normalized).hasMatch())
        throw RuntimeError(ErrorNumber::TypeMismatch, text.toString());
    // The pattern has already accepted it as a number, so a failed
    // conversion can only be a magnitude beyond double.
    bool ok = false;
    const double value = normalized.toDouble(&ok);
    if (!ok)
        throw RuntimeError(ErrorNumber::Overflow, text.toString());
    try {
        return floatToInt16(value);
    } catch (const RuntimeError &) {
        throw RuntimeError(ErrorNumber::Overflow, text.toString());
    }
}

} // namespace sorvex
