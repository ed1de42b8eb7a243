#pragma once

class QFont;
class QLabel;
class QLineEdit;
class QRect;
class QSize;
class QString;
class QWidget;

namespace sorvex {

class FormButton;

// Controls placed at a fixed design geometry (already converted from
// twips), the way every window of the program is laid out.

// A left-aligned label without border that wraps its text at its width as
// the forms toolkit does.
QLabel *addLabel(QWidget *form, const QString &text, const QRect &geometry, const QFont &font);

// A push button that Enter presses as well as Space.
FormButton *addButton(QWidget *form, const QString &text, const QRect &geometry, const QFont &font);

// A box for a number, in the face whose digits fit it (see formNumberFont).
QLineEdit *addEntryBox(QWidget *form, const QString &text, const QRect &geometry, const QFont &font);

// Sets the title bar's text exactly as given, an empty one included. Qt
// adds the application's display name to every title the window system
// receives, and the application's name to an empty one; the program keeps
// an empty display name, under which both pass through unchanged.
void setFormCaption(QWidget *form, const QString &caption);

// A fixed-size window with a title bar and its close button only, kept out of
// the task bar.
void setFixedToolFrame(QWidget *form, const QString &caption, const QSize &clientSize);

} // namespace sorvex
