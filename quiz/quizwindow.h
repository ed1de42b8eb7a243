#pragma once

#include "quizsession.h"

#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QListView;
class QPushButton;
class QSpinBox;
class QStringListModel;

namespace sorvex {

class QuizTallyModel;
class Riru;

// The reach-me quiz: each question moves the main window's reels to a
// pattern with its judgement and lamp concealed, and asks whether it is a
// reach-me pattern (or, harder, which family its judgement is of). The
// answer reveals the judgement as the machine shows it. Questions are drawn
// from a seed the player can set; the patterns answered wrong are listed,
// and the results per code build up over every run.
class QuizWindow : public QWidget
{
    Q_OBJECT

public:
    explicit QuizWindow(Riru *riru, QWidget *parent = nullptr);
    ~QuizWindow() override;

    // The results kept from earlier runs and this one, shown in the table.
    void setTallies(const std::map<MessageCode, QuizTally> &tallies);

    const QuizSession &session() const { return *m_session; }

    // The buttons, for keys and tests.
    QPushButton *nextButton() const { return m_next; }
    QPushButton *answerButton(int number) const;

signals:
    void answered(sorvex::MessageCode code, bool right);
    // A pattern from the list of wrong answers, to be looked at again.
    void jumpRequested(const sorvex::StopPattern &pattern);

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void buildDesign();
    void restart();
    void askNext();
    void answerWith(const std::function<std::optional<bool>()> &give);
    void abandonQuestion(const QString &why);
    void updateAvailability();
    void showScore();
    void say(QLabel *label, const QString &text);

    Riru *m_riru;
    std::unique_ptr<QuizSession> m_session;

    QComboBox *m_level = nullptr;
    QComboBox *m_leftIndex = nullptr;
    QSpinBox *m_seed = nullptr;
    QPushButton *m_restart = nullptr;
    QLabel *m_question = nullptr;
    QPushButton *m_yes = nullptr;
    QPushButton *m_no = nullptr;
    std::array<QPushButton *, 4> m_families {};
    QPushButton *m_next = nullptr;
    QLabel *m_feedback = nullptr;
    QLabel *m_score = nullptr;
    QStringListModel *m_wrongModel = nullptr;
    QListView *m_wrongList = nullptr;
    QuizTallyModel *m_tallyModel = nullptr;
};

} // namespace sorvex
