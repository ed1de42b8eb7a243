#pragma once

#include <QAccessible>

class QWidget;

namespace sorvex {

// Tells a listening screen reader that a widget's name, description or
// text has changed, so that it reads the new one. Qt of this age changes
// them without saying so.
void announceAccessibleChange(QWidget *widget, QAccessible::Event change);

} // namespace sorvex
