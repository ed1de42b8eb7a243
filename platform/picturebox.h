#pragma once

#include <QPixmap>
#include <QWidget>

class QImage;

namespace sorvex {

// A picture control: a bitmap shown at its own size with its top-left
// corner at (left, top) in the parent's twips. Top is a floating-point value
// that reads back exactly as set. The widget itself only covers the part of
// the parent where the picture can be seen (its viewport, in pixels), so
// moving the picture repaints that part and nothing else.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    PictureBox(const QString &name, int leftTwips, double topTwips, const QRect &viewport, QWidget *parent);

    void setPicture(const QImage &picture);
    const QPixmap &picture() const { return m_picture; }

    double top() const { return m_top; }
    void setTop(double twips);

    // What the window's tests check of the picture: its size, and where it
    // stands in the parent, in pixels.
    QSize pictureSize() const;
    QRect pictureRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
    int m_left;
    double m_top;
};

} // namespace sorvex
