#include "formline.h"

#include "twips.h"

#include <QPainter>

namespace sorvex {

FormLine::FormLine(const QString &name, int x1, int y1, int x2, int y2, QPalette::ColorRole colour, QWidget *parent)
    : QWidget(parent)
    , m_colour(colour)
{
    setObjectName(name);
    const QLine line = twipsLine(x1, y1, x2, y2);
    setGeometry(QRect(line.p1(), line.p2()).normalized());
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FormLine::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(m_colour));
}

} // namespace sorvex
