#include "link/MessageFramer.h"

namespace kx2 {

int MessageFramer::lengthFromOpcode(int opcode)
{
    switch (opcode & 0xE0) {
    case 0x80: return 2;
    case 0xA0: return 4;
    case 0xC0: return 6;
    default: return 0;
    }
}

bool MessageFramer::checksumOk(const QByteArray& message)
{
    int x = 0;
    for (char c : message)
        x ^= static_cast<unsigned char>(c);
    return x == 0xFF;
}

QByteArray MessageFramer::withChecksum(QByteArray bytes)
{
    int x = 0xFF;
    for (char c : bytes)
        x ^= static_cast<unsigned char>(c);
    bytes.append(char(x));
    return bytes;
}

std::vector<QByteArray> MessageFramer::feed(const QByteArray& bytes)
{
    std::vector<QByteArray> done;
    for (char c : bytes) {
        const int b = static_cast<unsigned char>(c);
        if (b & 0x80) {
            m_current = QByteArray(1, c);
            m_expected = lengthFromOpcode(b);
            continue;
        }
        if (m_current.isEmpty())
            continue;
        m_current.append(c);
        if (m_expected == 0 && m_current.size() == 2) {
            m_expected = b;
            // A count below 2 can never complete; the message is abandoned.
            if (m_expected < 2) {
                m_current.clear();
                continue;
            }
        }
        if (m_expected > 0 && m_current.size() == m_expected) {
            done.push_back(m_current);
            m_current.clear();
        }
    }
    return done;
}

} // namespace kx2
