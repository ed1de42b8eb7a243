#include "messagerecorder.h"
#include "picturefolder.h"

#include "app/form4.h"
#include "app/programstart.h"
#include "help/fkaisetu.h"
#include "help/fsousa.h"
#include "help/helpwindows.h"
#include "help/readme.h"
#include "platform/formbutton.h"
#include "platform/formfont.h"
#include "platform/formtimer.h"
#include "platform/untrappederror.h"
#include "reels/riru.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <memory>

using namespace sorvex;

// The program's course: the disclaimer first, its OK to the main window,
// a missing picture ending the program, and the ways the program ends.
// Each case runs the real event loop and reads its exit status.
class TestProgramStart : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void disclaimerOpensAlone();
    void okOpensTheMainWindowAtRest_data();
    void okOpensTheMainWindowAtRest();
    void missingPictureEndsWithoutTheMainWindow_data();
    void missingPictureEndsWithoutTheMainWindow();
    void closingTheDisclaimerEndsTheProgram();
    void helpButtonsOpenOneWindowEach();
    void endButtonEndsTheProgram();
    void closeBoxEndsTheProgram();

private:
    // Runs the event loop with `action` as its first event; returns the
    // exit status.
    int runWith(const std::function<void()> &action);

    std::unique_ptr<testing::MessageRecorder> m_recorder;
    std::unique_ptr<ProgramStart> m_program;
};

void TestProgramStart::initTestCase()
{
    installFormFontSubstitutes();
    QApplication::setQuitOnLastWindowClosed(false);
    // The main window's study launcher reads and keeps progress there.
    QStandardPaths::setTestModeEnabled(true);
}

void TestProgramStart::init()
{
    m_recorder = std::make_unique<testing::MessageRecorder>();
    QGuiApplication::setWindowIcon(QIcon());
    m_program = std::make_unique<ProgramStart>();
    m_program->setProgramIcon([] { return QIcon(QPixmap(32, 32)); });
}

void TestProgramStart::cleanup()
{
    m_program.reset();
    m_recorder.reset();
}

int TestProgramStart::runWith(const std::function<void()> &action)
{
    QTimer::singleShot(0, action);
    return QApplication::exec();
}

void TestProgramStart::disclaimerOpensAlone()
{
    testing::PictureFolder folder;
    m_program->start();
    Form4 *form = m_program->form4();
    QVERIFY(form);
    QVERIFY(form->isVisible());
    QVERIFY(!m_program->riru());
    QCOMPARE(form->size(), QSize(423, 230));
    // No icon, not even through the platform window, which falls back to
    // the application's icon.
    QVERIFY(form->windowIcon().isNull());
    QVERIFY(form->windowHandle());
    QVERIFY(form->windowHandle()->icon().isNull());
    QCOMPARE(form->focusWidget(), form->okButton());
    QCOMPARE(form->okButton()->objectName(), QStringLiteral("Command1"));
    QCOMPARE(form->okButton()->font().pointSizeF(), 18.0);
    const auto labels = form->findChildren<QLabel *>();
    QCOMPARE(labels.size(), 3);
}

void TestProgramStart::okOpensTheMainWindowAtRest_data()
{
    QTest::addColumn<bool>("byEnter");
    QTest::newRow("OK clicked") << false;
    QTest::newRow("Enter as soon as shown") << true;
}

void TestProgramStart::okOpensTheMainWindowAtRest()
{
    QFETCH(bool, byEnter);
    testing::PictureFolder folder;
    const QIcon icon(QPixmap(32, 32));
    m_program->setProgramIcon([icon] { return icon; });
    QList<Riru *> loaded;
    bool visibleWhenLoaded = true;
    connect(m_program.get(), &ProgramStart::riruLoaded, this, [&](Riru *window) {
        loaded.append(window);
        visibleWhenLoaded = window->isVisible();
    });
    m_program->start();
    QPointer<Form4> form = m_program->form4();
    if (byEnter)
        QTest::keyClick(form->okButton(), Qt::Key_Return);
    else
        form->okButton()->click();

    QVERIFY(form.isNull() || !form->isVisible());
    Riru *riru = m_program->riru();
    QVERIFY(riru);
    QVERIFY(riru->isVisible());
    QCOMPARE(loaded, QList<Riru *> {riru});
    QVERIFY(!visibleWhenLoaded);
    QCOMPARE(riru->windowIcon().cacheKey(), icon.cacheKey());
    QCOMPARE(riru->windowHandle()->icon().cacheKey(), icon.cacheKey());
    QVERIFY(m_recorder->prompts().isEmpty());
    for (const char *name : {"cmstart", "autostart", "cmend", "r1ue", "r3sita", "Cmsousa", "Cmkaisetu", "Command9"})
        QVERIFY2(riru->findChild<QWidget *>(QString::fromLatin1(name))->isEnabled(), name);
    for (const char *name : {"r1stop", "r2stop", "r3stop", "autostop"})
        QVERIFY2(!riru->findChild<QWidget *>(QString::fromLatin1(name))->isEnabled(), name);
    QCOMPARE(riru->findChild<QLineEdit *>(QStringLiteral("Text1"))->text(), QStringLiteral("100"));
    QCOMPARE(riru->findChild<QLineEdit *>(QStringLiteral("Text3"))->text(), QStringLiteral("1075"));
    QCOMPARE(riru->machine().r1jyoudan(), qint16(0));
    // The disclaimer is unloaded for good once its click has returned.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(form.isNull());
    QVERIFY(m_program->form4() == nullptr);
    const auto windows = QApplication::topLevelWidgets();
    const auto visible = std::count_if(windows.begin(), windows.end(), [](QWidget *w) { return w->isVisible(); });
    QCOMPARE(visible, 1);
}

void TestProgramStart::missingPictureEndsWithoutTheMainWindow_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("truncated");
    for (const QString &name : testing::PictureFolder::pictureNames()) {
        QTest::newRow(qPrintable(name + QStringLiteral(" missing"))) << name << false;
        QTest::newRow(qPrintable(name + QStringLiteral(" cut in half"))) << name << true;
    }
}

void TestProgramStart::missingPictureEndsWithoutTheMainWindow()
{
    QFETCH(QString, name);
    QFETCH(bool, truncated);
    testing::PictureFolder folder(truncated ? QString() : name);
    if (truncated) {
        QFile file(name);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.resize(file.size() / 2));
    }
    m_program->start();
    const int status = runWith([this] { m_program->form4()->okButton()->click(); });
    QCOMPARE(status, untrappedErrorExitStatus);
    QVERIFY(!m_program->riru());
    QCOMPARE(m_recorder->prompts().size(), 1);
    const QString prompt = m_recorder->prompts().first();
    QVERIFY(prompt.contains(name));
    QVERIFY(prompt.contains(QDir::toNativeSeparators(QDir(folder.path()).absolutePath())));
    // A damaged file is there: its headline must not say "not found".
    QVERIFY2(prompt.startsWith(truncated ? QStringLiteral("実行時エラー '481': ピクチャが不正です。\n")
                                         : QStringLiteral("実行時エラー '53': ファイルが見つかりません。\n")),
             qPrintable(prompt));
}

void TestProgramStart::closingTheDisclaimerEndsTheProgram()
{
    testing::PictureFolder folder;
    m_program->start();
    const int status = runWith([this] { m_program->form4()->close(); });
    QCOMPARE(status, 0);
    QVERIFY(!m_program->riru());
}

void TestProgramStart::helpButtonsOpenOneWindowEach()
{
    testing::PictureFolder folder; // holds no manual
    m_program->start();
    m_program->form4()->okButton()->click();
    Riru *riru = m_program->riru();
    HelpWindows *help = m_program->helpWindows();
    QVERIFY(riru && help);
    // The study window is reached by F2 and the context menu, not a button.
    QAction *study = riru->findChild<QAction *>(QStringLiteral("openStudyWindow"));
    QVERIFY(study && riru->actions().contains(study));
    QVERIFY(!help->operationGuide() && !help->termsWindow() && !help->manualViewer());

    for (int press = 0; press < 2; ++press) {
        for (const char *button : {"Cmsousa", "Cmkaisetu", "Command9"})
            riru->findChild<FormButton *>(QString::fromLatin1(button))->click();
    }
    QVERIFY(help->operationGuide() && help->operationGuide()->isVisible());
    QVERIFY(help->termsWindow() && help->termsWindow()->isVisible());
    QVERIFY(help->manualViewer() && help->manualViewer()->isVisible());
    // The application's icon marks every window but the disclaimer.
    const qint64 iconKey = QGuiApplication::windowIcon().cacheKey();
    QVERIFY(!QGuiApplication::windowIcon().isNull());
    for (QWidget *window : {static_cast<QWidget *>(riru), static_cast<QWidget *>(help->operationGuide()),
                            static_cast<QWidget *>(help->termsWindow()), static_cast<QWidget *>(help->manualViewer())})
        QCOMPARE(window->windowHandle()->icon().cacheKey(), iconKey);
    int guides = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        guides += qobject_cast<Fsousa *>(window) != nullptr;
    QCOMPARE(guides, 1);
    // The manual is read once per load of the viewer, so the second press
    // does not report the missing file again.
    QCOMPARE(m_recorder->prompts().size(), 1);
    QVERIFY(m_recorder->prompts().first().startsWith(QStringLiteral("sorvex.txtがありません。\n")));
}

void TestProgramStart::endButtonEndsTheProgram()
{
    testing::PictureFolder folder;
    m_program->start();
    m_program->form4()->okButton()->click();
    Riru *riru = m_program->riru();
    QVERIFY(riru);
    // Information windows left open do not keep the program alive.
    riru->findChild<FormButton *>(QStringLiteral("Cmsousa"))->click();
    QVERIFY(m_program->helpWindows()->operationGuide()->isVisible());
    const int status = runWith([riru] { riru->findChild<FormButton *>(QStringLiteral("cmend"))->click(); });
    QCOMPARE(status, 0);
}

void TestProgramStart::closeBoxEndsTheProgram()
{
    testing::PictureFolder folder;
    m_program->start();
    m_program->form4()->okButton()->click();
    QPointer<Riru> riru = m_program->riru();
    QVERIFY(riru);
    const int status = runWith([riru] { riru->close(); });
    QCOMPARE(status, 0);
    QVERIFY(riru.isNull());
}

QTEST_MAIN(TestProgramStart)
#include "tst_programstart.moc"
