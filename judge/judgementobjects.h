#pragma once

#include "judgementobject.h"

#include <array>
#include <memory>

namespace sorvex {

// The window's references to Class1 .. Class21. Each object is created the
// first time its left index is judged and then kept for good.
class JudgementObjects
{
public:
    // Creates the object on first use; nullptr for an index outside 1..21.
    JudgementObject *object(int leftIndex);
    // The object if it has been created, else nullptr.
    const JudgementObject *existing(int leftIndex) const;

private:
    std::array<std::unique_ptr<JudgementObject>, 21> m_objects;
};

} // namespace sorvex
