#include "app/programstart.h"

#include "platform/formfont.h"

#include <QApplication>

#if __has_include("assets/programicon.h")
#include "assets/programicon.h"
#endif

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sorvex"));
    QApplication::setApplicationDisplayName(QStringLiteral("Sorvex"));
    // The program ends only by its own rules: the end button, the main
    // window's close box, or the disclaimer closed without OK.
    application.setQuitOnLastWindowClosed(false);
    sorvex::installFormFontSubstitutes();

    sorvex::ProgramStart program;
#if __has_include("assets/programicon.h")
    program.setProgramIcon(sorvex::programIcon());
#endif
    program.start();
    return QApplication::exec();
}
