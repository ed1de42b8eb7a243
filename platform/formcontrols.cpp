#include "formcontrols.h"

#include "formbutton.h"
#include "formlabel.h"

#include <QFont>
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
    return place(new QLineEdit(text, form), geometry, font);
}

void setFixedToolFrame(QWidget *form, const QString &caption, const QSize &clientSize)
{
    form->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    form->setWindowTitle(caption);
    form->setFixedSize(clientSize);
}

} // namespace sorvex
