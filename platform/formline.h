#pragma once

#include <QPalette>
#include <QWidget>

namespace sorvex {

// A straight line control, one pixel wide, horizontal or vertical, given in
// twips. It is a widget of its own so that it stacks among the window's
// pictures and labels and is drawn over whatever lies behind it.
class FormLine : public QWidget
{
    Q_OBJECT

public:
    FormLine(const QString &name, int x1, int y1, int x2, int y2, QPalette::ColorRole colour, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPalette::ColorRole m_colour;
};

} // namespace sorvex
