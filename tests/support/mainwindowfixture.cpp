#include "mainwindowfixture.h"

#include <QApplication>
#include <QTest>

namespace sorvex::testing {

MainWindowFixture::MainWindowFixture()
    : m_riru(std::make_unique<Riru>())
{
    m_riru->loadPictures();
}

MainWindowFixture::~MainWindowFixture() = default;

bool MainWindowFixture::showActive()
{
    m_riru->show();
    QApplication::setActiveWindow(m_riru.get());
    return QTest::qWaitForWindowActive(m_riru.get());
}

} // namespace sorvex::testing
