// The database command on the wire: group headers, 7-bit packing, field layouts, page order and
// key, and what a page read takes out of its answer.
#include "records/PageCopy.h"
#include "support/DbRig.h"

#include "records/RecordTable.h"

#include <functional>
#include <gtest/gtest.h>

using namespace kx2;
using kx2::test::bytesOf;
using kx2::test::DbRig;
using kx2::test::longAck;

namespace {

// D1..D20 of a request on the wire.
std::vector<int> dataOf(const QByteArray& m)
{
    const std::optional<DbCommand> c = DbCommand::decode(m);
    return c ? std::vector<int>(c->d.begin(), c->d.end()) : std::vector<int>{};
}

// A data reply carrying the groups of `c` as they would go on the wire.
QByteArray dataReplyOf(const DbCommand& c)
{
    QByteArray r = c.encode().left(30);
    r.replace(0, 5, bytesOf({0xE5, 0x1F, 0x01, 0x50, 0x43}));
    return sim::SimFramer::withChecksum(r);
}

} // namespace

// Each line: D1..D20 and the selectors, and the 31 bytes of the command (the ReadRecord(240) line
// is the worked example of the record read). Decoding the bytes gives the fields back; a message
// of another length gives nothing.
TEST(DbCommandWire, EncodesAndDecodesAgainstLiteralBytes)
{
    const auto head = [](std::initializer_list<int> groups) {
        return sim::SimFramer::withChecksum(bytesOf({0xED, 0x1F, 0x08, 0x49, 0x4B}) + bytesOf(groups));
    };
    std::array<int, 20> ones;
    ones.fill(0xFF);
    std::array<int, 20> record240{};
    record240[16] = 0xF0;
    const struct {
        const char* what;
        std::array<int, 20> d;
        dbwire::Selectors s;
        QByteArray wire;
    } cases[] = {
        {"empty: headers 0x70, 0x70, 0, 0, 0", {}, {0, 0, 0},
         head({0x70, 0, 0, 0, 0, 0x70, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})},
        {"ReadRecord(240): D17 = 0xF0 gives 0x70 and bit 0 of header 5", record240, {4, 4, 0},
         head({0x70, 0, 0, 0, 0, 0x70, 0, 0, 0, 0, 0x40, 0, 0, 0, 0, 0x40, 0, 0, 0, 0, 0x01, 0x70, 0, 0, 0})},
        {"full: every byte 0xFF, selectors 7", ones, {7, 7, 7},
         head({0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F,
               0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const DbCommand command{c.d, c.s};
        EXPECT_EQ(command.encode(), c.wire);
        const std::optional<DbCommand> back = DbCommand::decode(c.wire);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->d, c.d);
        EXPECT_EQ(back->s, c.s);
    }
    EXPECT_TRUE(DbCommand::decode(cases[1].wire.left(30))) << "the checksum is not needed";
    EXPECT_FALSE(DbCommand::decode(cases[1].wire.left(29))) << "one byte short";
    EXPECT_FALSE(DbCommand::decode(QByteArray())) << "empty";
}

// Each line: a command (sent to a silent bus unless a device answers its first step), the D bytes
// it carries (D1 onwards, the rest 0; "sig" puts the database signature into D9..D16, "page"
// leaves D1..D16 to the page test below), its five group headers (selectors in the high nibble,
// bit 7 of the group's bytes in the low one) and its result. The SamFlashRead(7501),
// DisplayWriteText, DisplaySetCursor(10, 50) and ReadRecord(240) lines are the worked examples of
// the database command.
TEST(DbCommandWire, EachCommandCarriesItsFieldsSelectorsAndHighBits)
{
    // A device that acknowledges only the requests of selector S2 = s2 with `code`.
    const auto acking = [](int s2, int code) {
        return [s2, code](DbRig& r) {
            r.device([s2, code](const QByteArray& m) { return DbRig::at(m, 20) >> 4 == s2 ? longAck(code) : QByteArray(); });
        };
    };
    const struct {
        const char* what;
        std::function<void(DbRig&)> setup;
        std::function<int(DbProtocol&)> send;
        std::vector<int> d;
        bool sig, page;
        std::array<int, 5> headers;
        int result;
    } cases[] = {
        {"SamFlashRead(7501)", {}, [](DbProtocol& db) { return db.SamFlashRead(7501); },
         {0, 0x08, 0x4D, 0x1D, 0x5A}, true, false, {0x70, 0x70, 0x30, 0x30, 0x00}, 13},
        {"SamFlashWrite", {}, [](DbProtocol& db) { return db.SamFlashWrite(0x1234); },
         {0x5A, 0x08, 0x34, 0x12, 0x5B, 0, 0, 0x01}, true, false, {0x70, 0x70, 0x30, 0x30, 0x00}, 13},
        {"DataFlashRead", {}, [](DbProtocol& db) { return db.DataFlashRead(0x1234); },
         {0x45, 0x0A, 0x34, 0x12}, true, false, {0x70, 0x70, 0x30, 0x30, 0x00}, 13},
        {"DataFlashWrite: bit 7 of D1 in header 1", {}, [](DbProtocol& db) { return db.DataFlashWrite(0x1234); },
         {0xDF, 0x0A, 0x34, 0x12}, true, false, {0x71, 0x70, 0x30, 0x30, 0x00}, 13},
        {"DisplayClear", {}, [](DbProtocol& db) { return db.DisplayClear(); },
         {}, false, false, {0x70, 0x70, 0x30, 0x10, 0x00}, 150013},
        {"DisplaySetCursor(10, 50) repeats the low byte of b", {}, [](DbProtocol& db) { return db.DisplaySetCursor(10, 50); },
         {10, 0, 50, 50}, false, false, {0x70, 0x70, 0x30, 0x10, 0x10}, 160013},
        {"DisplayWriteText cuts 25 characters to 20",
         {}, [](DbProtocol& db) { return db.DisplayWriteText(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY")); },
         {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', 'L', 'M', 'N', 'O', 'P', 'Q', 'R', 'S', 'T'}, false, false,
         {0x70, 0x70, 0x30, 0x10, 0x30}, 170013},
        {"DisplayWriteText pads \"abc\" with zeros", {}, [](DbProtocol& db) { return db.DisplayWriteText(QStringLiteral("abc")); },
         {0x61, 0x62, 0x63}, false, false, {0x70, 0x70, 0x30, 0x10, 0x30}, 170013},
        {"DisplayWriteText: a cp1252 code above 127 travels with its header bit",
         {}, [](DbProtocol& db) { return db.DisplayWriteText(QStringLiteral("x\u00e4")); },
         {'x', 0xE4}, false, false, {0x72, 0x70, 0x30, 0x10, 0x30}, 170013},
        {"DisplayWriteText: what cp1252 lacks is a question mark, one per character",
         {}, [](DbProtocol& db) { return db.DisplayWriteText(QStringLiteral("\u03a9") + QString::fromUcs4(U"\U0001F682") + QStringLiteral("\u20ac")); },
         {'?', '?', 0x80}, false, false, {0x74, 0x70, 0x30, 0x10, 0x30}, 170013},
        {"ReadRecord(240): D17 = 0xF0", {}, [](DbProtocol& db) { return db.ReadRecord(240).result; },
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xF0}, false, false, {0x70, 0x70, 0x40, 0x40, 0x01}, 13},
        {"WriteRecord of a cleared page: every page byte keeps bit 7 after the key",
         {}, [](DbProtocol& db) { return db.WriteRecord(0x1230, DbProtocol::ErasedPage); },
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x30, 0x12}, false, true, {0x7F, 0x7F, 0x4F, 0x2F, 0x00}, 13},
        {"StartBootloader step 1", {}, [](DbProtocol& db) { return db.StartBootloader(); },
         {0, 0x7F, 0x7F, 0x7F}, true, false, {0x70, 0x70, 0x30, 0x70, 0x00}, 110013},
        {"StartBootloader step 2", acking(7, 0x01), [](DbProtocol& db) { return db.StartBootloader(); },
         {}, true, false, {0x70, 0x70, 0x30, 0x40, 0x00}, 110013},
        {"EndBootloader sends the handle of step 2 back",
         [](DbRig& r) {
             r.device([](const QByteArray& m) {
                 const int s2 = DbRig::at(m, 20) >> 4;
                 return s2 == 7 ? longAck(0x01) : s2 == 4 ? longAck(0x5C) : QByteArray();
             });
         },
         [](DbProtocol& db) { db.StartBootloader(); return db.EndBootloader(); },
         {0x5C, 0x7F, 0x7F, 0x7F}, true, false, {0x70, 0x70, 0x30, 0x00, 0x00}, 120013},
        {"ReadSerialNumber step 1 reads SAM area 63", {}, [](DbProtocol& db) { return db.ReadSerialNumber().result; },
         {0, 0x08, 0x3F, 0, 0x5A}, true, false, {0x70, 0x70, 0x30, 0x30, 0x00}, 13},
        {"ReadSerialNumber step 2 reads record 240", acking(3, 0x7F),
         [](DbProtocol& db) { return db.ReadSerialNumber().result; },
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xF0}, false, false, {0x70, 0x70, 0x40, 0x40, 0x01}, 13},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DbRig rig;
        if (c.setup)
            c.setup(rig);
        EXPECT_EQ(c.send(rig.db), c.result);
        const QByteArray m = rig.lastRequest();
        ASSERT_EQ(m.size(), 31);
        EXPECT_EQ(m.left(5), bytesOf({0xED, 0x1F, 0x08, 0x49, 0x4B}));
        EXPECT_TRUE(sim::SimFramer::checksumOk(m));
        for (int g = 1; g <= 5; ++g)
            EXPECT_EQ(DbRig::at(m, 5 * g), c.headers[size_t(g - 1)]) << "header " << g;
        std::vector<int> expected = c.d;
        expected.resize(20, 0);
        for (int k = 0; c.sig && k < 8; ++k)
            expected[size_t(8 + k)] = DbSignature[size_t(k)];
        std::vector<int> sent = dataOf(m);
        if (c.page)
            std::fill(sent.begin(), sent.begin() + 16, 0);
        EXPECT_EQ(sent, expected);
    }
}

// A page 1..16 to write goes out as D1..D16 = 16, 15, ..., 9, 1, 2, ..., 8 before the key (the page
// order's worked example); a reply that carries the same data bytes is copied back into the table
// as 1..16 again. Encoding and decoding the high bits restore every byte, and nothing above a byte
// reaches the wire as an opcode.
TEST(DbCommandWire, PageOrderKeyAndHighBitsGoRoundThroughAReply)
{
    DbRig rig;
    const std::array<int, 16> d = ScrambleWriteData({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
    const int expected[16] = {16, 15, 14, 13, 12, 11, 10, 9, 1, 2, 3, 4, 5, 6, 7, 8};
    DbCommand reply;
    for (int k = 0; k < 16; ++k) {
        EXPECT_EQ(d[size_t(k)] ^ RecordKey[size_t(k)], expected[k]) << k + 1;
        reply.d[size_t(k)] = d[size_t(k)];
    }
    reply.s = {4, 2, 0};
    rig.device([r = dataReplyOf(reply)](const QByteArray&) { return r; });
    const DbProtocol::PageRead read = rig.db.ReadRecord(0);
    ASSERT_EQ(read.result, 0);
    RecordTable table(2, 20);
    CopyReplyToTable(read.page, 1, 2, table);
    for (int k = 0; k < 16; ++k)
        EXPECT_EQ(table.value(1, 2 + k), k + 1);
    EXPECT_TRUE(table.isEmpty(1, 0) && table.isEmpty(1, 18));

    const std::array<int, 16> wide = ScrambleWriteData({0, 0, 0x1FF}); // a table cell that holds more than a byte
    std::copy(wide.begin(), wide.end(), reply.d.begin());
    const QByteArray wire = reply.encode();
    for (int i = 5; i < 30; ++i)
        EXPECT_LT(DbRig::at(wire, i), 0x80) << i;
}

TEST(DbCommandWire, EmptyCellsAreWrittenAsZeroAndAClearedPageIsAll255)
{
    RecordTable table(3, 40);
    table.set(2, 17, 99);
    const PageBytes page = CopyTableToWriteBuffer(table, 2, 16);
    EXPECT_EQ(std::vector<int>(page.begin(), page.end()),
              (std::vector<int>{0, 99, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(std::vector<int>(DbProtocol::ErasedPage.begin(), DbProtocol::ErasedPage.end()), std::vector<int>(16, 255));
}

// A page read takes its page only out of a data reply: another device's message is no answer (the
// read times out after its repetitions and holds nothing of an earlier page), an acknowledge is a
// refusal (1011, "Read LongData:" once the driver adds its operation).
TEST(DbCommandWire, PageReadTakesOnlyADataReply)
{
    DbCommand page;
    page.d.fill(0x11);
    page.s = {4, 4, 0};
    const QByteArray data = dataReplyOf(page);
    const QByteArray sensor = sim::SimFramer::withChecksum(bytesOf({0xB2, 0x10, 0x50}));
    const struct {
        const char* what;
        QByteArray second;
        int result;
    } cases[] = {{"a data reply", data, 0}, {"another device's message", sensor, 13}, {"an acknowledge", longAck(0x7F), 1011},
                 {"the ready message, late", test::stationReadyMessage(), 13}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DbRig rig;
        int asked = 0;
        rig.device([&](const QByteArray&) { return ++asked == 1 ? data : c.second; });
        ASSERT_EQ(rig.db.ReadRecord(0).result, 0);
        const DbProtocol::PageRead read = rig.db.ReadRecord(16);
        EXPECT_EQ(read.result, c.result);
        EXPECT_EQ(asked, c.result == 13 ? 4 : 2) << "a read that times out is sent twice more";
        for (int k = 0; c.result != 0 && k < 16; ++k)
            EXPECT_EQ(read.page[size_t(k)], 0) << "page byte " << k;
    }
}
