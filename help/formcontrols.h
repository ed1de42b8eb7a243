#pragma once

class QFont;
class QLabel;
class QLineEdit;
class QPushButton;
class QRect;
class QSize;
class QString;
class QWidget;

namespace sorvex {

// Controls placed at fixed design geometry (already converted from twips),
// the way every information window is laid out.

// A left-aligned label without border that wraps its text at its width as
// the forms toolkit does.
QLabel *addLabel(QWidget *form, const QString &text, const QRect &geometry, const QFont &font);

// A push button that Enter presses as well as Space.
QPushButton *addButton(QWidget *form, const QString &text, const QRect &geometry, const QFont &font);

QLineEdit *addEntryBox(QWidget *form, const QString &text, const QRect &geometry, const QFont &font);

// A fixed-size window with a title bar and its close button only, kept out of
// the task bar, carrying the program's icon.
void setFixedToolFrame(QWidget *form, const QString &caption, const QSize &clientSize);

void setProgramIcon(QWidget *form);

} // namespace sorvex
