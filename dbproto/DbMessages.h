#pragma once
#include "dbproto/DbWire.h"

#include <QByteArray>
#include <array>
#include <optional>

namespace kx2 {

// The database command (opcode 0xED, 31 bytes) and its data reply (0xE5): D1..D20 and the
// selectors S1..S3. Each group of the message is a header and four data bytes without bit 7; the
// header's low bits carry bit 7 of the group's bytes (bit k - 1 for byte k), its high bits 0x70 in
// groups 1 and 2 and 16 x S1, S2, S3 in groups 3, 4 and 5.
struct DbCommand {
    std::array<int, 20> d{};             // D1..D20: d[0] is D1; only the low byte of each travels
    dbwire::Selectors s{0, 0, 0};        // 0..7 each

    // The request as it goes out: the command's head, the five groups and the checksum.
    QByteArray encode() const;
    // D1..D20 of a message in the group layout (a data reply; a request reads the same way), bit 7
    // restored from the headers, the selectors from their high bits. Nothing when the message is
    // shorter than its 30 bytes before the checksum or has not the length 0x1F.
    static std::optional<DbCommand> decode(const QByteArray& message);
};

// A page's D1..D16 as they go out, key included: D1..D8 carry page bytes 15 down to 8, D9..D16
// bytes 0..7, each combined by exclusive-or with its key byte.
std::array<int, 16> ScrambleWriteData(const std::array<int, 16>& page);
// The page that D1..D16 (d[0..15], bit 7 restored) of a data reply carry.
std::array<int, 16> DescrambleReadData(const std::array<int, 20>& d);

// The data-format request (opcode 0xED, 15 bytes): a request code, the address and three values.
struct FormatRequest {
    int code = 0;      // 12 write locomotive, 13 read locomotive, 15 write accessory, 16 read accessory
    int address = 0;   // bits 0..13 travel
    int v9 = 0, v10 = 0, v11 = 0;

    // The request as it goes out: head, code, the bit-7 byte, bytes 7..13 without bit 7, checksum.
    QByteArray encode() const;
};

// What a data-format answer says: byte 2 (0x7F: a write accepted) and the two values of a read
// reply (bytes 9 and 10 with bit 7 restored from byte 6). `formatReply` tells a reply of the
// request's layout from an acknowledge; missing bytes count as 0.
struct FormatAnswer {
    int byte2 = 0;
    int first = 0;
    int second = 0;
    bool formatReply = false;

    static FormatAnswer decode(const QByteArray& message);
};

} // namespace kx2
