#pragma once

#include "platform/formholder.h"

#include <QIcon>
#include <QObject>

#include <memory>

namespace sorvex {

class Form4;
class HelpWindows;
class Riru;

// The program's course from start to end: the disclaimer alone, then the
// main window once the disclaimer's OK unloads it, then the end by the end
// button or the main window's close box. A main window that fails to load
// its pictures is never shown; the error is reported and the program ends
// with a non-zero status.
class ProgramStart : public QObject
{
    Q_OBJECT

public:
    explicit ProgramStart(QObject *parent = nullptr);
    ~ProgramStart() override;

    // The main window carries this icon; the disclaimer has none.
    void setProgramIcon(const QIcon &icon) { m_programIcon = icon; }

    void start();

    Form4 *form4() const;
    Riru *riru() const;
    // The operation guide, terms window and manual viewer that the main
    // window's help buttons open; nullptr until the main window has loaded.
    HelpWindows *helpWindows() const { return m_helpWindows.get(); }

signals:
    // The main window has loaded and is about to be shown: the moment to
    // connect its help buttons.
    void riruLoaded(sorvex::Riru *window);

private:
    void disclaimerAccepted();
    Riru *createRiru();

    void connectHelpButtons(Riru *window);

    FormHolder<Form4> m_form4;
    FormHolder<Riru> m_riru;
    std::unique_ptr<HelpWindows> m_helpWindows;
    QIcon m_programIcon;
};

} // namespace sorvex
