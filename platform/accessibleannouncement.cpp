#include "accessibleannouncement.h"

#include <QWidget>

namespace sorvex {

void announceAccessibleChange(QWidget *widget, QAccessible::Event change)
{
    QAccessibleEvent event(widget, change);
    QAccessible::updateAccessibility(&event);
}

} // namespace sorvex
