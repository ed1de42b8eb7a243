#include "judgementobject.h"

#include "messagecatalogue.h"
#include "subtables.h"

namespace sorvex {

namespace {
bool isTopRowIndex(int index)
{
    return index >= 1 && index <= 21;
}
} // namespace

JudgementObject::JudgementObject(int leftIndex)
    : m_leftIndex(leftIndex)
{
    Q_ASSERT(isTopRowIndex(leftIndex));
}

QString JudgementObject::className() const
{
    return QStringLiteral("Class%1").arg(m_leftIndex);
}

QString JudgementObject::operationName() const
{
    return QStringLiteral("yaku%1").arg(m_leftIndex);
}

void JudgementObject::yaku()
{
    if (!isTopRowIndex(r2jyoudan) || !isTopRowIndex(r3jyoudan)) {
        yakumei.clear();
        tamaya.clear();
        return;
    }
    const MessageCode code = subTable(m_leftIndex).cell(r2jyoudan, r3jyoudan);
    yakumei = judgementText(code);
    tamaya = winMark(code);
}

bool JudgementObject::invoke(QStringView operation)
{
    if (operation != operationName())
        return false;
    yaku();
    return true;
}

} // namespace sorvex
