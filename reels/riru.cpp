#include "riru.h"

#include "intervalrules.h"

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

namespace {
const QString winMarkText = QStringLiteral("WIN");
} // namespace

Riru::Riru(QWidget *parent)
    : QWidget(parent)
{
    buildDesign();
    connectHandlers();
}

Riru::~Riru() = default;

void Riru::connectHandlers()
{
    const auto on = [this](FormButton *button, auto handler) {
        connect(button, &QPushButton::clicked, this, [this, handler] { runHandler(this, handler); });
    };
    on(m_cmstart, [this] { cmstartClick(); });
    for (int i = 0; i < reelCount; ++i) {
        const int reel = i + 1;
        on(m_stop[i], [this, reel] { stopClick(reel); });
        on(m_ue[i], [this, reel] { ueClick(reel); });
        on(m_sita[i], [this, reel] { sitaClick(reel); });
        connect(m_reelTimers[i], &FormTimer::tick, this, [this, reel] { reelTick(reel); });
    }
    on(m_autostart, [this] { autostartClick(); });
    on(m_autostop, [this] { autostopClick(); });
    connect(m_Timer4, &FormTimer::tick, this, [this] { runHandler(this, [this] { timer4Tick(); }); });
    on(m_cmend, [this] { cmendClick(); });
    connect(m_Cmsousa, &QPushButton::clicked, this, &Riru::cmsousaClicked);
    connect(m_Cmkaisetu, &QPushButton::clicked, this, &Riru::cmkaisetuClicked);
    connect(m_Command9, &QPushButton::clicked, this, &Riru::command9Clicked);
}

void Riru::loadPictures()
{
    const QString files[] = {QStringLiteral("r1.bmp"), QStringLiteral("r2.bmp"), QStringLiteral("r3.bmp")};
    for (int i = 0; i < reelCount; ++i)
        m_reelImages[i]->setPicture(loadPicture(files[i]));
    m_Image4->setPicture(loadPicture(QStringLiteral("win.bmp")));
}

const ReelModel &Riru::reel(int reel) const
{
    return m_reels.at(reel - 1);
}

FormTimer *Riru::timer(int number) const
{
    return number == 4 ? m_Timer4 : m_reelTimers.at(number - 1);
}

PictureBox *Riru::image(int number) const
{
    return number == 4 ? m_Image4 : m_reelImages.at(number - 1);
}

qint16 Riru::stopped(int reel) const
{
    return m_stopped.at(reel - 1);
}

void Riru::enableControls(std::initializer_list<QWidget *> controls, bool enabled)
{
    for (QWidget *control : controls)
        control->setEnabled(enabled);
}

bool Riru::rejectBoxText(QLineEdit *box, const QString &lastValid, const std::optional<IntervalReading> &reading,
                         const QString &boxCaption)
{
    if (reading)
        return false;
    showMessage(this,
                QStringLiteral("「%1」(%2) には 0 から 32767 までの整数を入力してください。")
                        .arg(boxCaption, box->objectName()));
    box->setText(lastValid);
    return true;
}

qint16 Riru::acceptBoxText(QLineEdit *box, QString &lastValid, const IntervalReading &reading)
{
    box->setText(reading.boxText);
    lastValid = reading.boxText;
    return reading.milliseconds;
}

void Riru::cmstartClick()
{
    const std::optional<IntervalReading> speed = readReelInterval(m_Text1->text());
    if (rejectBoxText(m_Text1, m_lastValidText1, speed, m_Label1->text()))
        return;
    m_stopped.fill(0);
    m_timint = acceptBoxText(m_Text1, m_lastValidText1, *speed);
    for (FormTimer *timer : m_reelTimers)
        timer->setInterval(m_timint);
    clearResult();
    enableControls({m_cmend, m_autostart, m_cmstart, m_ue[0], m_sita[0], m_ue[1], m_sita[1], m_ue[2], m_sita[2]},
                   false);
    for (FormTimer *timer : m_reelTimers)
        timer->setEnabled(true);
    enableControls({m_stop[0], m_stop[1], m_stop[2]}, true);
    m_stop[0]->setFocus();
}

void Riru::stopClick(int reel)
{
    const int i = reel - 1;
    m_stopped.at(i) = 1;
    m_timgoukei = static_cast<qint16>(m_stopped[0] + m_stopped[1] + m_stopped[2]);
    m_reelTimers[i]->setEnabled(false);
    if (m_timgoukei == 3) {
        showResultSwitching();
        enableControls({m_cmstart, m_cmend, m_autostart, m_ue[1], m_sita[1], m_ue[2], m_sita[2], m_ue[0], m_sita[0]},
                       true);
    }
    m_stop[i]->setEnabled(false);
}

void Riru::reelTick(int reel)
{
    const int i = reel - 1;
    moveReel(i, m_reels.at(i).advance());
}

void Riru::ueClick(int reel)
{
    const int i = reel - 1;
    moveReel(i, m_reels.at(i).stepUp());
    showResultSetting();
}

void Riru::sitaClick(int reel)
{
    const int i = reel - 1;
    moveReel(i, m_reels.at(i).stepDown());
    showResultSetting();
}

void Riru::moveReel(int index, qint16 offset)
{
    m_reelImages[index]->setTop(offset);
}

void Riru::autostartClick()
{
    // Both boxes are checked before anything changes, so bad text in either
    // leaves the window at rest with both boxes as they were.
    const std::optional<IntervalReading> speed = readReelInterval(m_Text1->text());
    const std::optional<IntervalReading> sequencer = readSequencerInterval(m_Text3->text());
    if (rejectBoxText(m_Text1, m_lastValidText1, speed, m_Label1->text())
        || rejectBoxText(m_Text3, m_lastValidText3, sequencer, m_Label4->text()))
        return;

    enableControls({m_cmstart, m_stop[0], m_stop[1], m_stop[2], m_cmend, m_ue[0], m_sita[0], m_ue[1], m_sita[1],
                    m_ue[2], m_sita[2]},
                   false);
    m_timint = acceptBoxText(m_Text1, m_lastValidText1, *speed);
    for (FormTimer *timer : m_reelTimers)
        timer->setInterval(m_timint);
    m_Timer4->setInterval(acceptBoxText(m_Text3, m_lastValidText3, *sequencer));
    for (FormTimer *timer : m_reelTimers)
        timer->setEnabled(true);
    m_Timer4->setEnabled(true);
    m_autostop->setEnabled(true);
    m_autostart->setEnabled(false);
    m_autostop->setFocus();
}

void Riru::timer4Tick()
{
    m_autostep = static_cast<qint16>(m_autostep + 1);
    switch (m_autostep) {
    case 1:
    case 2:
        m_reelTimers[m_autostep - 1]->setEnabled(false);
        break;
    case 3:
    case 4:
        m_reelTimers[2]->setEnabled(false);
        showResultSwitching();
        break;
    case 5:
        clearResult();
        for (FormTimer *timer : m_reelTimers)
            timer->setEnabled(true);
        break;
    default:
        m_autostep = 0;
        break;
    }
}

void Riru::autostopClick()
{
    for (FormTimer *timer : m_reelTimers)
        timer->setEnabled(false);
    m_Timer4->setEnabled(false);
    m_autostart->setEnabled(true);
    m_autostop->setEnabled(false);
    enableControls({m_cmend, m_ue[2], m_sita[2], m_cmstart, m_ue[0], m_sita[0], m_ue[1], m_sita[1]}, true);
    m_autostart->setFocus();
}

void Riru::cmendClick()
{
    emit endRequested();
}

void Riru::closeEvent(QCloseEvent *event)
{
    // Closing the frame ends the program as the end button does; otherwise
    // a hidden help window would keep it running with nothing on screen.
    event->accept();
    emit endRequested();
}

void Riru::yaku()
{
    // What is judged is what the pictures show, not the position counters.
    m_r1jyoudan = static_cast<qint16>(ReelModel::readBack(m_reelImages[0]->top()));
    m_r2jyoudan = static_cast<qint16>(ReelModel::readBack(m_reelImages[1]->top()));
    m_r3jyoudan = static_cast<qint16>(ReelModel::readBack(m_reelImages[2]->top()));
    JudgementObject *subTable = m_subTables.object(m_r1jyoudan);
    if (!subTable)
        return;
    subTable->r2jyoudan = m_r2jyoudan;
    subTable->r3jyoudan = m_r3jyoudan;
    subTable->yaku();
    m_yakumei = subTable->yakumei;
    m_tamaya = subTable->tamaya;
}

void Riru::showResultSwitching()
{
    yaku();
    if (m_tamaya == winMarkText)
        m_Image4->show();
    m_lbyakumei->setText(m_yakumei);
}

void Riru::showResultSetting()
{
    yaku();
    m_Image4->setVisible(m_tamaya == winMarkText);
    m_lbyakumei->setText(m_yakumei);
}

void Riru::clearResult()
{
    m_lbyakumei->setText(QString());
    m_Image4->hide();
}

} // namespace sorvex
