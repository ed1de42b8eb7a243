#include "formbutton.h"

#include <QKeyEvent>
#include <QPalette>

namespace sorvex {

FormButton::FormButton(const QString &caption, QWidget *parent)
    : QPushButton(caption, parent)
{
    // Never a dialog's default button: Enter acts on whichever button has the focus.
    setAutoDefault(false);
}

void FormButton::setFaceColour(const QColor &colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Button, colour);
    setPalette(palette);
}

void FormButton::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace sorvex
