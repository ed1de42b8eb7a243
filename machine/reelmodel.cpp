#include "reelmodel.h"

#include "platform/integerconversion.h"

namespace sorvex {

qint16 ReelModel::store(qint16 position)
{
    m_position = position;
    m_offset = offsetFor(position);
    return m_offset;
}

qint16 ReelModel::advance()
{
    qint16 next = static_cast<qint16>(m_position + 1);
    if (next >= 22)
        next = 1;
    const qint16 offset = store(next);
    // Stop 21 is kept as 0 so that the next tick's "+ 1" reaches stop 1.
    if (m_position == 21)
        m_position = 0;
    return offset;
}

qint16 ReelModel::stepDown()
{
    const qint16 from = m_position == 21 ? 0 : m_position;
    return store(static_cast<qint16>(from + 1));
}

qint16 ReelModel::stepUp()
{
    const qint16 from = m_position == 0 ? 21 : m_position;
    return store(static_cast<qint16>(from - 1));
}

int ReelModel::readBack(double pictureTop)
{
    return topRowIndex(floatToInt16((pictureTop - topAtPositionZero) / cellTwips));
}

} // namespace sorvex
