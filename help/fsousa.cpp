#include "fsousa.h"

#include "platform/formbutton.h"
#include "platform/formcontrols.h"
#include "platform/formfont.h"
#include "platform/formline.h"
#include "platform/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace sorvex {

namespace {

QPushButton *addMock(QWidget *form, const char *name, const QString &text, const QRect &geometry, const QFont &font)
{
    QPushButton *mock = addButton(form, text, geometry, font);
    mock->setObjectName(QLatin1String(name));
    return mock;
}

} // namespace

Fsousa::Fsousa(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Fsousa"));
    setFixedToolFrame(this, QStringLiteral("操作法の説明"), twipsRect(0, 0, 7410, 7530).size());

    const QFont reelButtonFont = formFont(20.25, false);
    const QFont arrowFont = formFont(18, false);
    const QFont note = formFont(9.75, true);
    const QFont boxFont = formFont(15.75, true);
    const QFont heading = formFont(12, true);
    const QFont explanation = formFont(11.25, true);
    const QFont autoButtonFont = formFont(9.75, true);

    const QString upTip = QStringLiteral("左リールを１コマ上に移動します。");
    const QString downTip = QStringLiteral("左リールを１コマ下に移動します。");

    QPushButton *start
            = addMock(this, "startMock", QStringLiteral("Ｓｔａｒｔ"), twipsRect(120, 360, 1575, 525), reelButtonFont);
    start->setToolTip(upTip);
    QPushButton *leftStop = addMock(this, "leftStopMock", QStringLiteral("Ｓｔｏｐ"), twipsRect(2400, 360, 1455, 525),
                                    reelButtonFont);
    QPushButton *middleStop = addMock(this, "middleStopMock", QStringLiteral("Ｓｔｏｐ"),
                                      twipsRect(3960, 360, 1455, 525), reelButtonFont);
    QPushButton *rightStop = addMock(this, "rightStopMock", QStringLiteral("Ｓｔｏｐ"), twipsRect(5520, 360, 1455, 525),
                                     reelButtonFont);
    for (QPushButton *stop : {leftStop, middleStop, rightStop})
        stop->setToolTip(downTip);

    addLabel(this, QStringLiteral("リールがスタートします"), twipsRect(120, 960, 2175, 255), note);
    addLabel(this, QStringLiteral("上にあるリールをストップします。"), twipsRect(2880, 960, 3615, 255), note);

    QLabel *keyboard = addLabel(
            this,
            QStringLiteral("Ｅｎｔｅｒを押す事で、マウスのクリックの代用になります。         "
                           "フォーカス（ボタンの内側に点線が表示された状態）を移すには、ＴＡＢキーを押して下さい。"),
            twipsRect(120, 1320, 6495, 735), explanation);
    QPalette keyboardColours = keyboard->palette();
    keyboardColours.setColor(QPalette::WindowText, QColor(107, 124, 241));
    keyboard->setPalette(keyboardColours);

    QPushButton *leftUp = addMock(this, "leftUpMock", QStringLiteral("▲"), twipsRect(2520, 2160, 1455, 495), arrowFont);
    QPushButton *leftDown
            = addMock(this, "leftDownMock", QStringLiteral("▼"), twipsRect(2520, 2760, 1455, 495), arrowFont);
    QPushButton *middleUp
            = addMock(this, "middleUpMock", QStringLiteral("▲"), twipsRect(4080, 2160, 1455, 495), arrowFont);
    QPushButton *middleDown
            = addMock(this, "middleDownMock", QStringLiteral("▼"), twipsRect(4080, 2760, 1455, 495), arrowFont);
    QPushButton *rightUp
            = addMock(this, "rightUpMock", QStringLiteral("▲"), twipsRect(5640, 2160, 1455, 495), arrowFont);
    QPushButton *rightDown
            = addMock(this, "rightDownMock", QStringLiteral("▼"), twipsRect(5640, 2760, 1455, 495), arrowFont);
    addLabel(this, QStringLiteral("リールを上下に一コマ移動しリーチ目を表示します。"), twipsRect(2520, 3360, 4575, 255),
             note);

    auto *line = new FormLine(QStringLiteral("Line1"), 120, 3720, 7200, 3720, QPalette::WindowText, this);
    line->setAccessibleName(QStringLiteral("区切り線"));

    QLineEdit *speedBox = addEntryBox(this, QStringLiteral("100"), twipsRect(2760, 3960, 855, 420), boxFont);
    speedBox->setObjectName(QStringLiteral("speedMock"));
    speedBox->setAccessibleName(QStringLiteral("リール１コマのスピードの見本"));
    addLabel(this, QStringLiteral("リール１コマのスピード"), twipsRect(120, 4080, 2535, 255), heading);
    addLabel(
            this,
            QStringLiteral(
                    "リール１コマが進むスピードです。 実機は、約３５ミリ秒です。         速すぎるとコマ落ちします。  "),
            twipsRect(3720, 3960, 3615, 735), explanation);

    QLineEdit *autoBox = addEntryBox(this, QStringLiteral("1200"), twipsRect(2760, 4800, 855, 435), boxFont);
    autoBox->setObjectName(QStringLiteral("autoIntervalMock"));
    autoBox->setAccessibleName(QStringLiteral("Ａｕｔｏの停止までの時間の見本"));
    addLabel(this, QStringLiteral("Ａｕｔｏの停止までの時間"), twipsRect(120, 4920, 2655, 375), heading);
    addLabel(this, QStringLiteral("Ａｕｔｏの左、中、右リールを止める時間設定です。（ミリ秒）"),
             twipsRect(3720, 4800, 3495, 615), explanation);

    QPushButton *autoStart = addMock(this, "autoStartMock", QStringLiteral("Ａｕｔｏ Ｓｔａｒｔ"),
                                     twipsRect(240, 5400, 1575, 495), autoButtonFont);
    addLabel(this, QStringLiteral("設定した時間で、スタート、ストップを行い、リーチ目を表示します。"),
             twipsRect(2040, 5400, 4695, 615), heading);
    QPushButton *autoStop = addMock(this, "autoStopMock", QStringLiteral("Ａｕｔｏ Ｓｔｏｐ"),
                                    twipsRect(240, 6120, 1575, 495), autoButtonFont);
    addLabel(this, QStringLiteral("Ａｕｔｏ動作を停止します。"), twipsRect(2040, 6120, 3375, 495),
             formFont(14.25, true));
    QPushButton *end = addMock(this, "endMock", QStringLiteral("終了"), twipsRect(240, 6840, 1575, 495), heading);
    addLabel(this, QStringLiteral("ソフトを終了します。"), twipsRect(2040, 6840, 3015, 495), heading);

    m_Command1 = addButton(this, QStringLiteral("OK"), twipsRect(5640, 6720, 1575, 615), formFont(14.25, true));
    m_Command1->setObjectName(QStringLiteral("Command1"));
    connect(m_Command1, &QPushButton::clicked, this, &QWidget::hide);

    QWidget *const tabOrder[] = {m_Command1, autoStart, start,  leftStop, autoStop, end,        middleStop, rightStop,
                                 speedBox,   autoBox,   leftUp, leftDown, middleUp, middleDown, rightUp,    rightDown};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    m_Command1->setFocus();
}

} // namespace sorvex
