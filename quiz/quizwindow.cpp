#include "quizwindow.h"

#include "quiztallymodel.h"

#include "judge/messagecatalogue.h"
#include "judge/subtables.h"
#include "platform/accessibleannouncement.h"
#include "platform/formfont.h"
#include "reels/riru.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QStringListModel>
#include <QTableView>
#include <QVBoxLayout>

namespace sorvex {

namespace {

struct FamilyChoice
{
    const char16_t *caption;
    Qt::Key key;
};

constexpr FamilyChoice familyChoices[] = {
        {u"W ボーナス確定 (1)", Qt::Key_1},
        {u"P 小役・リプレイ (2)", Qt::Key_2},
        {u"U 止まらない (3)", Qt::Key_3},
        {u"N はずれ (4)", Qt::Key_4},
};

QString patternText(const StopPattern &pattern)
{
    const MessageCode code = cellCode(pattern.t1, pattern.t2, pattern.t3);
    return QStringLiteral("%1-%2-%3　%4　%5")
            .arg(pattern.t1)
            .arg(pattern.t2)
            .arg(pattern.t3)
            .arg(QLatin1String(codeName(code)), oneLineText(judgementText(code)));
}

// A key that presses a button of this window, only while it is enabled.
void addKey(QWidget *window, Qt::Key key, QPushButton *button)
{
    auto *shortcut = new QShortcut(QKeySequence(key), window);
    QObject::connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
}

} // namespace

QuizWindow::QuizWindow(Riru *riru, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_riru(riru)
{
    setObjectName(QStringLiteral("quiz"));
    setWindowTitle(QStringLiteral("リーチ目クイズ"));
    setFont(formFont(10.5, false));
    buildDesign();

    const ReelMachine &machine = m_riru->machine();
    connect(&machine, &ReelMachine::timerEnabledChanged, this, &QuizWindow::updateAvailability);
    connect(&machine, &ReelMachine::judged, this, [this](const StopPattern &, JudgementCause cause) {
        // Moving the reels by hand makes the open question another pattern.
        if (cause != JudgementCause::Jump && m_session->currentQuestion())
            abandonQuestion(QStringLiteral("リールが動いたので、この問題は取り消しました。"));
    });
    restart();
}

// Not a word to the main window here: the quiz goes when the main window
// itself is being destroyed, and a quiz closed by the user has already
// given the judgement back when it was hidden.
QuizWindow::~QuizWindow() = default;

void QuizWindow::buildDesign()
{
    auto *settings = new QHBoxLayout;
    const auto addSetting = [settings](const QString &caption, QWidget *control) {
        auto *label = new QLabel(caption);
        label->setBuddy(control);
        settings->addWidget(label);
        settings->addWidget(control);
    };
    m_level = new QComboBox;
    m_level->setObjectName(QStringLiteral("level"));
    m_level->addItems({QStringLiteral("リーチ目かどうか"), QStringLiteral("判定の種類（W・P・U・N）")});
    m_level->setAccessibleName(QStringLiteral("問題の種類"));
    addSetting(QStringLiteral("問題"), m_level);
    m_leftIndex = new QComboBox;
    m_leftIndex->setObjectName(QStringLiteral("leftIndex"));
    m_leftIndex->addItem(QStringLiteral("すべて"));
    for (int index = 1; index <= stopCount; ++index)
        m_leftIndex->addItem(QString::number(index));
    m_leftIndex->setAccessibleName(QStringLiteral("左リールの停止位置"));
    addSetting(QStringLiteral("左リール"), m_leftIndex);
    m_seed = new QSpinBox;
    m_seed->setObjectName(QStringLiteral("seed"));
    m_seed->setRange(0, std::numeric_limits<int>::max());
    m_seed->setValue(1);
    m_seed->setAccessibleName(QStringLiteral("シード（同じ数なら同じ順に出題）"));
    m_seed->setToolTip(QStringLiteral("同じシードでは、同じ順に問題が出ます。"));
    addSetting(QStringLiteral("シード"), m_seed);
    m_restart = new QPushButton(QStringLiteral("はじめから"));
    m_restart->setObjectName(QStringLiteral("restart"));
    settings->addWidget(m_restart);
    settings->addStretch();
    connect(m_restart, &QPushButton::clicked, this, &QuizWindow::restart);

    m_question = new QLabel;
    m_question->setObjectName(QStringLiteral("question"));
    m_question->setFont(formFont(14.25, true));
    m_question->setWordWrap(true);

    auto *answers = new QHBoxLayout;
    m_yes = new QPushButton(QStringLiteral("はい (Y)"));
    m_yes->setObjectName(QStringLiteral("yes"));
    m_no = new QPushButton(QStringLiteral("いいえ (N)"));
    m_no->setObjectName(QStringLiteral("no"));
    answers->addWidget(m_yes);
    answers->addWidget(m_no);
    connect(m_yes, &QPushButton::clicked, this,
            [this] { answerWith([this] { return m_session->answerReachMe(true); }); });
    connect(m_no, &QPushButton::clicked, this,
            [this] { answerWith([this] { return m_session->answerReachMe(false); }); });
    addKey(this, Qt::Key_Y, m_yes);
    addKey(this, Qt::Key_N, m_no);
    for (std::size_t i = 0; i < m_families.size(); ++i) {
        m_families[i] = new QPushButton(QString::fromUtf16(familyChoices[i].caption));
        m_families[i]->setObjectName(QStringLiteral("family%1").arg(i + 1));
        answers->addWidget(m_families[i]);
        connect(m_families[i], &QPushButton::clicked, this,
                [this, i] { answerWith([this, i] { return m_session->answerFamily(CodeFamily(i)); }); });
        addKey(this, familyChoices[i].key, m_families[i]);
    }

    m_next = new QPushButton(QStringLiteral("次の問題 (Enter)"));
    m_next->setObjectName(QStringLiteral("next"));
    connect(m_next, &QPushButton::clicked, this, &QuizWindow::askNext);
    addKey(this, Qt::Key_Return, m_next);
    addKey(this, Qt::Key_Enter, m_next);

    m_feedback = new QLabel;
    m_feedback->setObjectName(QStringLiteral("feedback"));
    m_feedback->setWordWrap(true);
    m_feedback->setMinimumHeight(m_feedback->fontMetrics().lineSpacing() * 3);
    m_score = new QLabel;
    m_score->setObjectName(QStringLiteral("score"));

    m_wrongModel = new QStringListModel(this);
    m_wrongList = new QListView;
    m_wrongList->setObjectName(QStringLiteral("wrongAnswers"));
    m_wrongList->setModel(m_wrongModel);
    m_wrongList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_wrongList->setAccessibleName(QStringLiteral("まちがえた出目"));
    m_wrongList->setToolTip(QStringLiteral("ダブルクリックで、その出目にリールを移します。"));
    connect(m_wrongList, &QListView::activated, this, [this](const QModelIndex &index) {
        const QList<StopPattern> wrong = m_session->wrongAnswers();
        if (index.row() >= wrong.size())
            return;
        if (m_session->currentQuestion())
            abandonQuestion(QStringLiteral("出目を見に行くので、この問題は取り消しました。"));
        emit jumpRequested(wrong[index.row()]);
    });
    auto *wrongBox = new QGroupBox(QStringLiteral("まちがえた出目"));
    (new QVBoxLayout(wrongBox))->addWidget(m_wrongList);

    m_tallyModel = new QuizTallyModel(this);
    auto *tallies = new QTableView;
    tallies->setObjectName(QStringLiteral("tallies"));
    tallies->setModel(m_tallyModel);
    tallies->verticalHeader()->hide();
    tallies->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tallies->setAccessibleName(QStringLiteral("コードごとの成績"));
    auto *talliesBox = new QGroupBox(QStringLiteral("コードごとの成績（これまでの合計）"));
    (new QVBoxLayout(talliesBox))->addWidget(tallies);

    auto *lists = new QHBoxLayout;
    lists->addWidget(wrongBox);
    lists->addWidget(talliesBox);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(settings);
    layout->addWidget(m_question);
    layout->addLayout(answers);
    layout->addWidget(m_next);
    layout->addWidget(m_feedback);
    layout->addWidget(m_score);
    layout->addLayout(lists, 1);
    resize(620, 460);
}

QPushButton *QuizWindow::answerButton(int number) const
{
    if (m_level->currentIndex() == 0)
        return number == 1 ? m_yes : number == 2 ? m_no : nullptr;
    return number >= 1 && number <= 4 ? m_families[std::size_t(number - 1)] : nullptr;
}

void QuizWindow::setTallies(const std::map<MessageCode, QuizTally> &tallies)
{
    m_tallyModel->setTallies(tallies);
}

void QuizWindow::restart()
{
    m_riru->setJudgementConcealed(false);
    const auto level = m_level->currentIndex() == 0 ? QuizLevel::ReachMe : QuizLevel::Family;
    m_session = std::make_unique<QuizSession>(quint32(m_seed->value()), level, m_leftIndex->currentIndex());
    m_yes->setVisible(level == QuizLevel::ReachMe);
    m_no->setVisible(level == QuizLevel::ReachMe);
    for (QPushButton *button : m_families)
        button->setVisible(level == QuizLevel::Family);
    m_wrongModel->setStringList({});
    say(m_question, QStringLiteral("「次の問題」で始めます。"));
    say(m_feedback, QStringLiteral("答えると、ここに正解と判定が出ます。"));
    showScore();
    updateAvailability();
}

void QuizWindow::askNext()
{
    ReelMachine &machine = m_riru->machine();
    if (!machine.isAtRest())
        return;
    const StopPattern question = m_session->nextQuestion();
    m_riru->setJudgementConcealed(true);
    machine.moveTo(question);
    say(m_feedback, QStringLiteral("答えると、ここに正解と判定が出ます。"));
    say(m_question,
        QStringLiteral("第%1問　%2")
                .arg(m_session->questionCount())
                .arg(m_session->level() == QuizLevel::ReachMe ? QStringLiteral("リーチ目（ボーナス確定）ですか？")
                                                              : QStringLiteral("この出目の判定はどの種類ですか？")));
    updateAvailability();
}

void QuizWindow::answerWith(const std::function<std::optional<bool>()> &give)
{
    const std::optional<StopPattern> question = m_session->currentQuestion();
    const std::optional<bool> right = give();
    if (!question || !right)
        return;
    const StopPattern pattern = *question;
    m_riru->setJudgementConcealed(false);
    const MessageCode code = cellCode(pattern.t1, pattern.t2, pattern.t3);
    say(m_feedback,
        (*right ? QStringLiteral("正解！　") : QStringLiteral("不正解…　")) + patternText(pattern)
                + (isWin(code) ? QStringLiteral("　（ＢＩＧ確定）") : QString()));
    QStringList wrong;
    for (const StopPattern &missed : m_session->wrongAnswers())
        wrong.append(patternText(missed));
    m_wrongModel->setStringList(wrong);
    showScore();
    updateAvailability();
    emit answered(code, *right);
}

void QuizWindow::abandonQuestion(const QString &why)
{
    m_session->dropQuestion();
    m_riru->setJudgementConcealed(false);
    say(m_feedback, why);
    updateAvailability();
}

void QuizWindow::showScore()
{
    m_score->setText(QStringLiteral("正解 %1 / %2　　連続正解 %3")
                             .arg(m_session->score().right)
                             .arg(m_session->score().asked)
                             .arg(m_session->streak()));
}

void QuizWindow::updateAvailability()
{
    const bool open = m_session->currentQuestion().has_value();
    const QString refusal = m_riru->machine().moveRefusal();
    m_next->setEnabled(!open && refusal.isEmpty());
    m_next->setToolTip(open ? QStringLiteral("先に答えてください。") : refusal);
    for (QPushButton *button : {m_yes, m_no, m_families[0], m_families[1], m_families[2], m_families[3]})
        button->setEnabled(open);
}

void QuizWindow::say(QLabel *label, const QString &text)
{
    label->setText(text);
    announceAccessibleChange(label, QAccessible::NameChanged);
}

void QuizWindow::hideEvent(QHideEvent *event)
{
    // A question left open gives its judgement back to the main window.
    if (m_session->currentQuestion())
        abandonQuestion(QStringLiteral("クイズを閉じたので、この問題は取り消しました。"));
    QWidget::hideEvent(event);
}

} // namespace sorvex
