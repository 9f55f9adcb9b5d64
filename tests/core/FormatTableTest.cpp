// The data-format messages: request layout, bit-7 packing, reply evaluation and failures.
#include "support/DbRig.h"

#include <functional>
#include <gtest/gtest.h>

using namespace kx2;
using kx2::test::bytesOf;
using kx2::test::DbRig;
using kx2::test::longAck;

// Each line: a request (on a silent bus) and its fourteen bytes on the wire before the checksum;
// byte 6 carries bit 7 of bytes 7..13. An accessory write hands back the value it normalised.
TEST(FormatTable, EveryRequestPacksAddressAndValuesIntoItsFifteenBytes)
{
    const struct {
        const char* what;
        std::function<int(DbProtocol&)> send; // returns what it hands back
        QByteArray wire;
        int handedBack;
    } cases[] = {
        {"loco read, address 200: bit 7 of the low byte in byte 6",
         [](DbProtocol& db) { return db.ReadLocoFormat(200).result; },
         bytesOf({0xED, 0x0F, 0x01, 'K', 'X', 13, 0x01, 0x48, 0, 0, 0, 0, 0, 0}), 13},
        {"loco read, address 9999: bits 8..13 in byte 8",
         [](DbProtocol& db) { return db.ReadLocoFormat(9999).result; },
         bytesOf({0xED, 0x0F, 0x01, 'K', 'X', 13, 0, 0x0F, 0x27, 0, 0, 0, 0, 0}), 13},
        {"loco read, address 0x7FFF: bits 14 and 15 are dropped",
         [](DbProtocol& db) { return db.ReadLocoFormat(0x7FFF).result; },
         bytesOf({0xED, 0x0F, 0x01, 'K', 'X', 13, 0x01, 0x7F, 0x3F, 0, 0, 0, 0, 0}), 13},
        {"loco write: code and value",
         [](DbProtocol& db) { return db.WriteLocoFormat(3, 83, 81); },
         bytesOf({0xED, 0x0F, 0x01, 'K', 'X', 12, 0, 3, 0, 83, 81, 0, 0, 0}), 401032},
        {"accessory read", [](DbProtocol& db) { return db.ReadAccessoryFormat(7).result; },
         bytesOf({0xED, 0x0F, 0x01, 'K', 'X', 16, 0, 7, 0, 0, 0, 0, 0, 0}), 13},
        {"accessory write of a value with bit 7: 143",
         [](DbProtocol& db) { return db.WriteAccessoryFormat(5, 200).value; },
         bytesOf({0xED, 0x0F, 0x01, 'K', 'X', 15, 0x1C, 5, 0, 15, 127, 127, 0, 0}), 143},
        {"accessory write of a value without bit 7: 15",
         [](DbProtocol& db) { return db.WriteAccessoryFormat(5, 5).value; },
         bytesOf({0xED, 0x0F, 0x01, 'K', 'X', 15, 0x18, 5, 0, 15, 127, 127, 0, 0}), 15},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DbRig rig;
        EXPECT_EQ(c.send(rig.db), c.handedBack);
        const QByteArray m = rig.lastRequest();
        EXPECT_EQ(m.left(14), c.wire);
        EXPECT_EQ(m.size(), 15);
        EXPECT_TRUE(sim::SimFramer::checksumOk(m));
    }
}

// Each line: what answers every request, the request, its result and the code it read (-1: not
// looked at; 0 where no answer came, never the earlier reply's). A read reply's byte 6 bit 2
// adds 128 to its byte 9.
TEST(FormatTable, OnlyAFormatReplyIsReadAndOnlyAnAcceptanceIsAWrite)
{
    const QByteArray reply = sim::SimFramer::withChecksum(bytesOf({0xE5, 0x0F, 0x01, 'K', 'X', 13, 0x04, 0x48, 0, 0x0F, 0x11, 0, 0, 0}));
    const QByteArray sensor = sim::SimFramer::withChecksum(bytesOf({0xB2, 0x10, 0x50}));
    const auto readLoco = [](DbProtocol& db, int& code) { const auto f = db.ReadLocoFormat(200); code = f.code; return f.result; };
    const auto readAcc = [](DbProtocol& db, int& code) { const auto f = db.ReadAccessoryFormat(7); code = f.value; return f.result; };
    const auto writeLoco = [](DbProtocol& db, int&) { return db.WriteLocoFormat(3, 82, 17); };
    const auto writeAcc = [](DbProtocol& db, int&) { return db.WriteAccessoryFormat(3, 143).result; };
    const struct {
        const char* what;
        QByteArray answer;
        std::function<int(DbProtocol&, int&)> request;
        int result, code;
    } cases[] = {
        {"loco read of a reply", reply, readLoco, 0, 0x8F},
        {"accessory read of a reply", reply, readAcc, 0, 0x8F},
        {"loco read answered by another device", sensor, readLoco, 13, 0},
        {"accessory read answered by a refusal", longAck(0x00), readAcc, 1011, -1},
        {"loco read, nobody answers", {}, readLoco, 13, 0},
        {"loco write accepted", longAck(0x7F), writeLoco, 0, -1},
        {"loco write refused", longAck(0x00), writeLoco, 401032, -1},
        {"accessory write refused", longAck(0x00), writeAcc, 401032, -1},
        {"loco write, nobody answers", {}, writeLoco, 401032, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DbRig rig;
        // An accepted write and a read first: their answers must not count for the request that
        // follows.
        rig.device([&](const QByteArray& m) { return DbRig::at(m, 5) == 12 ? longAck(0x7F) : reply; });
        int code = 0;
        ASSERT_EQ(writeLoco(rig.db, code), 0);
        ASSERT_EQ(readLoco(rig.db, code), 0);
        if (c.answer.isEmpty())
            rig.dev.reset();
        else
            rig.device([answer = c.answer](const QByteArray&) { return answer; });
        EXPECT_EQ(c.request(rig.db, code), c.result);
        if (c.code >= 0) {
            EXPECT_EQ(code, c.code);
        }
    }
}

// Each line: an answer's bytes and what it says: byte 2, the two values with bit 7 from byte 6
// (a read reply whose byte 6 is 0x04 has byte 9 + 128: the worked example), whether it is a reply
// of the request's layout. Missing bytes count as 0.
TEST(FormatTable, AnswersDecodeAgainstLiteralBytes)
{
    const struct {
        const char* what;
        QByteArray bytes;
        FormatAnswer said;
    } cases[] = {
        {"a read reply, bit 2 of byte 6", bytesOf({0xE5, 0x0F, 0x01, 'K', 'X', 13, 0x04, 0x48, 0, 0x0F, 0x11, 0, 0, 0, 0x40}),
         {0x01, 0x8F, 0x11, true}},
        {"every bit of byte 6", bytesOf({0xE5, 0x0F, 0x7F, 'K', 'X', 13, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0}),
         {0x7F, 0xFF, 0xFF, true}},
        {"an acceptance", longAck(0x7F), {0x7F, 0, 0, false}},
        {"empty", {}, {0, 0, 0, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const FormatAnswer a = FormatAnswer::decode(c.bytes);
        EXPECT_EQ(std::tuple(a.byte2, a.first, a.second, a.formatReply),
                  std::tuple(c.said.byte2, c.said.first, c.said.second, c.said.formatReply));
    }
}
