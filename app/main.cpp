#include "app/programstart.h"
#include "assets/programicon.h"
#include "platform/formfont.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QList>

#include <cstdio>
#include <cstdlib>
#include <optional>

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

// The settings that chose the display, e.g. "DISPLAY=:1".
QString displaySettings()
{
    QStringList settings;
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (const char *value = std::getenv(name); value && *value)
            settings.append(QStringLiteral("%1=%2").arg(QLatin1String(name), QString::fromLocal8Bit(value)));
    }
    return settings.join(QStringLiteral(", "));
}

// While the platform plugin starts, Qt's messages are held back: if it
// cannot connect (a DISPLAY where no server answers), Qt would print its
// warnings and abort with a hint about reinstalling; the user gets one
// line naming the display instead. Once started, the held messages go out
// as usual.
class DisplayConnectionGuard
{
public:
    DisplayConnectionGuard() { s_previous = qInstallMessageHandler(&DisplayConnectionGuard::hold); }
    ~DisplayConnectionGuard()
    {
        qInstallMessageHandler(s_previous);
        for (const Held &message : std::as_const(s_held)) {
            const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
            s_previous(message.type, context, message.text);
        }
        s_held.clear();
    }

private:
    struct Held
    {
        QtMsgType type;
        QByteArray category;
        QString text;
    };

    static void hold(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        if (type == QtFatalMsg) {
            std::fprintf(stderr,
                         "sorvex: cannot open a window on the display %s (is a display server running there?)\n",
                         qPrintable(displaySettings()));
            std::_Exit(1);
        }
        s_held.append({type, QByteArray(context.category ? context.category : "default"), text});
    }

    static inline QtMessageHandler s_previous = nullptr;
    static inline QList<Held> s_held;
};

// Options are read before the application object exists, so that --help
// and --version need no display. Returns the exit status to end with, or -1
// to go on.
int handleCommandLine(int argc, char *argv[])
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
            QStringLiteral("Study tool for the reach-me patterns of a three-reel pachislot machine.\n"
                           "Reads r1.bmp, r2.bmp, r3.bmp, win.bmp and sorvex.txt from the working folder,\n"
                           "else from the installed data folder (see the manual page sorvex(1))."));
    // Qt's own options (-platform, -style, ...) are not taken: the display
    // is chosen by the environment, as for every desktop program. So the
    // help names no --help-all.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version."));
    parser.addOptions({help, version});
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const bool parsed = parser.parse(arguments);
    if (parsed && parser.positionalArguments().isEmpty() && !parser.isSet(help) && !parser.isSet(version))
        return -1;
    if (!parsed || !parser.positionalArguments().isEmpty()) {
        const QString problem = parsed
                ? QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().constFirst().left(80))
                : parser.errorText().left(120);
        std::fprintf(stderr, "sorvex: %s (try --help)\n", qPrintable(problem));
        return 2;
    }
    if (parser.isSet(help)) {
        // The help text names the program as it was started.
        const QCoreApplication application(argc, argv);
        std::fputs(qPrintable(parser.helpText()), stdout);
    } else {
        std::printf("sorvex %s\n", SORVEX_VERSION);
    }
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("Sorvex"));
    if (const int status = handleCommandLine(argc, argv); status >= 0)
        return status;

    if (!displayAvailable()) {
        std::fputs("sorvex: no display to open its windows on (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                   "Start it from a desktop session, or under a virtual screen: xvfb-run -a sorvex\n",
                   stderr);
        return 1;
    }

    std::optional<DisplayConnectionGuard> guard(std::in_place);
    QApplication application(argc, argv);
    guard.reset();
    QGuiApplication::setDesktopFileName(QString::fromLatin1(sorvex::applicationId));
    // The program ends only by its own rules: the end button, the main
    // window's close box, or the disclaimer closed without OK.
    application.setQuitOnLastWindowClosed(false);
    sorvex::installFormFontSubstitutes();

    sorvex::ProgramStart program;
    program.setProgramIcon(&sorvex::programIcon);
    program.start();
    return QApplication::exec();
}
