#include "formfont.h"

#include <QStringList>

namespace sorvex {

QString formFontFamily()
{
    return QStringLiteral("ＭＳ Ｐゴシック");
}

void installFormFontSubstitutes()
{
    QFont::insertSubstitutions(formFontFamily(),
                               QStringList {QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"),
                                            QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans JP"),
                                            QStringLiteral("VL PGothic"), QStringLiteral("TakaoPGothic")});
}

QFont formFont(qreal points, bool bold)
{
    QFont font(formFontFamily());
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    // Whole-pixel glyph advances, as the windows were laid out with: a
    // synthesised bold then widens every glyph by one pixel. With fractional
    // advances the text runs narrower, and the labels' runs of blanks no
    // longer push the next phrase onto a new line where the layout expects it.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

} // namespace sorvex
