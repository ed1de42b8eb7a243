#pragma once

#include <QWidget>

#include <functional>
#include <vector>

class QAction;
class QLabel;
class QTabWidget;
class QTableView;
class QToolButton;

namespace sorvex {

class HistoryModel;
class PatternBrowser;
class ReelMachine;
class SeenCountsModel;
class StudyProgress;
class SymbolPictures;

// The dialogs the window asks through; tests answer them without a
// nested event loop.
struct StudyDialogs
{
    // The path to save a CSV file to, or empty when the user cancels.
    std::function<QString(QWidget *parent, const QString &caption, const QString &suggestedPath)> saveFileName;
    // Yes or no to a question.
    std::function<bool(QWidget *parent, const QString &question)> confirm;
};

// リーチ目の研究: every pattern with its judgement, the judgements the main
// window showed, and how much of each code has been seen. A row of the
// pattern list or the history moves the main window's reels to its pattern
// (Enter or double-click) while the main window is at rest.
class StudyWindow : public QWidget
{
    Q_OBJECT

public:
    StudyWindow(ReelMachine &machine, StudyProgress &progress, const SymbolPictures *pictures,
                QWidget *parent = nullptr);
    ~StudyWindow() override;

    void setDialogs(StudyDialogs dialogs) { m_dialogs = std::move(dialogs); }

    QTabWidget *tabs() const { return m_tabs; }
    PatternBrowser *browser() const { return m_browser; }
    QTableView *historyView() const { return m_historyView; }
    QTableView *seenCountsView() const { return m_seenView; }
    QAction *browserJumpAction() const { return m_browserJump; }
    QAction *historyJumpAction() const { return m_historyJump; }

    void exportPatterns();
    void exportHistory();
    void resetProgress();

private:
    struct Jump
    {
        QTableView *view;
        QAction *action;
    };

    QWidget *buildHistoryPage();
    QWidget *buildSeenPage();
    QAction *installJump(QTableView *view, QToolButton *button);
    void jumpFrom(QTableView *view);
    void updateJumps();
    void updateSeenTotal();
    void exportRows(const QList<QStringList> &rows, const QString &suggestedName);

    ReelMachine &m_machine;
    StudyProgress &m_progress;
    StudyDialogs m_dialogs;
    QTabWidget *m_tabs;
    PatternBrowser *m_browser;
    HistoryModel *m_historyModel;
    QTableView *m_historyView = nullptr;
    SeenCountsModel *m_seenModel;
    QTableView *m_seenView = nullptr;
    QLabel *m_seenTotal = nullptr;
    std::vector<Jump> m_jumps;
    QAction *m_browserJump = nullptr;
    QAction *m_historyJump = nullptr;
};

} // namespace sorvex
