#pragma once

#include "judge/judgementobjects.h"
#include "reels/reelmodel.h"

#include <QString>
#include <QWidget>

#include <array>
#include <initializer_list>
#include <optional>

class QLabel;
class QLineEdit;

namespace sorvex {

class FormButton;
class FormTimer;
class PictureBox;
struct IntervalReading;

// The main window: three reels behind their masking panels, the buttons
// that start, stop, step and automate them, the two timing boxes and the
// judgement display. It owns all state of the reel machine for the run.
//
// Every click and tick handler is a plain public method, so that the
// machine can be driven without a clock or a screen; the buttons and the
// four timers only call them. Reels are numbered 1 (left) to 3 (right).
class Riru : public QWidget
{
    Q_OBJECT

public:
    static constexpr int reelCount = 3;

    explicit Riru(QWidget *parent = nullptr);
    ~Riru() override;

    // The window's load step: the four pictures from the current working
    // folder. Throws RuntimeError(FileNotFound) naming the file and folder.
    void loadPictures();

    void cmstartClick();
    void stopClick(int reel);
    void reelTick(int reel);
    void ueClick(int reel);
    void sitaClick(int reel);
    void autostartClick();
    void autostopClick();
    void timer4Tick();
    void cmendClick();

    const ReelModel &reel(int reel) const;
    FormTimer *timer(int number) const;
    PictureBox *image(int number) const;

    qint16 timint() const { return m_timint; }
    qint16 timgoukei() const { return m_timgoukei; }
    qint16 stopped(int reel) const;
    qint16 autostep() const { return m_autostep; }
    qint16 r1jyoudan() const { return m_r1jyoudan; }
    qint16 r2jyoudan() const { return m_r2jyoudan; }
    qint16 r3jyoudan() const { return m_r3jyoudan; }
    const QString &yakumei() const { return m_yakumei; }
    const QString &tamaya() const { return m_tamaya; }
    const JudgementObjects &subTables() const { return m_subTables; }

signals:
    void cmsousaClicked();
    void cmkaisetuClicked();
    void command9Clicked();
    // cmend, or the close box of the frame: the program is to end now.
    void endRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildDesign();
    void buildPicturesLabelsAndLines();
    void buildButtonsAndBoxes();
    void connectHandlers();
    QLabel *addLabel(const QString &name, const QString &caption, const QRect &twips, qreal points, bool centred);
    FormButton *addButton(const QString &name, const QString &caption, const QRect &twips, qreal points, bool bold);
    QLineEdit *addTextBox(const QString &name, const QString &text, const QRect &twips);

    // Typed text that gives no interval: a message naming the box and the
    // accepted range, and the box gets back its last valid text.
    bool rejectBoxText(QLineEdit *box, const QString &lastValid, const std::optional<IntervalReading> &reading,
                       const QString &boxCaption);
    qint16 acceptBoxText(QLineEdit *box, QString &lastValid, const IntervalReading &reading);

    void yaku();
    void showResultSwitching();
    void showResultSetting();
    void clearResult();
    void moveReel(int index, qint16 offset);
    void enableControls(std::initializer_list<QWidget *> controls, bool enabled);

    // State of the reel machine, zero or empty when the window is created.
    qint16 m_r2jyoudan = 0;
    qint16 m_r3jyoudan = 0;
    QString m_tamaya;
    QString m_yakumei;
    qint16 m_timgoukei = 0;
    qint16 m_timint = 0;
    std::array<ReelModel, reelCount> m_reels;
    std::array<qint16, reelCount> m_stopped {};
    JudgementObjects m_subTables;
    qint16 m_autostep = 0;
    qint16 m_r1jyoudan = 0;

    // What each box held when it was last read successfully.
    QString m_lastValidText1;
    QString m_lastValidText3;

    std::array<PictureBox *, reelCount> m_reelImages {};
    PictureBox *m_Image4 = nullptr;
    QLabel *m_lbyakumei = nullptr;
    QLabel *m_Label1 = nullptr;
    QLabel *m_Label4 = nullptr;
    QLineEdit *m_Text1 = nullptr;
    QLineEdit *m_Text3 = nullptr;
    FormButton *m_cmstart = nullptr;
    std::array<FormButton *, reelCount> m_stop {};
    std::array<FormButton *, reelCount> m_ue {};
    std::array<FormButton *, reelCount> m_sita {};
    FormButton *m_autostart = nullptr;
    FormButton *m_autostop = nullptr;
    FormButton *m_cmend = nullptr;
    FormButton *m_Cmsousa = nullptr;
    FormButton *m_Cmkaisetu = nullptr;
    FormButton *m_Command9 = nullptr;
    std::array<FormTimer *, reelCount> m_reelTimers {};
    FormTimer *m_Timer4 = nullptr;
};

} // namespace sorvex
