#include "mainwindowfixture.h"

#include "study/historymodel.h"
#include "study/patternbrowser.h"
#include "study/patternfilter.h"
#include "study/patternindex.h"
#include "study/patterntablemodel.h"
#include "study/progresskeeper.h"
#include "study/studylauncher.h"
#include "study/studyprogress.h"
#include "study/studywindow.h"

#include "judge/subtables.h"
#include "platform/formbutton.h"
#include "platform/picturebox.h"
#include "quiz/quizwindow.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace sorvex;
using testing::MainWindowFixture;

namespace {

// What the main window shows and holds after a move, however it came.
struct Shown
{
    QList<double> tops;
    QList<int> positions;
    QString label;
    bool lamp;
    QString yakumei;
    QString tamaya;

    bool operator==(const Shown &) const = default;
};

Shown shown(Riru &riru)
{
    Shown result {{},
                  {},
                  riru.findChild<QLabel *>(QStringLiteral("lbyakumei"))->text(),
                  riru.image(4)->isVisibleTo(&riru),
                  riru.machine().yakumei(),
                  riru.machine().tamaya()};
    for (int reel = 1; reel <= 3; ++reel) {
        result.tops.append(riru.image(reel)->top());
        result.positions.append(riru.machine().reel(reel).position());
    }
    return result;
}

char *toString(const Shown &s)
{
    return qstrdup(qPrintable(QStringLiteral("tops %1 %2 %3 label %4 lamp %5")
                                      .arg(s.tops.value(0))
                                      .arg(s.tops.value(1))
                                      .arg(s.tops.value(2))
                                      .arg(s.label)
                                      .arg(s.lamp)));
}

void click(Riru &riru, const char *name)
{
    auto *button = riru.findChild<QAbstractButton *>(QLatin1StringView(name));
    QVERIFY2(button && button->isEnabled(), name);
    button->click();
}

// Presses ▲ or ▼ on each reel of `riru`, whichever reaches the stop sooner.
void pressTowards(Riru &riru, const StopPattern &target)
{
    const int targets[] = {target.t1, target.t2, target.t3};
    for (int reel = 1; reel <= 3; ++reel) {
        const int ups = ((targets[reel - 1] - riru.machine().reel(reel).topRowIndex()) % 21 + 21) % 21;
        const int downs = (21 - ups) % 21;
        const QByteArray name = QStringLiteral("r%1%2").arg(reel).arg(ups < downs ? "ue" : "sita").toLatin1();
        for (int i = 0; i < std::min(ups, downs); ++i)
            click(riru, name.constData());
    }
}

// Selects the browser row of a pattern through the left-index filter.
QModelIndex selectPattern(StudyWindow &window, const StopPattern &pattern)
{
    PatternBrowser *browser = window.browser();
    browser->filter()->setLeftIndex(pattern.t1);
    const int row = (pattern.t2 - 1) * 21 + (pattern.t3 - 1);
    const QModelIndex index = browser->filter()->index(row, PatternTableModel::Code);
    browser->view()->setCurrentIndex(index);
    return index;
}

QStringList column(const QAbstractItemModel &model, int column)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts.append(model.index(row, column).data().toString());
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(StopPattern)

class TestStudyWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void opensFromF2AndTheContextMenuOnce();
    void jumpOnlyAtRest();
    void jumpShowsWhatTheSamePressesShow_data();
    void jumpShowsWhatTheSamePressesShow();
    void historyAndSeenCountsFollowEveryJudgement();
    void enterOnAHistoryRowJumpsBack();
    void exportWritesTheMatchingRowsOrSaysWhyNot();
    void resetAsksFirst();
    void progressComesBackNextTime();
    void quizOpensFromF3AndItsResultsAreKept();
    void damagedProgressIsReportedOnceAtStart();

private:
    StudyWindow *openWindow();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainWindowFixture> m_fixture;
    StudyLauncher *m_launcher = nullptr;
    QString m_progressPath;
};

void TestStudyWindow::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestStudyWindow::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_progressPath = m_dir->filePath(QStringLiteral("progress.json"));
    m_fixture = std::make_unique<MainWindowFixture>();
    m_launcher = new StudyLauncher(&m_fixture->riru(), m_progressPath);
}

void TestStudyWindow::cleanup()
{
    m_fixture.reset();
    m_dir.reset();
}

StudyWindow *TestStudyWindow::openWindow()
{
    StudyWindow *window = m_launcher->showWindow();
    window->setDialogs({[](QWidget *, const QString &, const QString &) { return QString(); },
                        [](QWidget *, const QString &) { return false; }});
    return window;
}

void TestStudyWindow::opensFromF2AndTheContextMenuOnce()
{
    Riru &riru = m_fixture->riru();
    QVERIFY(m_fixture->showActive());
    QVERIFY(!m_launcher->window());
    QTest::keyClick(&riru, Qt::Key_F2);
    StudyWindow *window = m_launcher->window();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("リーチ目の研究"));
    // The main window's keys are listed.
    const QString keys = window->findChild<QLabel *>(QStringLiteral("keys"))->text();
    for (const char *key : {"↑", "S", "←", "↓", "→", "Z X C", "F2", "F3"})
        QVERIFY2(keys.contains(QString::fromUtf8(key)), key);
    QCOMPARE(window->windowIcon().cacheKey(), riru.windowIcon().cacheKey());
    QVERIFY(!window->isModal());
    QVERIFY(riru.isEnabled());

    // The same action serves the background's and the label's menus.
    auto *label = riru.findChild<QLabel *>(QStringLiteral("lbyakumei"));
    for (QWidget *widget : {static_cast<QWidget *>(&riru), static_cast<QWidget *>(label)}) {
        QCOMPARE(widget->contextMenuPolicy(), Qt::ActionsContextMenu);
        QVERIFY(widget->actions().contains(m_launcher->openAction()));
    }
    window->hide();
    m_launcher->openAction()->trigger();
    QCOMPARE(m_launcher->window(), window);
    QVERIFY(window->isVisible());
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.begin(), windows.end(),
                           [](QWidget *w) { return qobject_cast<StudyWindow *>(w) != nullptr; }),
             1);
}

void TestStudyWindow::jumpOnlyAtRest()
{
    StudyWindow *window = openWindow();
    QAction *jump = window->browserJumpAction();
    Riru &riru = m_fixture->riru();
    // Nothing selected yet.
    QVERIFY(!jump->isEnabled());
    selectPattern(*window, {5, 6, 7});
    QVERIFY(jump->isEnabled());

    click(riru, "cmstart");
    QVERIFY(!jump->isEnabled());
    QVERIFY(!window->historyJumpAction()->isEnabled());
    QCOMPARE(jump->toolTip(), riru.machine().moveRefusal());
    QVERIFY(jump->toolTip().contains(QStringLiteral("回転中")));
    const Shown spinning = shown(riru);
    jump->trigger();
    QTest::keyClick(window->browser()->view(), Qt::Key_Return);
    QCOMPARE(shown(riru), spinning);

    click(riru, "r1stop");
    click(riru, "r2stop");
    QVERIFY(!jump->isEnabled());
    click(riru, "r3stop");
    QVERIFY(jump->isEnabled());

    click(riru, "autostart");
    QVERIFY(!jump->isEnabled());
    QVERIFY(jump->toolTip().contains(QStringLiteral("オートモード")));
    click(riru, "autostop");
    QVERIFY(jump->isEnabled());
    jump->trigger();
    QCOMPARE(riru.machine().shownPattern().t3, 7);
}

void TestStudyWindow::jumpShowsWhatTheSamePressesShow_data()
{
    QTest::addColumn<StopPattern>("before");
    QTest::addColumn<StopPattern>("target");
    QTest::newRow("from start-up to a miss") << StopPattern {1, 1, 1} << StopPattern {12, 10, 3};
    QTest::newRow("a win, round the end") << StopPattern {20, 2, 19} << StopPattern {1, 4, 3};
    QTest::newRow("the same pattern") << StopPattern {1, 4, 3} << StopPattern {1, 4, 3};
    QTest::newRow("win to miss turns the lamp off") << StopPattern {1, 1, 1} << StopPattern {2, 13, 1};
}

void TestStudyWindow::jumpShowsWhatTheSamePressesShow()
{
    QFETCH(StopPattern, before);
    QFETCH(StopPattern, target);
    Riru &riru = m_fixture->riru();
    Riru pressed;
    pressed.loadPictures();
    pressTowards(riru, before);
    pressTowards(pressed, before);
    QCOMPARE(shown(riru), shown(pressed));

    StudyWindow *window = openWindow();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    selectPattern(*window, target);
    window->browser()->view()->setFocus();
    QTest::keyClick(window->browser()->view(), Qt::Key_Return);
    pressTowards(pressed, target);

    QCOMPARE(shown(riru), shown(pressed));
    QCOMPARE(riru.machine().shownPattern().t1, target.t1);
    QCOMPARE(riru.machine().shownPattern().t2, target.t2);
    QCOMPARE(riru.machine().shownPattern().t3, target.t3);
    QCOMPARE(m_launcher->progress().history().front().cause, JudgementCause::Jump);

    // A double-click does the same.
    selectPattern(*window, before);
    QTableView *view = window->browser()->view();
    view->scrollTo(view->currentIndex());
    const QRect cell = view->visualRect(view->currentIndex());
    // A double-click comes after the press of its first click.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    pressTowards(pressed, before);
    QCOMPARE(shown(riru), shown(pressed));
}

void TestStudyWindow::historyAndSeenCountsFollowEveryJudgement()
{
    Riru &riru = m_fixture->riru();
    StudyWindow *window = openWindow();
    const QAbstractItemModel &history = *window->historyView()->model();

    click(riru, "cmstart");
    riru.machine().tick(1);
    click(riru, "r3stop");
    click(riru, "r1stop");
    click(riru, "r2stop");
    const StopPattern spun = riru.machine().shownPattern();
    click(riru, "r2ue");
    const StopPattern stepped = riru.machine().shownPattern();
    click(riru, "autostart");
    riru.machine().sequencerTick();
    riru.machine().sequencerTick();
    riru.machine().tick(3);
    riru.machine().tick(3);
    riru.machine().sequencerTick();
    click(riru, "autostop");
    const StopPattern automatic = riru.machine().shownPattern();
    selectPattern(*window, {1, 1, 1});
    window->browserJumpAction()->trigger();

    const auto text = [](const StopPattern &p) { return patternText(p.t1, p.t2, p.t3); };
    QCOMPARE(column(history, HistoryModel::Cause),
             QStringList({"移動", "オートモード", "ステップ", "回転（右→左→中）"}));
    QCOMPARE(column(history, HistoryModel::Pattern),
             QStringList({"1-1-1", text(automatic), text(stepped), text(spun)}));
    QCOMPARE(text(spun), QStringLiteral("21-1-1"));
    QCOMPARE(text(stepped), QStringLiteral("21-2-1"));
    QCOMPARE(text(automatic), QStringLiteral("21-2-20"));
    QCOMPARE(history.index(0, HistoryModel::Code).data().toString(), QStringLiteral("W9"));
    QCOMPARE(history.index(0, HistoryModel::Text).data().toString(), QStringLiteral("ＢＩＧです。　適戦艦撃沈！"));
    QVERIFY(QDateTime::fromString(history.index(0, HistoryModel::Time).data().toString(),
                                  QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                    .isValid());

    const StudyProgress &progress = m_launcher->progress();
    QCOMPARE(progress.patternsSeen(), 4);
    int shownTimes = 0;
    for (int code = 0; code < messageCodeCount; ++code)
        shownTimes += progress.timesShown(MessageCode(code));
    QCOMPARE(shownTimes, 4);
    int w9 = 0;
    for (const StopPattern &p : {spun, stepped, automatic, StopPattern {1, 1, 1}})
        w9 += cellCode(p.t1, p.t2, p.t3) == MessageCode::W9;
    QCOMPARE(progress.timesShown(MessageCode::W9), w9);
    const QAbstractItemModel &seen = *window->seenCountsView()->model();
    QCOMPARE(seen.index(int(MessageCode::W9), 3).data().toString(), QStringLiteral("W9: 18 中 %1 を確認").arg(w9));
    const QModelIndex seenMark = window->browser()->model()->index(patternIndex({1, 1, 1}), PatternTableModel::Seen);
    QCOMPARE(seenMark.data().toString(), QStringLiteral("済"));
    QVERIFY(window->findChild<QLabel *>(QStringLiteral("seenTotal"))
                    ->text()
                    .contains(QString::number(progress.patternsSeen())));
}

void TestStudyWindow::enterOnAHistoryRowJumpsBack()
{
    Riru &riru = m_fixture->riru();
    StudyWindow *window = openWindow();
    click(riru, "r1ue");
    click(riru, "r3sita");
    click(riru, "r3sita");
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    window->tabs()->setCurrentIndex(1);
    QTableView *view = window->historyView();
    view->setFocus();
    // The oldest: 2-1-1 after the first press.
    view->setCurrentIndex(view->model()->index(2, 0));
    QTest::keyClick(view, Qt::Key_Enter);
    QCOMPARE(patternIndex(riru.machine().shownPattern()), patternIndex({2, 1, 1}));
    QCOMPARE(column(*view->model(), HistoryModel::Pattern).first(), QStringLiteral("2-1-1"));
    QCOMPARE(column(*view->model(), HistoryModel::Cause).first(), QStringLiteral("移動"));
}

void TestStudyWindow::exportWritesTheMatchingRowsOrSaysWhyNot()
{
    StudyWindow *window = openWindow();
    QString target = m_dir->filePath(QStringLiteral("patterns.csv"));
    window->setDialogs({[&](QWidget *, const QString &, const QString &suggested) {
                            // Offered in the documents folder, never the working folder.
                            return suggested.endsWith(QStringLiteral(".csv")) ? target : QString();
                        },
                        {}});
    window->browser()->filter()->setLeftIndex(1);
    window->browser()->filter()->setFamily('U');
    const int matching = window->browser()->filter()->rowCount();
    window->exportPatterns();
    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    const QString text = QString::fromUtf8(bytes.mid(3));
    QVERIFY(text.startsWith(QStringLiteral("左,中,右,コード,判定,WIN,確認\r\n")));
    // One record per row; the three-line U texts break inside their quotes.
    QCOMPARE(text.count(QStringLiteral("\r\n")), matching + 1);
    QVERIFY(text.contains(QStringLiteral("1,2,12,U2,\"リーチ目だけど，\n止まらない？？\n右リールの１確目。\",,\r\n")));
    QVERIFY(m_fixture->messages().prompts().isEmpty());

    target = m_dir->filePath(QStringLiteral("missing/history.csv"));
    window->exportHistory();
    QVERIFY(!QFile::exists(target));
    QCOMPARE(m_fixture->messages().prompts().size(), 1);
    QVERIFY(m_fixture->messages().prompts().first().contains(QDir::toNativeSeparators(target)));
}

void TestStudyWindow::resetAsksFirst()
{
    StudyWindow *window = openWindow();
    click(m_fixture->riru(), "r1ue");
    QStringList questions;
    bool answer = false;
    window->setDialogs({{}, [&](QWidget *, const QString &question) {
                            questions.append(question);
                            return answer;
                        }});
    window->findChild<QPushButton *>(QStringLiteral("resetProgress"))->click();
    QCOMPARE(questions.size(), 1);
    QCOMPARE(m_launcher->progress().patternsSeen(), 1);
    answer = true;
    window->findChild<QPushButton *>(QStringLiteral("resetProgress"))->click();
    QCOMPARE(m_launcher->progress().patternsSeen(), 0);
    QCOMPARE(window->historyView()->model()->rowCount(), 0);
}

void TestStudyWindow::progressComesBackNextTime()
{
    click(m_fixture->riru(), "r1ue");
    click(m_fixture->riru(), "r2sita");
    // The main window goes, and the progress with it, to disk.
    m_fixture.reset();
    QVERIFY(QFile::exists(m_progressPath));

    m_fixture = std::make_unique<MainWindowFixture>();
    m_launcher = new StudyLauncher(&m_fixture->riru(), m_progressPath);
    StudyWindow *window = openWindow();
    QCOMPARE(column(*window->historyView()->model(), HistoryModel::Pattern), QStringList({"2-21-1", "2-1-1"}));
    QCOMPARE(m_launcher->progress().patternsSeen(), 2);
    QCOMPARE(m_fixture->messages().prompts(), QStringList());
}

void TestStudyWindow::quizOpensFromF3AndItsResultsAreKept()
{
    Riru &riru = m_fixture->riru();
    QVERIFY(m_fixture->showActive());
    QTest::keyClick(&riru, Qt::Key_F3);
    QuizWindow *quiz = m_launcher->quiz();
    QVERIFY(quiz && quiz->isVisible());
    QCOMPARE(quiz->windowTitle(), QStringLiteral("リーチ目クイズ"));
    auto *label = riru.findChild<QLabel *>(QStringLiteral("lbyakumei"));
    for (QWidget *widget : {static_cast<QWidget *>(&riru), static_cast<QWidget *>(label)})
        QVERIFY(widget->actions().contains(m_launcher->quizAction()));

    quiz->nextButton()->click();
    const StopPattern question = *quiz->session().currentQuestion();
    const MessageCode code = cellCode(question.t1, question.t2, question.t3);
    quiz->answerButton(1)->click();
    QCOMPARE(m_launcher->progress().quizTallies().at(code).asked, 1);

    m_fixture.reset();
    m_fixture = std::make_unique<MainWindowFixture>();
    m_launcher = new StudyLauncher(&m_fixture->riru(), m_progressPath);
    QCOMPARE(m_launcher->progress().quizTallies().at(code).right, isWin(code) ? 1 : 0);
    QCOMPARE(m_launcher->showQuiz()->findChild<QTableView *>(QStringLiteral("tallies"))->model()->rowCount(), 1);
}

void TestStudyWindow::damagedProgressIsReportedOnceAtStart()
{
    m_fixture.reset();
    {
        QFile file(m_progressPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{ not json");
    }
    m_fixture = std::make_unique<MainWindowFixture>();
    m_launcher = new StudyLauncher(&m_fixture->riru(), m_progressPath);
    QCoreApplication::processEvents();
    const QStringList prompts = m_fixture->messages().prompts();
    QCOMPARE(prompts.size(), 1);
    QVERIFY(prompts.first().contains(QStringLiteral(".set-aside-")));
    QCOMPARE(m_launcher->progress().patternsSeen(), 0);
    QVERIFY(!QFile::exists(m_progressPath));
    // The program goes on, and keeps new progress in the usual place.
    click(m_fixture->riru(), "r1ue");
    m_launcher->keeper().flush();
    QVERIFY(QFile::exists(m_progressPath));
    QCOMPARE(m_fixture->messages().prompts().size(), 1);
}

QTEST_MAIN(TestStudyWindow)
#include "tst_studywindow.moc"
