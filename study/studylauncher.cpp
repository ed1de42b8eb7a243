#include "studylauncher.h"

#include "progressfile.h"
#include "progresskeeper.h"
#include "studyprogress.h"
#include "studywindow.h"
#include "symbolpictures.h"

#include "platform/messagebox.h"
#include "platform/picturebox.h"
#include "quiz/quizwindow.h"
#include "reels/riru.h"

#include <QAction>
#include <QDebug>
#include <QLabel>
#include <QTimer>

namespace sorvex {

StudyLauncher::StudyLauncher(Riru *riru, const QString &progressPath)
    : QObject(riru)
    , m_riru(riru)
    , m_progress(new StudyProgress(this))
    , m_openAction(new QAction(tr("リーチ目の研究(&S)…"), riru))
    , m_quizAction(new QAction(tr("リーチ目クイズ(&Q)…"), riru))
    , m_window([this] { return createWindow(); })
    , m_quiz([this] { return createQuiz(); })
{
    const ProgressLoad load = progressPath.isEmpty() ? ProgressLoad {} : loadProgress(progressPath, *m_progress);
    // A file that could be neither read nor moved aside is kept as it is.
    m_keeper = std::make_unique<ProgressKeeper>(*m_progress,
                                                load.outcome == ProgressLoad::Unusable ? QString() : progressPath);
    if (!load.message.isEmpty()) {
        // Once the main window is up, so that the message stands over it.
        QTimer::singleShot(0, riru, [riru, message = load.message] { showMessage(riru, message); });
    }
    connect(m_keeper.get(), &ProgressKeeper::saveFailed, riru,
            [riru](const QString &message) { showMessage(riru, message); });

    ReelMachine &machine = riru->machine();
    connect(&machine, &ReelMachine::judged, this, [this, &machine](const StopPattern &pattern, JudgementCause cause) {
        m_progress->record({QDateTime::currentDateTime(), pattern, cause,
                            cause == JudgementCause::Spin ? machine.stopOrder() : QList<int> {}});
    });

    m_openAction->setObjectName(QStringLiteral("openStudyWindow"));
    connect(m_openAction, &QAction::triggered, this, &StudyLauncher::showWindow);
    offer(m_openAction, Qt::Key_F2);
    m_quizAction->setObjectName(QStringLiteral("openQuiz"));
    connect(m_quizAction, &QAction::triggered, this, &StudyLauncher::showQuiz);
    offer(m_quizAction, Qt::Key_F3);
}

void StudyLauncher::offer(QAction *action, Qt::Key key)
{
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    m_riru->addAction(action);
    m_riru->setContextMenuPolicy(Qt::ActionsContextMenu);
    if (auto *label = m_riru->findChild<QLabel *>(QStringLiteral("lbyakumei"))) {
        label->addAction(action);
        label->setContextMenuPolicy(Qt::ActionsContextMenu);
    }
}

StudyLauncher::~StudyLauncher()
{
    m_quiz.unload();
    m_window.unload();
    // The last save runs while the main window is going: no message box
    // over it any more, only a line on the error output.
    disconnect(m_keeper.get(), &ProgressKeeper::saveFailed, nullptr, nullptr);
    connect(m_keeper.get(), &ProgressKeeper::saveFailed, this,
            [](const QString &message) { qWarning().noquote() << message; });
    m_keeper.reset();
}

StudyWindow *StudyLauncher::window() const
{
    return m_window.form();
}

StudyWindow *StudyLauncher::showWindow()
{
    return m_window.show();
}

StudyWindow *StudyLauncher::createWindow()
{
    if (!m_pictures) {
        std::array<QPixmap, 3> strips;
        for (int reel = 1; reel <= 3; ++reel)
            strips[reel - 1] = m_riru->image(reel)->picture();
        m_pictures = std::make_unique<SymbolPictures>(strips);
    }
    auto *window = new StudyWindow(m_riru->machine(), *m_progress, m_pictures.get());
    window->setWindowIcon(m_riru->windowIcon());
    return window;
}

QuizWindow *StudyLauncher::quiz() const
{
    return m_quiz.form();
}

QuizWindow *StudyLauncher::showQuiz()
{
    return m_quiz.show();
}

QuizWindow *StudyLauncher::createQuiz()
{
    auto *quiz = new QuizWindow(m_riru);
    quiz->setWindowIcon(m_riru->windowIcon());
    quiz->setTallies(m_progress->quizTallies());
    connect(quiz, &QuizWindow::answered, m_progress, &StudyProgress::recordQuizAnswer);
    connect(m_progress, &StudyProgress::quizTalliesChanged, quiz,
            [this, quiz] { quiz->setTallies(m_progress->quizTallies()); });
    // A pattern answered wrong is looked at again in the study window.
    connect(quiz, &QuizWindow::jumpRequested, this, [this](const StopPattern &pattern) {
        m_riru->machine().moveTo(pattern);
        showWindow();
    });
    return quiz;
}

StudyLauncher *installStudyLauncher(Riru *riru)
{
    return new StudyLauncher(riru, defaultProgressPath());
}

} // namespace sorvex
