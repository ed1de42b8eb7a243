#pragma once

#include <QPushButton>

class QColor;

namespace sorvex {

// A command button of the forms toolkit. Enter presses it as Space does,
// so a window can be driven from the keyboard alone; a filled ("graphical")
// button paints its face in its own colour instead of the system's. The
// button with the focus shows a dotted rectangle inside its face, from the
// moment it has the focus (the operation guide tells the user to look for
// it), not only after keyboard use as the style would.
class FormButton : public QPushButton
{
    Q_OBJECT

public:
    explicit FormButton(const QString &caption, QWidget *parent = nullptr);

    void setFaceColour(const QColor &colour);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace sorvex
