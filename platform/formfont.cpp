#include "formfont.h"

#include <QFontInfo>
#include <QFontMetrics>
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

QFont formNumberFont(const QFont &font)
{
    // Half an em, and a pixel more for a synthesised bold, as in the design
    // face; a face whose digits are that wide already is left as it is.
    const QFontMetrics metrics(font);
    const int halfEm = (QFontInfo(font).pixelSize() + 1) / 2 + (font.bold() ? 1 : 0);
    const int tightening = halfEm - metrics.horizontalAdvance(u'0');
    if (tightening >= 0)
        return font;
    QFont numbers = font;
    numbers.setLetterSpacing(QFont::AbsoluteSpacing, tightening);
    return numbers;
}

} // namespace sorvex
