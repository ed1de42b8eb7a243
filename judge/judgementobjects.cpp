#include "judgementobjects.h"

namespace sorvex {

JudgementObject *JudgementObjects::object(int leftIndex)
{
    if (leftIndex < 1 || leftIndex > 21)
        return nullptr;
    std::unique_ptr<JudgementObject> &slot = m_objects[leftIndex - 1];
    if (!slot)
        slot = std::make_unique<JudgementObject>(leftIndex);
    return slot.get();
}

const JudgementObject *JudgementObjects::existing(int leftIndex) const
{
    if (leftIndex < 1 || leftIndex > 21)
        return nullptr;
    return m_objects[leftIndex - 1].get();
}

} // namespace sorvex
