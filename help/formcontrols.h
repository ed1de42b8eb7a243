#pragma once

#include <QFont>

class QLabel;
class QLineEdit;
class QPushButton;
class QRect;
class QSize;
class QString;
class QWidget;

namespace sorvex {

// The design face with whole-pixel glyph advances, as the windows were laid
// out with it: a synthesised bold then widens every glyph by one pixel, as on
// the system the layout was made on. With Qt's default fractional advances
// the text runs narrower, and the labels' runs of blanks no longer push the
// next phrase onto a new line where the layout expects it.
QFont designFont(qreal points, bool bold);

// Controls placed at fixed design geometry (already converted from twips),
// the way every information window is laid out.

// A left-aligned label without border that wraps its text at its width.
QLabel *addLabel(QWidget *form, const QString &text, const QRect &geometry, const QFont &font);

// A push button that Enter presses as well as Space.
QPushButton *addButton(QWidget *form, const QString &text, const QRect &geometry, const QFont &font);

QLineEdit *addEntryBox(QWidget *form, const QString &text, const QRect &geometry, const QFont &font);

// A fixed-size window with a title bar and its close button only, kept out of
// the task bar, carrying the program's icon.
void setFixedToolFrame(QWidget *form, const QString &caption, const QSize &clientSize);

void setProgramIcon(QWidget *form);

} // namespace sorvex
