#include "dbproto/DbMessages.h"

#include "dbproto/DbConstants.h"

namespace kx2 {

namespace {
int byteAt(const QByteArray& m, int i)
{
    return i < m.size() ? static_cast<unsigned char>(m.at(i)) : 0;
}

QByteArray withChecksum(QByteArray m)
{
    int checksum = 0xFF;
    for (const char c : m)
        checksum ^= static_cast<unsigned char>(c);
    m.append(char(checksum));
    return m;
}
} // namespace

QByteArray DbCommand::encode() const
{
    Q_ASSERT(s.s1 >= 0 && s.s1 <= 7 && s.s2 >= 0 && s.s2 <= 7 && s.s3 >= 0 && s.s3 <= 7);
    QByteArray m;
    m.reserve(31);
    for (const int b : dbwire::CommandHead)
        m.append(char(b));
    const int selector[6] = {0, 0, 0, s.s1, s.s2, s.s3};
    for (int g = 1; g <= 5; ++g) {
        // Groups 1 and 2 carry no selector; their headers start at 0x70.
        int header = g <= 2 ? 0x70 : 16 * (selector[g] & 0x07);
        for (int k = 1; k <= 4; ++k)
            if (d[size_t(4 * (g - 1) + k - 1)] & 0x80)
                header |= 1 << (k - 1);
        m.append(char(header));
        // Only the low seven bits travel in the data byte; anything above a byte is no data.
        for (int k = 1; k <= 4; ++k)
            m.append(char(d[size_t(4 * (g - 1) + k - 1)] & 0x7F));
    }
    return withChecksum(m);
}

std::optional<DbCommand> DbCommand::decode(const QByteArray& message)
{
    if (message.size() < 30 || byteAt(message, 1) != 0x1F)
        return std::nullopt;
    DbCommand c;
    int selector[6] = {};
    for (int g = 1; g <= 5; ++g) {
        const int header = byteAt(message, dbwire::HeaderPos[size_t(g)]);
        selector[g] = (header >> 4) & 0x07;
        for (int k = 1; k <= 4; ++k)
            c.d[size_t(4 * (g - 1) + k - 1)] =
                byteAt(message, dbwire::HeaderPos[size_t(g)] + k) + (header & (1 << (k - 1)) ? 128 : 0);
    }
    c.s = {selector[3], selector[4], selector[5]};
    return c;
}

std::array<int, 16> ScrambleWriteData(const std::array<int, 16>& page)
{
    std::array<int, 16> d{};
    for (int i = 1; i <= 8; ++i) {
        d[size_t(i - 1)] = page[size_t(16 - i)] & 0xFF;
        d[size_t(7 + i)] = page[size_t(i - 1)] & 0xFF;
    }
    for (int k = 0; k < 16; ++k)
        d[size_t(k)] ^= RecordKey[size_t(k)];
    return d;
}

std::array<int, 16> DescrambleReadData(const std::array<int, 20>& d)
{
    std::array<int, 16> page{};
    for (int k = 0; k < 16; ++k) {
        // D9..D16 carry page bytes 0..7, D8 down to D1 bytes 8..15 (d[] counts from D1 = 0).
        const int at = k < 8 ? 8 + k : 15 - k;
        page[size_t(k)] = d[size_t(at)] ^ RecordKey[size_t(at)];
    }
    return page;
}

QByteArray FormatRequest::encode() const
{
    int bytes[14] = {dbwire::FormatHead[0], dbwire::FormatHead[1], dbwire::FormatHead[2], dbwire::FormatHead[3],
                     dbwire::FormatHead[4], code, 0, address & 0xFF, (address & 0x3F00) / 256, v9, v10, v11, 0, 0};
    for (int k = 0; k <= 6; ++k) {
        if (bytes[7 + k] & 0x80)
            bytes[6] |= 1 << k;
        bytes[7 + k] &= 0x7F;
    }
    QByteArray m;
    for (const int b : bytes)
        m.append(char(b));
    return withChecksum(m);
}

FormatAnswer FormatAnswer::decode(const QByteArray& message)
{
    const int bits = byteAt(message, 6);
    const auto unpacked = [&](int i) { return (byteAt(message, i) & 0x7F) | ((bits >> (i - 7)) & 1 ? 0x80 : 0); };
    FormatAnswer a;
    a.byte2 = byteAt(message, 2);
    a.first = unpacked(9);
    a.second = unpacked(10);
    // A read reply has the request's layout: a variable-length message of 15 bytes.
    a.formatReply = byteAt(message, 0) >= 0xE0 && byteAt(message, 1) == 0x0F;
    return a;
}

} // namespace kx2
