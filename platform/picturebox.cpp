#include "picturebox.h"

#include "twips.h"

#include <QImage>
#include <QPainter>

#include <cmath>

namespace sorvex {

PictureBox::PictureBox(const QString &name, int leftTwips, double topTwips, const QRect &viewport, QWidget *parent)
    : QWidget(parent)
    , m_left(leftTwips)
    , m_top(topTwips)
{
    setObjectName(name);
    setGeometry(viewport);
    // The picture covers the whole viewport wherever it stands over it, and
    // the window's own background shows where it does not.
    setAutoFillBackground(true);
}

void PictureBox::setPicture(const QImage &picture)
{
    m_picture = QPixmap::fromImage(picture);
    update();
}

QSize PictureBox::pictureSize() const
{
    return m_picture.size();
}

void PictureBox::setTop(double twips)
{
    if (twips == m_top)
        return;
    m_top = twips;
    update();
}

QRect PictureBox::pictureRect() const
{
    const int y = int(std::floor(m_top / twipsPerPixel));
    return QRect(QPoint(twipsToPixels(m_left), y), m_picture.size());
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(pictureRect().topLeft() - pos(), m_picture);
}

} // namespace sorvex
