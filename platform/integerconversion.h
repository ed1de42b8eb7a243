#pragma once

#include <QtGlobal>

class QStringView;

namespace sorvex {

// Conversions to the runtime's 16-bit signed integer. Both round to the
// nearest integer with halves going to the even neighbour, as the forms
// runtime does.

// Throws RuntimeError: TypeMismatch for text that is not a number (the empty
// text included), Overflow for a value outside -32768..32767. Blanks around
// the number are allowed, as are a sign, a decimal fraction, an exponent and
// full-width digits.
qint16 textToInt16(QStringView text);

// Throws RuntimeError(Overflow) outside -32768..32767 and for NaN.
qint16 floatToInt16(double value);

} // namespace sorvex
