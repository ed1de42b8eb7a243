// The main window's controls as designed: kinds, names, captions,
// geometry, fonts, colours and initial state. Widgets stack in the order
// they are created, so pictures, labels and lines come first, back to
// front, and the buttons and text boxes, which always cover them, after.
#include "riru.h"

#include "machine/reelmodel.h"
#include "platform/formbutton.h"
#include "platform/formcontrols.h"
#include "platform/formfont.h"
#include "platform/formline.h"
#include "platform/formtimer.h"
#include "platform/picturebox.h"
#include "platform/twips.h"

#include <QLabel>
#include <QLineEdit>

namespace sorvex {

namespace {

constexpr int clientWidth = 10065;
constexpr int clientHeight = 6375;
constexpr int reelLefts[] = {1560, 3240, 4920};
constexpr int barLefts[] = {1320, 3000, 4680, 6360};
constexpr int barWidth = 255;
constexpr int bannerBottom = 615;
constexpr int panelTop = 4680;
constexpr int stepButtonLefts[] = {1800, 3480, 5160};

const QColor stopFace(255, 128, 128);
const QColor startFace(255, 128, 255);
const QColor medalText(192, 192, 0);

// Each reel shows through the gap between two bars, from the banner down to
// the lower panel; nothing of its picture is drawn outside it.
QRect reelOpening(int index)
{
    const int left = barLefts[index] + barWidth;
    return twipsRect(left, bannerBottom, barLefts[index + 1] - left, panelTop - bannerBottom);
}

QRect twips(int left, int top, int width, int height)
{
    return QRect(left, top, width, height);
}

} // namespace

void Riru::buildDesign()
{
    setObjectName(QStringLiteral("riru"));
    setFormCaption(this, QString());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(twipsRect(0, 0, clientWidth, clientHeight).size());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    setPalette(palette);
    setAutoFillBackground(true);

    buildPicturesLabelsAndLines();
    buildButtonsAndBoxes();

    for (int i = 0; i < reelCount; ++i)
        m_reelTimers[i] = new FormTimer(QStringLiteral("Timer%1").arg(i + 1), 200, this);
    m_Timer4 = new FormTimer(QStringLiteral("Timer4"), 1200, this);

    // Only these five take the focus from Tab, in this order; when the
    // focused one is disabled the focus passes on along the same chain.
    QWidget::setTabOrder(m_cmstart, m_stop[0]);
    QWidget::setTabOrder(m_stop[0], m_stop[1]);
    QWidget::setTabOrder(m_stop[1], m_stop[2]);
    QWidget::setTabOrder(m_stop[2], m_Command9);
    m_cmstart->setFocus();
}

void Riru::buildPicturesLabelsAndLines()
{
    for (int i = 0; i < reelCount; ++i) {
        m_reelImages[i] = new PictureBox(QStringLiteral("Image%1").arg(i + 1), reelLefts[i], ReelModel::offsetFor(0),
                                         reelOpening(i), this);
    }
    m_Label1 = addLabel(QStringLiteral("Label1"), QStringLiteral("リール１コマのスピード"),
                        twips(6840, 4080, 2175, 255), 9.75, true);
    new FormLine(QStringLiteral("Line1"), 1320, 4080, 6600, 4080, QPalette::ToolTipText, this);
    new FormLine(QStringLiteral("Line2"), 1320, 1200, 6600, 1200, QPalette::ToolTipText, this);

    const QString medals[] = {QStringLiteral("３MEDAL"), QStringLiteral("２MEDAL"), QStringLiteral("１MEDAL"),
                              QStringLiteral("２MEDAL"), QStringLiteral("３MEDAL")};
    for (int i = 0; i < 5; ++i) {
        QLabel *label = addLabel(QStringLiteral("Label2(%1)").arg(i), medals[i], twips(120, 720 + 840 * i, 1095, 375),
                                 11.25, true);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, palette.color(QPalette::WindowText));
        palette.setColor(QPalette::WindowText, medalText);
        label->setPalette(palette);
    }

    addLabel(QStringLiteral("Label5"), QStringLiteral("解説"), twips(6960, 2520, 1215, 255), 12, false);
    m_lbyakumei = addLabel(QStringLiteral("lbyakumei"), QStringLiteral("ＢＩＧじゃ～！！"),
                           twips(6840, 2940, 3135, 915), 14.25, false);
    m_judgementText = m_lbyakumei->text();
    QPalette tip = m_lbyakumei->palette();
    tip.setColor(QPalette::Window, tip.color(QPalette::ToolTipBase));
    m_lbyakumei->setPalette(tip);
    m_Label4 = addLabel(QStringLiteral("Label4"), QStringLiteral("Ａutoの停止までの時間"), twips(6840, 4560, 2295, 255),
                        9.75, true);

    struct SettingRow
    {
        QString caption;
        int width;
    };
    const SettingRow settings[] = {
            {QStringLiteral("   1     1/409.600"), 2895}, {QStringLiteral("   2     1/381.023"), 3375},
            {QStringLiteral("   3     1/356.174"), 3375}, {QStringLiteral("   4     1/327.680"), 3135},
            {QStringLiteral("   5     1/277.695"), 3015}, {QStringLiteral("   6     1/240.941"), 2895},
    };
    for (int i = 5; i >= 0; --i) {
        addLabel(QStringLiteral("Label7(%1)").arg(i), settings[i].caption,
                 twips(6960, 360 + 240 * i, settings[i].width, 255), 9, false);
    }
    addLabel(QStringLiteral("Label3"), QStringLiteral(" 設定     BIG "), twips(6960, 120, 3255, 255), 9, false);

    struct GridLine
    {
        const char *name;
        int x1, y1, x2, y2;
    };
    constexpr GridLine grid[] = {
            {"Line18", 6960, 0, 8880, 0},       {"Line11", 6960, 360, 8880, 360},   {"Line12", 6960, 600, 8880, 600},
            {"Line13", 6960, 840, 8880, 840},   {"Line14", 6960, 1080, 8880, 1080}, {"Line15", 6960, 1320, 8880, 1320},
            {"Line16", 6960, 1560, 8880, 1560}, {"Line17", 6960, 1800, 8880, 1800}, {"Line7", 6960, 0, 6960, 1800},
            {"Line9", 7440, 0, 7440, 1800},     {"Line10", 8880, 0, 8880, 1800},
    };
    for (const GridLine &line : grid) {
        new FormLine(QString::fromLatin1(line.name), line.x1, line.y1, line.x2, line.y2, QPalette::WindowText, this);
    }

    m_Image4 = new PictureBox(QStringLiteral("Image4"), 8400, 1920, twipsRect(8400, 1920, 1500, 975), this);
    m_Image4->hide();
}

void Riru::buildButtonsAndBoxes()
{
    const auto bar = [this](const char *name, const QRect &geometry) {
        FormButton *button = addButton(QString::fromLatin1(name), QString(), geometry, 9, false);
        button->setEnabled(false);
        return button;
    };
    const auto stepButton = [this](const QString &name, const QString &caption, int left, int top) {
        return addButton(name, caption, twips(left, top, 975, 375), 18, false);
    };

    addButton(QStringLiteral("Command4"), QStringLiteral("Sorvex  （順押し版）"), twips(1320, 0, 5295, 615), 15.75,
              true);
    bar("Command6", twips(3000, 600, 255, 4095));
    bar("Command3", twips(1320, 4680, 5295, 1695));
    bar("Command8", twips(6360, 600, 255, 4095));
    const int stopStacking[] = {1, 0, 2};
    for (int i : stopStacking) {
        m_stop[i] = addButton(QStringLiteral("r%1stop").arg(i + 1), QStringLiteral("stop"),
                              twips(stepButtonLefts[i], 4800, 975, 495), 14.25, true);
        m_stop[i]->setFaceColour(stopFace);
        m_stop[i]->setEnabled(false);
    }
    m_cmend = addButton(QStringLiteral("cmend"), QStringLiteral("終了"), twips(8520, 5880, 1455, 495), 14.25, true);
    bar("Command7", twips(4680, 600, 255, 4095));
    m_Text1 = addTextBox(QStringLiteral("Text1"), m_machine.boxText(IntervalBox::ReelSpeed),
                         twips(9120, 3960, 855, 360));
    m_Text1->setAlignment(Qt::AlignCenter);
    m_cmstart = addButton(QStringLiteral("cmstart"), QStringLiteral("start"), twips(120, 4800, 1095, 495), 14.25, true);
    m_cmstart->setFaceColour(startFace);
    m_autostart = addButton(QStringLiteral("autostart"), QStringLiteral("Auto_start"), twips(6840, 4920, 1575, 375),
                            14.25, true);
    m_autostop = addButton(QStringLiteral("autostop"), QStringLiteral("Auto_stop"), twips(6840, 5400, 1575, 375), 14.25,
                           true);
    m_autostop->setEnabled(false);
    bar("Command5", twips(1320, 600, 255, 4095));
    m_Text3 = addTextBox(QStringLiteral("Text3"), m_machine.boxText(IntervalBox::Sequencer),
                         twips(9120, 4440, 855, 375));
    m_Cmsousa = addButton(QStringLiteral("Cmsousa"), QStringLiteral("操作の説明"), twips(8520, 5400, 1455, 375), 12,
                          true);
    m_Cmkaisetu = addButton(QStringLiteral("Cmkaisetu"), QStringLiteral("解説の説明"), twips(8520, 4920, 1455, 375),
                            11.25, true);
    for (int i = 0; i < reelCount; ++i) {
        m_ue[i] = stepButton(QStringLiteral("r%1ue").arg(i + 1), QStringLiteral("▲"), stepButtonLefts[i], 5400);
        m_sita[i] = stepButton(QStringLiteral("r%1sita").arg(i + 1), QStringLiteral("▼"), stepButtonLefts[i], 5880);
    }
    m_Command9 = addButton(QStringLiteral("Command9"), QStringLiteral("Readme"), twips(6840, 5880, 1575, 375), 14.25,
                           true);

    for (QWidget *tabStop :
         {static_cast<QWidget *>(m_cmstart), static_cast<QWidget *>(m_stop[0]), static_cast<QWidget *>(m_stop[1]),
          static_cast<QWidget *>(m_stop[2]), static_cast<QWidget *>(m_Command9)}) {
        tabStop->setFocusPolicy(Qt::StrongFocus);
    }
}

QLabel *Riru::addLabel(const QString &name, const QString &caption, const QRect &twips, qreal points, bool centred)
{
    QLabel *label = sorvex::addLabel(this, caption, twipsRect(twips), formFont(points, true));
    label->setObjectName(name);
    label->setAlignment((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    label->setAutoFillBackground(true);
    return label;
}

FormButton *Riru::addButton(const QString &name, const QString &caption, const QRect &twips, qreal points, bool bold)
{
    FormButton *button = sorvex::addButton(this, caption, twipsRect(twips), formFont(points, bold));
    button->setObjectName(name);
    // Buttons outside the tab order still take the focus when clicked.
    button->setFocusPolicy(Qt::ClickFocus);
    return button;
}

QLineEdit *Riru::addTextBox(const QString &name, const QString &text, const QRect &twips)
{
    QLineEdit *box = addEntryBox(this, text, twipsRect(twips), formFont(15.75, true));
    box->setObjectName(name);
    box->setFocusPolicy(Qt::ClickFocus);
    // Numbers only: an input method would only get in the way.
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    return box;
}

} // namespace sorvex
