#include "riru.h"

#include "keyboardplay.h"

#include "machine/artworkfiles.h"
#include "platform/formbutton.h"
#include "platform/formtimer.h"
#include "platform/messagebox.h"
#include "platform/picturebox.h"
#include "platform/picturefile.h"
#include "platform/untrappederror.h"

#include <QCloseEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>

namespace sorvex {

Riru::Riru(QWidget *parent)
    : QWidget(parent)
{
    buildDesign();
    connectHandlers();
    connectMachine();
    describeForAssistiveTechnology();
    installKeyboardPlay(this);
}

Riru::~Riru() = default;

void Riru::connectHandlers()
{
    // An error that escapes a handler ends the program, as the runtime does.
    const auto handle = [this](auto *sender, auto signal, auto handler) {
        connect(sender, signal, this, [this, handler] { runHandler(this, handler); });
    };
    const auto clicked = &QPushButton::clicked;
    handle(m_cmstart, clicked, [this] { m_machine.start(m_Text1->text()); });
    for (int i = 0; i < reelCount; ++i) {
        const int reel = i + 1;
        handle(m_stop[i], clicked, [this, reel] { m_machine.stop(reel); });
        handle(m_ue[i], clicked, [this, reel] { m_machine.stepUp(reel); });
        handle(m_sita[i], clicked, [this, reel] { m_machine.stepDown(reel); });
        handle(m_reelTimers[i], &FormTimer::tick, [this, reel] { m_machine.tick(reel); });
    }
    handle(m_autostart, clicked, [this] { m_machine.autoStart(m_Text1->text(), m_Text3->text()); });
    handle(m_autostop, clicked, [this] { m_machine.autoStop(); });
    handle(m_Timer4, &FormTimer::tick, [this] { m_machine.sequencerTick(); });
    connect(m_cmend, clicked, this, &Riru::endRequested);
    connect(m_Cmsousa, clicked, this, &Riru::cmsousaClicked);
    connect(m_Cmkaisetu, clicked, this, &Riru::cmkaisetuClicked);
    connect(m_Command9, clicked, this, &Riru::command9Clicked);
}

void Riru::connectMachine()
{
    connect(&m_machine, &ReelMachine::reelMoved, this,
            [this](int reel, double top) { m_reelImages[reel - 1]->setTop(top); });
    connect(&m_machine, &ReelMachine::judgementShown, this, [this](const QString &yakumei) {
        m_judgementText = yakumei;
        showJudgement();
    });
    connect(&m_machine, &ReelMachine::judgementCleared, this, [this] {
        m_judgementText.clear();
        showJudgement();
        announceJudgement();
    });
    connect(&m_machine, &ReelMachine::lampChanged, this, &Riru::showJudgement);
    // Once label and lamp both show the new judgement.
    connect(&m_machine, &ReelMachine::judged, this, &Riru::announceJudgement);
    connect(&m_machine, &ReelMachine::controlEnabledChanged, this,
            [this](MachineControl control, bool enabled) { button(control)->setEnabled(enabled); });
    connect(&m_machine, &ReelMachine::focusRequested, this,
            [this](MachineControl control) { button(control)->setFocus(); });
    connect(&m_machine, &ReelMachine::timerIntervalChanged, this,
            [this](int number, int milliseconds) { timer(number)->setInterval(milliseconds); });
    connect(&m_machine, &ReelMachine::timerEnabledChanged, this,
            [this](int number, bool enabled) { timer(number)->setEnabled(enabled); });
    connect(&m_machine, &ReelMachine::boxTextChanged, this,
            [this](IntervalBox which, const QString &text) { box(which)->setText(text); });
    connect(&m_machine, &ReelMachine::intervalRejected, this, &Riru::reportRejectedInterval);
}

void Riru::setJudgementConcealed(bool concealed)
{
    if (m_judgementConcealed == concealed)
        return;
    m_judgementConcealed = concealed;
    showJudgement();
    announceJudgement();
}

void Riru::showJudgement()
{
    m_lbyakumei->setText(m_judgementConcealed ? QString() : m_judgementText);
    m_Image4->setVisible(m_machine.isLampLit() && !m_judgementConcealed);
}

void Riru::loadPictures()
{
    for (int i = 0; i < reelCount; ++i)
        m_reelImages[i]->setPicture(loadPicture(QString::fromLatin1(reelPictureFiles[i])));
    m_Image4->setPicture(loadPicture(QString::fromLatin1(lampPictureFile)));
}

FormTimer *Riru::timer(int number) const
{
    return number == ReelMachine::sequencerTimer ? m_Timer4 : m_reelTimers.at(number - 1);
}

PictureBox *Riru::image(int number) const
{
    return number == 4 ? m_Image4 : m_reelImages.at(number - 1);
}

FormButton *Riru::button(MachineControl control) const
{
    // In the order of MachineControl.
    const std::array<FormButton *, machineControlCount> buttons = {
            m_cmstart, m_stop[0], m_stop[1], m_stop[2],   m_ue[0],    m_sita[0], m_ue[1],
            m_sita[1], m_ue[2],   m_sita[2], m_autostart, m_autostop, m_cmend,
    };
    return buttons[static_cast<std::size_t>(control)];
}

QLineEdit *Riru::box(IntervalBox box) const
{
    return box == IntervalBox::ReelSpeed ? m_Text1 : m_Text3;
}

void Riru::reportRejectedInterval(IntervalBox which)
{
    const QLabel *caption = which == IntervalBox::ReelSpeed ? m_Label1 : m_Label4;
    // Two lines, so that the box never breaks the sentence inside a word.
    showMessage(
            this,
            QStringLiteral("「%1」には、\n0 から 32767 までの数（ミリ秒）を入力してください。").arg(caption->text()));
}

void Riru::closeEvent(QCloseEvent *event)
{
    // Closing the frame ends the program as the end button does; otherwise
    // a hidden help window would keep it running with nothing on screen.
    event->accept();
    emit endRequested();
}

} // namespace sorvex
