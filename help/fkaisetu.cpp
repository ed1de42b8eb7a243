#include "fkaisetu.h"

#include "platform/formbutton.h"
#include "platform/formcontrols.h"
#include "platform/formfont.h"
#include "platform/twips.h"

#include <QLabel>
#include <QPushButton>

namespace sorvex {

namespace {

struct SampleRow
{
    int top;
    const char16_t *sample;
    int sampleHeight;
    const char16_t *explanation;
    int explanationWidth;
    int explanationHeight;
};

constexpr SampleRow sampleRows[] = {
        {1560, u"リーチ目 ＢＩＧです。", 375, u"ＢＩＧのリーチ目です。", 3495, 375},
        {2160, u"止まりません。", 375, u"重複子役のため止まりません。", 3495, 375},
        {2760, u"はずれ", 375, u"はずれ（止まらない外れ目もあり）、または、     子役の取りこぼしも含みます。", 4335,
         375},
        {3360, u"リーチ目だけど、      止まらない？", 495,
         u"２リール確定や子役はずれのリーチ目等で、   第３リールが止まらない事を示します。", 4095, 495},
        {4080, u"子役の取りこぼし      ｏｒ ボーナス", 495,
         u"子役の取りこぼし ｏｒ ボーナス の時に止まる目です。（外れの時に出る目は、除きました。）", 4095, 495},
};

void setTextColour(QLabel *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

// A sample looks like the main window's judgement display: a boxed label on
// the tool-tip background.
void makeSampleBox(QLabel *label)
{
    label->setFrameShape(QFrame::Box);
    label->setFrameShadow(QFrame::Plain);
    label->setLineWidth(1);
    label->setBackgroundRole(QPalette::ToolTipBase);
    label->setForegroundRole(QPalette::ToolTipText);
    label->setAutoFillBackground(true);
}

} // namespace

Fkaisetu::Fkaisetu(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Fkaisetu"));
    setFixedToolFrame(this, QStringLiteral("解説用語の説明"), twipsRect(0, 0, 6810, 6615).size());

    const QFont font = formFont(9.75, true);

    QLabel *rules = addLabel(this,
                             QStringLiteral("リーチ目は、３枚がけ、順押しが基準です。                             "
                                            "挟み打ちの場合も、リーチ目になりますが、子役はずれの物は、   "
                                            "順押しでリーチ目になる物以外、すべて無効です。                    "
                                            "たとえば、中リールの「チェリー、プラム、チェリー」は、順押しでも、 "
                                            "リーチ目になる出目だけがリーチ目になります。                        "
                                            "さらに、１，２枚がけ 及び、中押し、逆押しは、除きます"),
                             twipsRect(240, 120, 5895, 1275), font);
    setTextColour(rules, QColor(0, 0, 255));

    for (const SampleRow &row : sampleRows) {
        makeSampleBox(
                addLabel(this, QString::fromUtf16(row.sample), twipsRect(120, row.top, 2055, row.sampleHeight), font));
        addLabel(this, QString::fromUtf16(row.explanation),
                 twipsRect(2280, row.top, row.explanationWidth, row.explanationHeight), font);
    }

    addLabel(this, QStringLiteral("お断り"), twipsRect(120, 4680, 855, 255), font);
    addLabel(this,
             QStringLiteral(
                     "リール制御を解析したわけでは、無いので、止まらない目で止まるかもしれません。ご了承ください。"),
             twipsRect(120, 5040, 4695, 495), font);
    addLabel(this,
             QStringLiteral("「リーチ目だけど止まらない」の基準は、参考にした リーチ目表に無いものに付けました。 "
                            "またこの場合、ボーナス成立後の子役を取りこぼした時は、 止まる可能性があります。"),
             twipsRect(120, 5520, 4695, 855), font);

    m_Command1 = addButton(this, QStringLiteral("ＯＫ"), twipsRect(5040, 5940, 1575, 495), formFont(14.25, true));
    m_Command1->setObjectName(QStringLiteral("Command1"));
    connect(m_Command1, &QPushButton::clicked, this, &QWidget::hide);
    m_Command1->setFocus();
}

} // namespace sorvex
