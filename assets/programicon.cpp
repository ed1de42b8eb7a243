#include "programicon.h"

#include <QIcon>

namespace sorvex {

QIcon programIcon()
{
    // The larger sizes are the same pixels enlarged, for high-density screens.
    QIcon builtIn(QStringLiteral(":/icons/sorvex.png"));
    builtIn.addFile(QStringLiteral(":/icons/hicolor/64x64/apps/io.github.sorvex.Sorvex.png"));
    builtIn.addFile(QStringLiteral(":/icons/hicolor/128x128/apps/io.github.sorvex.Sorvex.png"));
    return QIcon::fromTheme(QLatin1String(applicationId), builtIn);
}

} // namespace sorvex
