#include "helpwindows.h"

#include "help/fkaisetu.h"
#include "help/fsousa.h"
#include "help/readme.h"

namespace sorvex {

HelpWindows::HelpWindows(QWidget *mainWindow)
    : m_mainWindow(mainWindow)
    , m_Fsousa([] { return new Fsousa; })
    , m_Fkaisetu([] { return new Fkaisetu; })
    , m_readme([this] {
        auto *viewer = new Readme(m_mainWindow);
        // The file is read once per load, before the viewer first appears.
        viewer->loadManual();
        return viewer;
    })
{}

HelpWindows::~HelpWindows()
{
    m_Fsousa.unload();
    m_Fkaisetu.unload();
    m_readme.unload();
}

void HelpWindows::showOperationGuide()
{
    m_Fsousa.show();
}

void HelpWindows::showTermsWindow()
{
    m_Fkaisetu.show();
}

void HelpWindows::showManualViewer()
{
    m_readme.show();
}

Fsousa *HelpWindows::operationGuide() const
{
    return m_Fsousa.form();
}

Fkaisetu *HelpWindows::termsWindow() const
{
    return m_Fkaisetu.form();
}

Readme *HelpWindows::manualViewer() const
{
    return m_readme.form();
}

} // namespace sorvex
