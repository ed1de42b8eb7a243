// What a screen reader says of the main window: a name for every control
// that has no caption of its own or shares one, the three symbols each
// resting reel shows, and every new judgement.
#include "riru.h"

#include "judge/messagecatalogue.h"
#include "machine/strips.h"
#include "platform/accessibleannouncement.h"
#include "platform/picturebox.h"

#include <QLabel>
#include <QRegularExpression>

namespace sorvex {

namespace {

struct AccessibleName
{
    const char *control;
    const char16_t *name;
};

constexpr AccessibleName accessibleNames[] = {
        {"Image1", u"左リール"},
        {"Image2", u"中リール"},
        {"Image3", u"右リール"},
        {"Image4", u"ＢＩＧ確定ランプ"},
        {"Command3", u"リールボタンの台"},
        {"Command5", u"左リールの左の仕切り"},
        {"Command6", u"左リールと中リールの仕切り"},
        {"Command7", u"中リールと右リールの仕切り"},
        {"Command8", u"右リールの右の仕切り"},
        {"r1stop", u"左リールのstop"},
        {"r2stop", u"中リールのstop"},
        {"r3stop", u"右リールのstop"},
        {"r1ue", u"左リールを１コマ上へ"},
        {"r2ue", u"中リールを１コマ上へ"},
        {"r3ue", u"右リールを１コマ上へ"},
        {"r1sita", u"左リールを１コマ下へ"},
        {"r2sita", u"中リールを１コマ下へ"},
        {"r3sita", u"右リールを１コマ下へ"},
        {"Text1", u"リール１コマのスピード（ミリ秒）"},
        {"Text3", u"Ａutoの停止までの時間（ミリ秒）"},
        {"Line1", u"リールの下の枠線"},
        {"Line2", u"リールの上の枠線"},
};

QString reelDescription(Reel reel, int topRowIndex)
{
    QStringList symbols;
    for (Row row : {Row::Top, Row::Middle, Row::Bottom})
        symbols.append(QString::fromUtf8(symbolName(symbolAt(reel, topRowIndex, row))));
    return symbols.join(QStringLiteral("、"));
}

} // namespace

void Riru::describeForAssistiveTechnology()
{
    // The window's title is empty; the banner names the program.
    setAccessibleName(QStringLiteral("Sorvex（順押し版）"));
    for (const AccessibleName &entry : accessibleNames)
        findChild<QWidget *>(QString::fromLatin1(entry.control))->setAccessibleName(QString::fromUtf16(entry.name));
    // The grid of the settings table.
    for (QWidget *line : findChildren<QWidget *>(QRegularExpression(QStringLiteral("^Line(7|9|1[0-8])$"))))
        line->setAccessibleName(QStringLiteral("設定表の罫線"));

    for (int reel = 1; reel <= reelCount; ++reel)
        describeReel(reel);
    connect(&m_machine, &ReelMachine::reelMoved, this, [this](int reel) {
        // A spinning reel is described again once it comes to rest.
        if (!m_machine.isTimerEnabled(reel))
            describeReel(reel);
    });
    connect(&m_machine, &ReelMachine::timerEnabledChanged, this, [this](int timer, bool enabled) {
        if (timer <= reelCount && !enabled)
            describeReel(timer);
    });
}

void Riru::announceJudgement()
{
    // The label's name is what a reader announces when a judgement is
    // shown: its lines, and the lamp's meaning when it is lit.
    QString spoken = oneLineText(m_lbyakumei->text());
    if (m_judgementConcealed)
        spoken = QStringLiteral("判定は答えの後に表示されます");
    else if (spoken.isEmpty())
        spoken = QStringLiteral("判定なし");
    else if (m_Image4->isVisibleTo(this))
        spoken += QStringLiteral("　ＢＩＧ確定");
    m_lbyakumei->setAccessibleName(spoken);
    announceAccessibleChange(m_lbyakumei, QAccessible::NameChanged);
}

void Riru::describeReel(int reel)
{
    const Reel which = allReels[static_cast<std::size_t>(reel - 1)];
    PictureBox *picture = m_reelImages[reel - 1];
    const QString description = reelDescription(which, ReelModel::readBack(m_machine.pictureTop(reel)));
    if (picture->accessibleDescription() == description)
        return;
    picture->setAccessibleDescription(description);
    announceAccessibleChange(picture, QAccessible::DescriptionChanged);
}

} // namespace sorvex
