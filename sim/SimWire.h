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

// The `count`th answer of a device whose answers are garbled every `every`th (0: never): one
// bit of its content flipped and the checksum left as it was, so that only the checksum tells.
// A long message keeps its head (opcode, length, addresses), a short one all but its last data
// byte (an acknowledge's code); which byte and bit changes moves on from one garbled answer to
// the next. A two-byte message has only its checksum to change.
inline QByteArray garbled(QByteArray message, int count, int every)
{
    if (every <= 0 || count % every != 0 || message.size() < 2)
        return message;
    const int n = count / every;
    const int last = message.size() - 2;  // the last byte before the checksum
    const int first = message.size() > 6 ? 5 : last;
    const int at = last < 1 ? 1 : first + n % (last - first + 1);
    message[at] = char(message[at] ^ (1 << (n % 7)));
    return message;
}

} // namespace kx2::sim
