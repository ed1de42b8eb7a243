#pragma once

#include <QStringList>

class QStringView;

namespace sorvex {

// Splits text into lines the way the runtime's sequential "read line" does:
// a line ends at CR or at CR LF, and the terminator is dropped. A lone LF does
// not end a line; it stays inside it. A final line without a terminator is
// still a line; a terminator at the very end does not start an empty one.
QStringList splitRuntimeLines(QStringView text);

} // namespace sorvex
