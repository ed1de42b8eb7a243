#pragma once

#include <QByteArray>

namespace sorvex {

// Appends the little-endian fields of Windows file headers to a byte array.
class LittleEndianWriter
{
public:
    explicit LittleEndianWriter(QByteArray &target)
        : m_target(target)
    {}

    void u8(quint8 value) { m_target.append(static_cast<char>(value)); }
    void u16(quint16 value)
    {
        u8(static_cast<quint8>(value & 0xff));
        u8(static_cast<quint8>(value >> 8));
    }
    void u32(quint32 value)
    {
        u16(static_cast<quint16>(value & 0xffff));
        u16(static_cast<quint16>(value >> 16));
    }
    void i32(qint32 value) { u32(static_cast<quint32>(value)); }
    void bytes(const QByteArray &data) { m_target.append(data); }

private:
    QByteArray &m_target;
};

} // namespace sorvex
