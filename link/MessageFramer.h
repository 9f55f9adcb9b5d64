#pragma once
#include <QByteArray>
#include <vector>

namespace kx2 {

// Assembles a LocoNet byte stream into whole messages, as every device on the bus does (the
// simulated ones, and a network port that must send whole messages): a byte
// with bit 7 starts a message (an unfinished one is abandoned), the length follows from the
// opcode or, for 0xE0..0xFF, from byte 1; data bytes outside a message are dropped.
class MessageFramer {
public:
    // Returns the messages completed by these bytes, in order.
    std::vector<QByteArray> feed(const QByteArray& bytes);

    // Length of a message from its opcode; 0 for a variable length.
    static int lengthFromOpcode(int opcode);
    // Exclusive-or of every byte is 0xFF.
    static bool checksumOk(const QByteArray& message);
    // Appends the checksum to bytes[0..n-1].
    static QByteArray withChecksum(QByteArray bytes);

private:
    QByteArray m_current;
    int m_expected = 0;
};

} // namespace kx2
