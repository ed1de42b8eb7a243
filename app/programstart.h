#pragma once

#include "platform/formholder.h"

#include <QIcon>
#include <QObject>

#include <functional>
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

    // Makes the application's window icon, which the main window and the
    // information windows carry. It is made and set when the disclaimer is
    // accepted: the disclaimer has no icon, and looking the icon up in the
    // icon theme would only delay the first window.
    void setProgramIcon(std::function<QIcon()> makeIcon) { m_makeProgramIcon = std::move(makeIcon); }

    void start();

    Form4 *form4() const;
    Riru *riru() const;
    // The operation guide, terms window and manual viewer that the main
    // window's help buttons open; nullptr until the main window has loaded.
    HelpWindows *helpWindows() const { return m_helpWindows.get(); }

signals:
    // The main window has loaded its pictures, its help buttons are
    // connected, and it is about to be shown for the first time.
    void riruLoaded(sorvex::Riru *window);

private:
    void disclaimerAccepted();
    Riru *createRiru();

    void connectHelpButtons(Riru *window);

    FormHolder<Form4> m_form4;
    FormHolder<Riru> m_riru;
    std::unique_ptr<HelpWindows> m_helpWindows;
    std::function<QIcon()> m_makeProgramIcon;
};

} // namespace sorvex
