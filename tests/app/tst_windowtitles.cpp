// The titles as the window system receives them. Qt's X11 platform adds the
// application's display name to every title it passes on and puts the
// application's name into an empty one, so the windows' own windowTitle()
// says nothing about what the user reads: this test runs the windows on a
// private Xvfb server and reads each window's _NET_WM_NAME.
#include "app/form4.h"
#include "help/fkaisetu.h"
#include "help/fsousa.h"
#include "help/readme.h"
#include "reels/riru.h"

#include <QApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <xcb/xcb.h>

#include <cstdlib>
#include <functional>
#include <memory>

using namespace sorvex;

using WindowFactory = std::function<QWidget *()>;
Q_DECLARE_METATYPE(WindowFactory)

namespace {

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
            xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The window's _NET_WM_NAME as UTF-8; a null array when it has none.
QByteArray netWmName(const QWidget *window)
{
    auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11->connection();
    const xcb_get_property_cookie_t cookie
            = xcb_get_property(connection, 0, xcb_window_t(window->winId()), atom(connection, "_NET_WM_NAME"),
                               atom(connection, "UTF8_STRING"), 0, 4096);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
            xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    if (!reply || reply->type == XCB_ATOM_NONE)
        return QByteArray();
    return QByteArray(static_cast<const char *>(xcb_get_property_value(reply.get())),
                      xcb_get_property_value_length(reply.get()));
}

} // namespace

class TestWindowTitles : public QObject
{
    Q_OBJECT

public:
    explicit TestWindowTitles(bool onX11)
        : m_onX11(onX11)
    {}

private slots:
    void initTestCase();
    void titleAsTheWindowSystemHasIt_data();
    void titleAsTheWindowSystemHasIt();

private:
    bool m_onX11;
};

void TestWindowTitles::initTestCase()
{
    if (!m_onX11)
        QSKIP("Xvfb is not installed (Debian package xvfb): the titles the window system receives cannot be read");
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
}

void TestWindowTitles::titleAsTheWindowSystemHasIt_data()
{
    QTest::addColumn<WindowFactory>("window");
    QTest::addColumn<QString>("title");
    QTest::newRow("disclaimer") << WindowFactory([] { return new Form4; }) << QString();
    QTest::newRow("main window") << WindowFactory([] { return new Riru; }) << QString();
    QTest::newRow("operation guide") << WindowFactory([] { return new Fsousa; }) << QStringLiteral("操作法の説明");
    QTest::newRow("terms") << WindowFactory([] { return new Fkaisetu; }) << QStringLiteral("解説用語の説明");
    QTest::newRow("manual viewer") << WindowFactory([] { return new Readme(nullptr); }) << QStringLiteral("取扱説明書");
}

void TestWindowTitles::titleAsTheWindowSystemHasIt()
{
    QFETCH(WindowFactory, window);
    QFETCH(QString, title);
    const std::unique_ptr<QWidget> form(window());
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    const QByteArray name = netWmName(form.get());
    QCOMPARE(QString::fromUtf8(name), title);
}

// Starts a private Xvfb server for the test and runs the test on it.
int main(int argc, char *argv[])
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    QProcess server;
    bool onX11 = false;
    if (!xvfb.isEmpty()) {
        // -displayfd 1: the server picks a free display and writes its number.
        server.start(xvfb,
                     {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                      QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"),
                      QStringLiteral("1024x768x24")});
        if (server.waitForStarted() && server.waitForReadyRead(10000)) {
            const QByteArray display = server.readLine().trimmed();
            if (!display.isEmpty()) {
                qputenv("DISPLAY", ":" + display);
                qputenv("QT_QPA_PLATFORM", "xcb");
                onX11 = true;
            }
        }
    }
    int status = 0;
    {
        QApplication application(argc, argv);
        // What the program's start sets up: both names, which no title may show.
        QApplication::setApplicationName(QStringLiteral("Sorvex"));
        QApplication::setApplicationDisplayName(QStringLiteral("Sorvex"));
        TestWindowTitles test(onX11);
        status = QTest::qExec(&test, argc, argv);
    }
    server.terminate();
    server.waitForFinished();
    return status;
}

#include "tst_windowtitles.moc"
