#pragma once

#include <QString>

namespace sorvex {

// One of Class1 .. Class21: the judgement object of one left top-row index.
// The caller sets r2jyoudan and r3jyoudan, calls the operation (yaku1 on
// Class1 .. yaku21 on Class21, here yaku()) and reads yakumei and tamaya.
// Members keep their values between calls; every call rewrites both results.
class JudgementObject
{
public:
    explicit JudgementObject(int leftIndex);

    int leftIndex() const { return m_leftIndex; }
    QString className() const;     // "Class7"
    QString operationName() const; // "yaku7"

    // Judges the cell (r2jyoudan, r3jyoudan) of this object's sub-table.
    // An index outside 1..21 has no cell: both results become empty.
    void yaku();

    // Calls the operation by name; false, and nothing done, for any name but
    // this object's own operation.
    bool invoke(QStringView operation);

    // Declared like the others but never read: the object already is the left index.
    qint16 r1jyoudan = 0;
    qint16 r2jyoudan = 0;
    qint16 r3jyoudan = 0;
    QString yakumei;
    QString tamaya;

private:
    int m_leftIndex;
};

} // namespace sorvex
