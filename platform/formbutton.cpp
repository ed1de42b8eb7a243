#include "formbutton.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPalette>
#include <QStyleOptionButton>
#include <QStylePainter>

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

void FormButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const bool focused = option.state & QStyle::State_HasFocus;
    // The style's own focus mark (a coloured outline in Fusion) is left out.
    option.state &= ~(QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange);
    painter.drawControl(QStyle::CE_PushButton, option);
    if (!focused)
        return;
    // Every other pixel, as the system draws a focus rectangle, inside the
    // button's bevel.
    constexpr int inset = 4;
    const QRect mark = rect().adjusted(inset, inset, -inset, -inset);
    if (mark.width() < 2 || mark.height() < 2)
        return;
    const QBrush dots(palette().color(QPalette::ButtonText), Qt::Dense4Pattern);
    painter.fillRect(QRect(mark.left(), mark.top(), mark.width(), 1), dots);
    painter.fillRect(QRect(mark.left(), mark.bottom(), mark.width(), 1), dots);
    painter.fillRect(QRect(mark.left(), mark.top(), 1, mark.height()), dots);
    painter.fillRect(QRect(mark.right(), mark.top(), 1, mark.height()), dots);
}

} // namespace sorvex
