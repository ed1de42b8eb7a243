#pragma once

#include "platform/formholder.h"

#include <QObject>
#include <QString>

#include <memory>

class QAction;

namespace sorvex {

class ProgressKeeper;
class QuizWindow;
class Riru;
class StudyProgress;
class StudyWindow;
class SymbolPictures;

// Joins the study window and the quiz to a main window without adding a
// control to it: F2 and F3, and the context menu of the window's background
// and judgement label, open them; every judgement the main window shows and
// every quiz answer is recorded in the progress, which is loaded now and
// kept on disk. Lives as long as the
// main window it is given (it is that window's child).
class StudyLauncher : public QObject
{
    Q_OBJECT

public:
    // An empty progress path keeps the progress for this run only.
    explicit StudyLauncher(Riru *riru, const QString &progressPath);
    ~StudyLauncher() override;

    QAction *openAction() const { return m_openAction; }
    QAction *quizAction() const { return m_quizAction; }
    StudyWindow *showWindow();
    StudyWindow *window() const;
    QuizWindow *showQuiz();
    QuizWindow *quiz() const;
    StudyProgress &progress() const { return *m_progress; }
    ProgressKeeper &keeper() const { return *m_keeper; }

private:
    StudyWindow *createWindow();
    QuizWindow *createQuiz();
    void offer(QAction *action, Qt::Key key);

    Riru *m_riru;
    StudyProgress *m_progress;
    std::unique_ptr<ProgressKeeper> m_keeper;
    std::unique_ptr<SymbolPictures> m_pictures;
    QAction *m_openAction;
    QAction *m_quizAction;
    FormHolder<StudyWindow> m_window;
    FormHolder<QuizWindow> m_quiz;
};

// The launcher for the program's main window, with the progress in its
// usual place.
StudyLauncher *installStudyLauncher(Riru *riru);

} // namespace sorvex
