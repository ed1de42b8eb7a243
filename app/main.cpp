#include "app/programstart.h"
#include "assets/programicon.h"
#include "platform/formfont.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt aborts with a core dump and a hint about
// reinstalling; say plainly what is missing instead. A platform chosen
// explicitly (offscreen, vnc, ...) is the user's business.
bool displayAvailable()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const auto isSet = [](const char *name) {
        const char *value = std::getenv(name);
        return value && *value;
    };
    return isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    if (!displayAvailable()) {
        std::fputs("sorvex: no display to open its windows on (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                   "Start it from a desktop session, or under a virtual screen: xvfb-run -a sorvex\n",
                   stderr);
        return 1;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sorvex"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(sorvex::applicationId));
    // The program ends only by its own rules: the end button, the main
    // window's close box, or the disclaimer closed without OK.
    application.setQuitOnLastWindowClosed(false);
    sorvex::installFormFontSubstitutes();

    sorvex::ProgramStart program;
    program.setProgramIcon(sorvex::programIcon());
    program.start();
    return QApplication::exec();
}
