#include "formfont.h"

#include <QStringList>

namespace sorvex {

QString formFontFamily()
{
    return QStringLiteral("ＭＳ Ｐゴシック");
}

void installFormFontSubstitutes()
{
    QFont::insertSubstitutions(formFontFamily(), QStringList
                               {QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"),
                                QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans JP"),
                                QStringLiteral("VL PGothic"), QStringLiteral("TakaoPGothic")});
}

QFont formFont(qreal points, bool bold)
{
    QFont font(formFontFamily());
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace sorvex
