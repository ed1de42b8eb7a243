#include "linereader.h"

#include <QStringView>

namespace sorvex {

QStringList splitRuntimeLines(QStringView text)
{
    QStringList lines;
    qsizetype lineStart = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (text[i] != u'\r')
            continue;
        lines.append(text.mid(lineStart, i - lineStart).toString());
        if (i + 1 < size && text[i + 1] == u'\n')
            ++i;
        lineStart = i + 1;
    }
    if (lineStart < size)
        lines.append(text.mid(lineStart).toString());
    return lines;
}

} // namespace sorvex
