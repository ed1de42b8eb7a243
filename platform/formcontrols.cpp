#include "formcontrols.h"

#include "formbutton.h"
#include "formfont.h"
#include "formlabel.h"

#include <QFont>
#include <QGuiApplication>
#include <QLineEdit>
#include <QSize>

namespace sorvex {

namespace {
template<typename Control>
Control *place(Control *control, const QRect &geometry, const QFont &font)
{
    control->setGeometry(geometry);
    control->setFont(font);
    return control;
}
} // namespace

QLabel *addLabel(QWidget *form, const QString &text, const QRect &geometry, const QFont &font)
{
    auto *label = place(new FormLabel(text, form), geometry, font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

FormButton *addButton(QWidget *form, const QString &text, const QRect &geometry, const QFont &font)
{
    auto *button = place(new FormButton(text, form), geometry, font);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

QLineEdit *addEntryBox(QWidget *form, const QString &text, const QRect &geometry, const QFont &font)
{
    return place(new QLineEdit(text, form), geometry, formNumberFont(font));
}

void setFormCaption(QWidget *form, const QString &caption)
{
    // Set, even though empty: an unset display name lets the application's
    // name into empty titles. A null caption stays null, which Qt passes on
    // as the empty title.
    QGuiApplication::setApplicationDisplayName(QLatin1String(""));
    form->setWindowTitle(caption.isEmpty() ? QString() : caption);
}

void setFixedToolFrame(QWidget *form, const QString &caption, const QSize &clientSize)
{
    form->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFormCaption(form, caption);
    form->setFixedSize(clientSize);
}

} // namespace sorvex
