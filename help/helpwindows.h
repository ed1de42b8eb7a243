#pragma once

#include "platform/formholder.h"

#include <QPointer>

class QWidget;

namespace sorvex {

class Fkaisetu;
class Fsousa;
class Readme;

// The three information windows the main window opens. Each exists at most
// once: opening shows it again as it was left if it is hidden, brings it to
// the front if it is visible, and loads it afresh after its title bar's
// close button has unloaded it. They are shown without an owner, so the main
// window stays usable beside them. Destroying this object unloads them.
class HelpWindows
{
public:
    // mainWindow is brought to the front after the viewer has reported a
    // missing or unreadable manual.
    explicit HelpWindows(QWidget *mainWindow);
    ~HelpWindows();

    HelpWindows(const HelpWindows &) = delete;
    HelpWindows &operator=(const HelpWindows &) = delete;

    void showOperationGuide();
    void showTermsWindow();
    void showManualViewer();

    // The loaded windows, or nullptr while a window is not loaded.
    Fsousa *operationGuide() const;
    Fkaisetu *termsWindow() const;
    Readme *manualViewer() const;

private:
    QPointer<QWidget> m_mainWindow;
    FormHolder<Fsousa> m_Fsousa;
    FormHolder<Fkaisetu> m_Fkaisetu;
    FormHolder<Readme> m_readme;
};

} // namespace sorvex
