#pragma once

#include "machine/reelmachine.h"

#include <QString>
#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;

namespace sorvex {

class FormButton;
class FormTimer;
class PictureBox;

// The main window: three reels behind their masking panels, the buttons
// that start, stop, step and automate them, the two timing boxes and the
// judgement display. It is a view of the reel machine it owns for the run:
// the buttons and the four timers call the machine's operations, and the
// machine's signals move the pictures, set the label and the lamp, enable
// the buttons, move the focus and run the timers.
class Riru : public QWidget
{
    Q_OBJECT

public:
    static constexpr int reelCount = ReelMachine::reelCount;

    explicit Riru(QWidget *parent = nullptr);
    ~Riru() override;

    // The window's load step: the four pictures from the current working
    // folder. Throws RuntimeError(FileNotFound) naming the file and folder.
    void loadPictures();

    ReelMachine &machine() { return m_machine; }
    const ReelMachine &machine() const { return m_machine; }

    // While concealed, the judgement label stays blank and the lamp dark,
    // whatever the machine judges; revealing shows what it judged last. The
    // quiz asks about a pattern before its judgement can be seen.
    void setJudgementConcealed(bool concealed);
    bool isJudgementConcealed() const { return m_judgementConcealed; }

    // Timer1 .. Timer4 and Image1 .. Image4.
    FormTimer *timer(int number) const;
    PictureBox *image(int number) const;

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
    void connectMachine();
    void describeForAssistiveTechnology();
    void describeReel(int reel);
    void showJudgement();
    void announceJudgement();
    QLabel *addLabel(const QString &name, const QString &caption, const QRect &twips, qreal points, bool centred);
    FormButton *addButton(const QString &name, const QString &caption, const QRect &twips, qreal points, bool bold);
    QLineEdit *addTextBox(const QString &name, const QString &text, const QRect &twips);

    FormButton *button(MachineControl control) const;
    QLineEdit *box(IntervalBox box) const;
    // Typed text that gives no interval: a message naming the box by its
    // caption and the numbers it takes.
    void reportRejectedInterval(IntervalBox box);

    // Created before the design, which takes the boxes' texts from it.
    ReelMachine m_machine;
    // What the judgement label shows unless concealed.
    QString m_judgementText;
    bool m_judgementConcealed = false;

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
