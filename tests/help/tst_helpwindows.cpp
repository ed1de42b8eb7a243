#include "help/fkaisetu.h"
#include "help/fsousa.h"
#include "help/helpwindows.h"
#include "help/manualfile.h"
#include "help/readme.h"
#include "platform/messagebox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include <memory>

using namespace sorvex;

namespace {

struct ShownMessage
{
    QWidget *parent;
    QString prompt;
    bool viewerVisible;
};

// Which of the three windows a table row is about.
enum class Window { Guide, Terms, Viewer };

int topLevelsNamed(const QString &name, bool visibleOnly = false)
{
    int count = 0;
    for (const QWidget *widget : QApplication::topLevelWidgets())
        count += widget->objectName() == name && (!visibleOnly || widget->isVisible());
    return count;
}

} // namespace

Q_DECLARE_METATYPE(Window)

class TestHelpWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void oneInstance_data();
    void oneInstance();
    void enterOnOpeningHides_data();
    void enterOnOpeningHides();
    void closeButtonUnloads_data();
    void closeButtonUnloads();
    void minimisedWindowRestoredByItsButton_data();
    void minimisedWindowRestoredByItsButton();
    void guideKeepsTypedTextWhenHidden();
    void guideTabOrder();
    void guideToolTips();
    void viewerShowsManualAndKeepsEdits();
    void viewerShowsOneLongLineInPieces();
    void viewerReadsAgainOnlyAfterUnload();
    void missingManualReportedOncePerLoad();
    void unreadableManualReported();

private:
    QWidget *show(Window window);
    QWidget *loaded(Window window) const;
    void writeManual(const QByteArray &bytes);
    static void unload(QWidget *window);

    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_previousFolder;
    std::unique_ptr<QWidget> m_mainWindow;
    std::unique_ptr<HelpWindows> m_help;
    QList<ShownMessage> m_messages;
    MessageHandler m_previousHandler;
};

void TestHelpWindows::initTestCase()
{
    // The offscreen platform cannot stack windows and says so at every raise.
    static const QtMessageHandler previous
            = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
                  if (message != QLatin1String("This plugin does not support raise()"))
                      previous(type, context, message);
              });
}

void TestHelpWindows::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_previousFolder = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_folder->path()));
    writeManual("manual\r\n");
    m_mainWindow = std::make_unique<QWidget>();
    m_mainWindow->setObjectName(QStringLiteral("riru"));
    m_mainWindow->show();
    m_help = std::make_unique<HelpWindows>(m_mainWindow.get());
    m_messages.clear();
    m_previousHandler = setMessageHandler([this](QWidget *parent, const QString &prompt) {
        m_messages.append({parent, prompt, topLevelsNamed(QStringLiteral("readme"), true) > 0});
    });
}

void TestHelpWindows::cleanup()
{
    setMessageHandler(std::move(m_previousHandler));
    m_help.reset();
    m_mainWindow.reset();
    QDir::setCurrent(m_previousFolder);
    m_folder.reset();
}

QWidget *TestHelpWindows::show(Window window)
{
    switch (window) {
    case Window::Guide:
        m_help->showOperationGuide();
        break;
    case Window::Terms:
        m_help->showTermsWindow();
        break;
    case Window::Viewer:
        m_help->showManualViewer();
        break;
    }
    return loaded(window);
}

QWidget *TestHelpWindows::loaded(Window window) const
{
    switch (window) {
    case Window::Guide:
        return m_help->operationGuide();
    case Window::Terms:
        return m_help->termsWindow();
    case Window::Viewer:
        return m_help->manualViewer();
    }
    return nullptr;
}

void TestHelpWindows::writeManual(const QByteArray &bytes)
{
    QFile file(ManualFile::fileName());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The title bar's close button: the window closes and is deleted once the
// event loop comes round.
void TestHelpWindows::unload(QWidget *window)
{
    QVERIFY(window->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

static void addWindowRows()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QString>("name");
    QTest::newRow("operation guide") << Window::Guide << QStringLiteral("Fsousa");
    QTest::newRow("terms window") << Window::Terms << QStringLiteral("Fkaisetu");
    QTest::newRow("manual viewer") << Window::Viewer << QStringLiteral("readme");
}

void TestHelpWindows::oneInstance_data()
{
    addWindowRows();
}

void TestHelpWindows::oneInstance()
{
    QFETCH(Window, window);
    QFETCH(QString, name);
    QCOMPARE(loaded(window), nullptr);
    QWidget *first = show(window);
    QVERIFY(first);
    QCOMPARE(first->objectName(), name);
    QCOMPARE(show(window), first);
    QVERIFY(first->isVisible());
    QCOMPARE(topLevelsNamed(name), 1);
    // Shown without an owner, so the main window stays usable beside it.
    QCOMPARE(first->parentWidget(), nullptr);
}

void TestHelpWindows::enterOnOpeningHides_data()
{
    addWindowRows();
}

void TestHelpWindows::enterOnOpeningHides()
{
    QFETCH(Window, window);
    QWidget *form = show(window);
    QWidget *focus = form->focusWidget();
    QVERIFY(focus);
    QCOMPARE(focus->objectName(), QStringLiteral("Command1"));

    QTest::keyClick(focus, Qt::Key_Return);
    QVERIFY(!form->isVisible());
    QCOMPARE(loaded(window), form);

    QCOMPARE(show(window), form);
    QVERIFY(form->isVisible());
    QTest::keyClick(form->focusWidget(), Qt::Key_Space);
    QVERIFY(!form->isVisible());
}

void TestHelpWindows::closeButtonUnloads_data()
{
    addWindowRows();
}

void TestHelpWindows::closeButtonUnloads()
{
    QFETCH(Window, window);
    QFETCH(QString, name);
    QPointer<QWidget> first = show(window);
    unload(first);
    QVERIFY(first.isNull());
    QCOMPARE(loaded(window), nullptr);
    QCOMPARE(topLevelsNamed(name), 0);

    QWidget *second = show(window);
    QVERIFY(second);
    QVERIFY(second->isVisible());
    QCOMPARE(second->focusWidget()->objectName(), QStringLiteral("Command1"));
}

void TestHelpWindows::guideKeepsTypedTextWhenHidden()
{
    QWidget *guide = show(Window::Guide);
    auto *speed = guide->findChild<QLineEdit *>(QStringLiteral("speedMock"));
    auto *interval = guide->findChild<QLineEdit *>(QStringLiteral("autoIntervalMock"));
    QVERIFY(speed && interval);
    QCOMPARE(speed->text(), QStringLiteral("100"));
    QCOMPARE(interval->text(), QStringLiteral("1200"));

    speed->selectAll();
    QTest::keyClicks(speed, QStringLiteral("35"));
    QTest::keyClicks(interval, QStringLiteral("0"));
    // The mock buttons have no action: pressing every one changes nothing.
    for (QPushButton *mock : guide->findChildren<QPushButton *>()) {
        if (mock->objectName() != QLatin1String("Command1"))
            mock->click();
    }
    QVERIFY(guide->isVisible());

    static_cast<Fsousa *>(guide)->Command1()->click();
    QVERIFY(!guide->isVisible());
    QCOMPARE(show(Window::Guide), guide);
    QCOMPARE(speed->text(), QStringLiteral("35"));
    QCOMPARE(interval->text(), QStringLiteral("12000"));

    unload(guide);
    guide = show(Window::Guide);
    QCOMPARE(guide->findChild<QLineEdit *>(QStringLiteral("speedMock"))->text(), QStringLiteral("100"));
    QCOMPARE(guide->findChild<QLineEdit *>(QStringLiteral("autoIntervalMock"))->text(), QStringLiteral("1200"));
}

void TestHelpWindows::guideTabOrder()
{
    QWidget *guide = show(Window::Guide);
    const QStringList expected {
            QStringLiteral("Command1"),         QStringLiteral("autoStartMock"),  QStringLiteral("startMock"),
            QStringLiteral("leftStopMock"),     QStringLiteral("autoStopMock"),   QStringLiteral("endMock"),
            QStringLiteral("middleStopMock"),   QStringLiteral("rightStopMock"),  QStringLiteral("speedMock"),
            QStringLiteral("autoIntervalMock"), QStringLiteral("leftUpMock"),     QStringLiteral("leftDownMock"),
            QStringLiteral("middleUpMock"),     QStringLiteral("middleDownMock"), QStringLiteral("rightUpMock"),
            QStringLiteral("rightDownMock"),    QStringLiteral("Command1")};
    QStringList order;
    QWidget *widget = guide->focusWidget();
    for (qsizetype i = 0; i < expected.size(); ++i) {
        order.append(widget->objectName());
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus));
    }
    QCOMPARE(order, expected);
}

void TestHelpWindows::guideToolTips()
{
    QWidget *guide = show(Window::Guide);
    QCOMPARE(guide->findChild<QPushButton *>(QStringLiteral("startMock"))->toolTip(),
             QStringLiteral("左リールを１コマ上に移動します。"));
    for (const char *stop : {"leftStopMock", "middleStopMock", "rightStopMock"}) {
        QCOMPARE(guide->findChild<QPushButton *>(QLatin1String(stop))->toolTip(),
                 QStringLiteral("左リールを１コマ下に移動します。"));
    }
}

void TestHelpWindows::minimisedWindowRestoredByItsButton_data()
{
    addWindowRows();
}

void TestHelpWindows::minimisedWindowRestoredByItsButton()
{
    QFETCH(Window, window);
    QWidget *form = show(window);
    QVERIFY(QTest::qWaitForWindowActive(form));
    form->showMinimized();
    m_mainWindow->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_mainWindow.get()));
    QVERIFY(form->isMinimized());

    QCOMPARE(show(window), form);
    QVERIFY(!form->isMinimized());
    QVERIFY(form->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(form));
    QCOMPARE(QApplication::focusWidget(), form->focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
}

void TestHelpWindows::viewerShowsManualAndKeepsEdits()
{
    QByteArray lines;
    for (int i = 1; i <= 200; ++i)
        lines += "\x82\xa0 line " + QByteArray::number(i) + "\r\n";
    writeManual(lines);
    auto *viewer = static_cast<Readme *>(show(Window::Viewer));
    QPlainTextEdit *text = viewer->Text1();
    QCOMPARE(text->document()->blockCount(), 201);
    QCOMPARE(text->document()->findBlockByNumber(0).text(), QStringLiteral("あ line 1"));
    QCOMPARE(text->document()->findBlockByNumber(199).text(), QStringLiteral("あ line 200"));
    QCOMPARE(text->lineWrapMode(), QPlainTextEdit::NoWrap);

    text->moveCursor(QTextCursor::Start);
    text->insertPlainText(QStringLiteral("edited "));
    text->verticalScrollBar()->setValue(120);
    viewer->Command1()->click();
    QVERIFY(!viewer->isVisible());

    QCOMPARE(show(Window::Viewer), viewer);
    QCOMPARE(text->document()->findBlockByNumber(0).text(), QStringLiteral("edited あ line 1"));
    QCOMPARE(text->verticalScrollBar()->value(), 120);
    QFile file(ManualFile::fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), lines);
    QVERIFY(m_messages.isEmpty());
}

// The largest file the viewer accepts, as one line: shown whole, cut into
// lines of 1024 characters.
void TestHelpWindows::viewerShowsOneLongLineInPieces()
{
    QByteArray line;
    while (line.size() < ManualFile::maximumBytes - 8)
        line += "\x82\xa0"
                "abc ";
    line.truncate(ManualFile::maximumBytes);
    writeManual(line);
    const QString expected = ManualFile::read(ManualFile::fileName()).text();

    auto *viewer = static_cast<Readme *>(show(Window::Viewer));
    QVERIFY(m_messages.isEmpty());
    QTextDocument *document = viewer->Text1()->document();
    QString shown;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        QVERIFY(block.text().size() <= 1024);
        shown += block.text();
    }
    QCOMPARE(shown, QString(expected).remove(u'\r').remove(u'\n'));
    QVERIFY(document->blockCount() >= expected.size() / 1024);
    QVERIFY(viewer->isVisible());
}

void TestHelpWindows::viewerReadsAgainOnlyAfterUnload()
{
    auto *viewer = static_cast<Readme *>(show(Window::Viewer));
    QCOMPARE(viewer->Text1()->toPlainText(), QStringLiteral("manual\n"));
    writeManual("second\r\n");
    viewer->Command1()->click();
    QCOMPARE(static_cast<Readme *>(show(Window::Viewer))->Text1()->toPlainText(), QStringLiteral("manual\n"));

    unload(viewer);
    QCOMPARE(static_cast<Readme *>(show(Window::Viewer))->Text1()->toPlainText(), QStringLiteral("second\n"));
}

void TestHelpWindows::missingManualReportedOncePerLoad()
{
    QVERIFY(QFile::remove(ManualFile::fileName()));
    auto *viewer = static_cast<Readme *>(show(Window::Viewer));
    QCOMPARE(m_messages.size(), 1);
    // The first line as the runtime words it, then the folders looked in.
    QCOMPARE(m_messages.first().prompt.section(QLatin1Char('\n'), 0, 0), QStringLiteral("sorvex.txtがありません。"));
    QVERIFY(m_messages.first().prompt.contains(QDir::toNativeSeparators(QDir::currentPath())));
    QCOMPARE(m_messages.first().parent, m_mainWindow.get());
    QVERIFY(!m_messages.first().viewerVisible);
    // After the message the viewer still opens, empty, in front of the main window.
    QVERIFY(viewer->isVisible());
    QVERIFY(m_mainWindow->isVisible());
    QVERIFY(viewer->Text1()->toPlainText().isEmpty());
    QCOMPARE(viewer->focusWidget(), viewer->Command1());

    viewer->Command1()->click();
    show(Window::Viewer);
    show(Window::Viewer);
    QCOMPARE(m_messages.size(), 1);

    unload(viewer);
    show(Window::Viewer);
    QCOMPARE(m_messages.size(), 2);
}

void TestHelpWindows::unreadableManualReported()
{
    QVERIFY(QFile::remove(ManualFile::fileName()));
    QVERIFY(QDir().mkdir(ManualFile::fileName()));
    auto *viewer = static_cast<Readme *>(show(Window::Viewer));
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.first().prompt,
             QStringLiteral("sorvex.txtを読み込めませんでした。\n同じ名前のフォルダがあります。"));
    QVERIFY(viewer->isVisible());
    QVERIFY(viewer->Text1()->toPlainText().isEmpty());
}

QTEST_MAIN(TestHelpWindows)
#include "tst_helpwindows.moc"
