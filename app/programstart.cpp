#include "programstart.h"

#include "form4.h"

#include "help/helpwindows.h"
#include "platform/runtimeerror.h"
#include "platform/untrappederror.h"
#include "reels/riru.h"
#include "study/studylauncher.h"

#include <QGuiApplication>
#include <QScreen>

#include <memory>

namespace sorvex {

namespace {

void centreOnScreen(QWidget *window)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

} // namespace

ProgramStart::ProgramStart(QObject *parent)
    : QObject(parent)
    , m_form4([] { return new Form4; })
    , m_riru([this] { return createRiru(); })
{}

ProgramStart::~ProgramStart()
{
    m_helpWindows.reset();
    m_riru.unload();
    m_form4.unload();
}

Form4 *ProgramStart::form4() const
{
    return m_form4.form();
}

Riru *ProgramStart::riru() const
{
    return m_riru.form();
}

void ProgramStart::start()
{
    Form4 *form = m_form4.show();
    centreOnScreen(form);
    connect(form, &Form4::okClicked, this, &ProgramStart::disclaimerAccepted);
    connect(form, &Form4::dismissed, qApp, &QCoreApplication::quit);
}

Riru *ProgramStart::createRiru()
{
    auto window = std::make_unique<Riru>();
    window->loadPictures();
    centreOnScreen(window.get());
    connect(window.get(), &Riru::endRequested, qApp, &QCoreApplication::quit);
    connectHelpButtons(window.get());
    installStudyLauncher(window.get());
    emit riruLoaded(window.get());
    return window.release();
}

void ProgramStart::connectHelpButtons(Riru *window)
{
    m_helpWindows = std::make_unique<HelpWindows>(window);
    HelpWindows *help = m_helpWindows.get();
    connect(window, &Riru::cmsousaClicked, this, [help] { help->showOperationGuide(); });
    connect(window, &Riru::cmkaisetuClicked, this, [help] { help->showTermsWindow(); });
    connect(window, &Riru::command9Clicked, this, [help] { help->showManualViewer(); });
}

void ProgramStart::disclaimerAccepted()
{
    // The disclaimer goes for good; it is deleted once its click has returned.
    if (Form4 *form = m_form4.form()) {
        form->disconnect();
        form->hide();
        form->deleteLater();
    }
    if (m_makeProgramIcon) {
        QGuiApplication::setWindowIcon(m_makeProgramIcon());
        m_makeProgramIcon = nullptr;
    }
    try {
        m_riru.show();
    } catch (const RuntimeError &error) {
        endWithUntrappedError(nullptr, error);
    }
}

} // namespace sorvex
