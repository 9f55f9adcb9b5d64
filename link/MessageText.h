#pragma once
#include <QByteArray>
#include <QString>

namespace kx2 {

// One LocoNet message in German words for the bus monitor: power, sensor and switch messages,
// slot requests and slot data, speed, direction and functions, acknowledges; any other opcode
// as "Opcode 0xNN, N Bytes"; one whose checksum does not hold as such. The message is whole,
// checksum included.
QString describeLocoNetMessage(const QByteArray& message);

// "B2 05 40 0A": the bytes in upper-case hex, one blank between them.
QString hexBytes(const QByteArray& message);

} // namespace kx2
