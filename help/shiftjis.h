#pragma once

#include <QByteArrayView>
#include <QString>

namespace sorvex {

// Decodes Shift-JIS as Windows code page 932 does. Every byte sequence that
// is not valid code page 932 (a stray trail byte, an unassigned code, a lead
// byte cut off by the end of the data) becomes U+FFFD, so that damage shows
// on screen instead of vanishing.
QString decodeShiftJis(QByteArrayView bytes);

} // namespace sorvex
