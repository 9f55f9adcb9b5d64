#pragma once
#include <QByteArray>
#include <QString>

namespace kx2::sim {

// The simulated devices' common words on the bus.

// Long-acknowledge codes: taken and refused.
inline constexpr int kAccepted = 0x7F;
inline constexpr int kRefused = 0x00;

inline int byteAt(const QByteArray& m, int i)
{
    return static_cast<unsigned char>(m.at(i));
}

// "ED 0F 01", for the violation log.
inline QString hex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

} // namespace kx2::sim
