#include "form4.h"

#include "platform/formbutton.h"
#include "platform/formcontrols.h"
#include "platform/formfont.h"
#include "platform/twips.h"

#include <QCloseEvent>
#include <QLabel>

namespace sorvex {

namespace {

QLabel *addColouredLabel(QWidget *parent, const QString &text, const QRect &geometry, qreal points, bool bold,
                         const QColor &textColour)
{
    QLabel *label = addLabel(parent, text, geometry, formFont(points, bold));
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, textColour);
    label->setPalette(palette);
    return label;
}

} // namespace

Form4::Form4(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form4"));
    // A fixed frame with neither title bar nor control box, kept out of the
    // task bar.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint);
    setFixedSize(twipsRect(0, 0, 6345, 3450).size());
    setFormCaption(this, QString());
    // The title bar is empty; a screen reader names the window by this.
    setAccessibleName(QStringLiteral("Sorvex（順押し版）のお断り"));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    setPalette(palette);
    setAutoFillBackground(true);

    // Back to front, so that each control covers the ones before it.
    QLabel *title = addColouredLabel(this, QStringLiteral("Sorvex (順押し版）"), twipsRect(120, 240, 6135, 495), 20.25,
                                     true, QColor(0, 0, 255));
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette tip = title->palette();
    tip.setColor(QPalette::Window, tip.color(QPalette::ToolTipBase));
    title->setPalette(tip);
    addColouredLabel(this, QStringLiteral("注意！"), twipsRect(840, 1080, 1095, 255), 11.25, true, QColor(255, 0, 0));
    addColouredLabel(this,
                     QStringLiteral("   データの入力には、細心の注意を払ったつもりですが、  リーチ目等の間違い等による "
                                    "、実践等における負債、      トラブル等は、一切責任を負えません。                  "
                                    "     自分の責任において、適の戦艦を撃沈して下さい。"),
                     twipsRect(840, 1500, 4695, 855), 9.75, false, QColor(192, 0, 0));

    m_Command1 = new FormButton(QStringLiteral("ＯＫ"), this);
    m_Command1->setObjectName(QStringLiteral("Command1"));
    m_Command1->setGeometry(twipsRect(2160, 2520, 1575, 615));
    m_Command1->setFont(formFont(18, true));
    m_Command1->setFocusPolicy(Qt::StrongFocus);
    m_Command1->setFocus();
    connect(m_Command1, &QPushButton::clicked, this, &Form4::okClicked);
}

void Form4::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit dismissed();
}

} // namespace sorvex
