#include "app/programstart.h"
#include "assets/programicon.h"
#include "platform/formfont.h"

#include <QApplication>

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
    program.setProgramIcon(sorvex::programIcon());
    program.start();
    return QApplication::exec();
}
