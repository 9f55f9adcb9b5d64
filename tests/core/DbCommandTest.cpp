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

// D1..D20 of a request on the wire, read back with the protocol's own decoding.
std::vector<int> dataOf(DbRig& rig, const QByteArray& m)
{
    NullProgress progress;
    DbProtocol d(rig.link, progress);
    for (int g = 1; g <= 5; ++g) {
        d.DbHeader[g] = DbRig::at(m, 5 * g) & 0x0F;
        for (int k = 1; k <= 4; ++k)
            d.DbData[4 * (g - 1) + k] = DbRig::at(m, 5 * g + k);
    }
    d.DecodeHighBits();
    return std::vector<int>(d.DbData.begin() + 1, d.DbData.end());
}

// A data reply in slot 1 carrying the groups of `db` as they would go on the wire.
QByteArray dataReplyOf(const DbProtocol& db)
{
    QByteArray r = bytesOf({0xE5, 0x1F, 0x01, 0x50, 0x43});
    for (int g = 1; g <= 5; ++g) {
        r.append(char(db.DbHeader[g]));
        for (int k = 1; k <= 4; ++k)
            r.append(char(db.DbData[4 * (g - 1) + k]));
    }
    return sim::SimFramer::withChecksum(r);
}

} // namespace

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
        std::function<void(DbProtocol&, int&)> send;
        std::vector<int> d;
        bool sig, page;
        std::array<int, 5> headers;
        int result;
    } cases[] = {
        {"SamFlashRead(7501)", {}, [](DbProtocol& db, int& r) { db.SamFlashRead(7501, r); },
         {0, 0x08, 0x4D, 0x1D, 0x5A}, true, false, {0x70, 0x70, 0x30, 0x30, 0x00}, 13},
        {"SamFlashWrite", {}, [](DbProtocol& db, int& r) { db.SamFlashWrite(0x1234, r); },
         {0x5A, 0x08, 0x34, 0x12, 0x5B, 0, 0, 0x01}, true, false, {0x70, 0x70, 0x30, 0x30, 0x00}, 13},
        {"DataFlashRead", {}, [](DbProtocol& db, int& r) { db.DataFlashRead(0x1234, r); },
         {0x45, 0x0A, 0x34, 0x12}, true, false, {0x70, 0x70, 0x30, 0x30, 0x00}, 13},
        {"DataFlashWrite: bit 7 of D1 in header 1", {}, [](DbProtocol& db, int& r) { db.DataFlashWrite(0x1234, r); },
         {0xDF, 0x0A, 0x34, 0x12}, true, false, {0x71, 0x70, 0x30, 0x30, 0x00}, 13},
        {"DisplayClear", {}, [](DbProtocol& db, int& r) { db.DisplayClear(r); },
         {}, false, false, {0x70, 0x70, 0x30, 0x10, 0x00}, 150013},
        {"DisplaySetCursor(10, 50) repeats the low byte of b", {}, [](DbProtocol& db, int& r) { db.DisplaySetCursor(10, 50, r); },
         {10, 0, 50, 50}, false, false, {0x70, 0x70, 0x30, 0x10, 0x10}, 160013},
        {"DisplayWriteText cuts 25 characters to 20",
         {}, [](DbProtocol& db, int& r) { db.DisplayWriteText(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY"), r); },
         {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', 'L', 'M', 'N', 'O', 'P', 'Q', 'R', 'S', 'T'}, false, false,
         {0x70, 0x70, 0x30, 0x10, 0x30}, 170013},
        {"DisplayWriteText pads \"abc\" with zeros", {}, [](DbProtocol& db, int& r) { db.DisplayWriteText(QStringLiteral("abc"), r); },
         {0x61, 0x62, 0x63}, false, false, {0x70, 0x70, 0x30, 0x10, 0x30}, 170013},
        {"DisplayWriteText: a cp1252 code above 127 travels with its header bit",
         {}, [](DbProtocol& db, int& r) { db.DisplayWriteText(QStringLiteral("x\u00e4"), r); },
         {'x', 0xE4}, false, false, {0x72, 0x70, 0x30, 0x10, 0x30}, 170013},
        {"DisplayWriteText: what cp1252 lacks is a question mark, one per character",
         {}, [](DbProtocol& db, int& r) { db.DisplayWriteText(QStringLiteral("\u03a9") + QString::fromUcs4(U"\U0001F682") + QStringLiteral("\u20ac"), r); },
         {'?', '?', 0x80}, false, false, {0x74, 0x70, 0x30, 0x10, 0x30}, 170013},
        {"ReadRecord(240): D17 = 0xF0", {}, [](DbProtocol& db, int& r) { db.ReadRecord(240, r); },
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xF0}, false, false, {0x70, 0x70, 0x40, 0x40, 0x01}, 13},
        {"WriteRecord of a cleared page: every page byte keeps bit 7 after the key",
         {}, [](DbProtocol& db, int& r) { db.ClearWriteBuffer(); db.WriteRecord(0x1230, r); },
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x30, 0x12}, false, true, {0x7F, 0x7F, 0x4F, 0x2F, 0x00}, 13},
        {"StartBootloader step 1", {}, [](DbProtocol& db, int& r) { db.StartBootloader(r); },
         {0, 0x7F, 0x7F, 0x7F}, true, false, {0x70, 0x70, 0x30, 0x70, 0x00}, 110013},
        {"StartBootloader step 2", acking(7, 0x01), [](DbProtocol& db, int& r) { db.StartBootloader(r); },
         {}, true, false, {0x70, 0x70, 0x30, 0x40, 0x00}, 110013},
        {"EndBootloader sends the handle back", {}, [](DbProtocol& db, int& r) { db.BootloaderHandle = 0x5C; db.EndBootloader(r); },
         {0x5C, 0x7F, 0x7F, 0x7F}, true, false, {0x70, 0x70, 0x30, 0x00, 0x00}, 120013},
        {"ReadSerialNumber step 1 reads SAM area 63", {}, [](DbProtocol& db, int& r) { double s; int a, b, c, e; db.ReadSerialNumber(s, a, b, c, e, r); },
         {0, 0x08, 0x3F, 0, 0x5A}, true, false, {0x70, 0x70, 0x30, 0x30, 0x00}, 13},
        {"ReadSerialNumber step 2 reads record 240", acking(3, 0x7F),
         [](DbProtocol& db, int& r) { double s; int a, b, c, e; db.ReadSerialNumber(s, a, b, c, e, r); },
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xF0}, false, false, {0x70, 0x70, 0x40, 0x40, 0x01}, 13},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DbRig rig;
        if (c.setup)
            c.setup(rig);
        int r = 0;
        c.send(rig.db, r);
        EXPECT_EQ(r, c.result);
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
        std::vector<int> sent = dataOf(rig, m);
        if (c.page)
            std::fill(sent.begin(), sent.begin() + 16, 0);
        EXPECT_EQ(sent, expected);
    }
}

// WriteBuffer 1..16 goes out as D1..D16 = 16, 15, ..., 9, 1, 2, ..., 8 before the key (the page
// order's worked example); a reply that carries the same data bytes is copied back into the table
// as 1..16 again. Encoding and decoding the high bits restore every byte, and nothing above a byte
// reaches the wire as an opcode.
TEST(DbCommandWire, PageOrderKeyAndHighBitsGoRoundThroughAReply)
{
    DbRig rig;
    for (int i = 1; i <= 16; ++i)
        rig.db.WriteBuffer[size_t(i)] = i;
    rig.db.ScrambleWriteData();
    const int expected[16] = {16, 15, 14, 13, 12, 11, 10, 9, 1, 2, 3, 4, 5, 6, 7, 8};
    for (int k = 1; k <= 16; ++k)
        EXPECT_EQ(rig.db.DbData[size_t(k)] ^ RecordKey[size_t(k - 1)], expected[k - 1]) << k;
    rig.db.DbSelector = {0, 4, 2, 0};
    rig.db.EncodeHighBits();
    const QByteArray reply = dataReplyOf(rig.db);
    rig.device([reply](const QByteArray&) { return reply; });
    int r = 0;
    rig.db.ReadRecord(0, r);
    ASSERT_EQ(r, 0);
    RecordTable table(2, 20);
    CopyReplyToTable(rig.db, 1, 2, table);
    for (int k = 0; k < 16; ++k)
        EXPECT_EQ(table.value(1, 2 + k), k + 1);
    EXPECT_TRUE(table.isEmpty(1, 0) && table.isEmpty(1, 18));

    rig.db.WriteBuffer.fill(0);
    rig.db.WriteBuffer[3] = 0x1FF; // a table cell that holds more than a byte
    rig.db.ScrambleWriteData();
    rig.db.EncodeHighBits();
    for (int k = 1; k <= 20; ++k)
        EXPECT_LT(rig.db.DbData[size_t(k)], 0x80);
}

TEST(DbCommandWire, EmptyCellsAreWrittenAsZeroAndAClearedPageIsAll255)
{
    DbRig rig;
    RecordTable table(3, 40);
    table.set(2, 17, 99);
    CopyTableToWriteBuffer(rig.db, 2, 16, table);
    EXPECT_EQ(std::vector<int>(rig.db.WriteBuffer.begin() + 1, rig.db.WriteBuffer.end()),
              (std::vector<int>{0, 99, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    rig.db.ClearWriteBuffer();
    EXPECT_EQ(std::vector<int>(rig.db.WriteBuffer.begin() + 1, rig.db.WriteBuffer.end()), std::vector<int>(16, 255));
}

// A page read takes its page only out of a data reply: another device's message is no answer (the
// read times out after its repetitions and holds nothing of an earlier page), an acknowledge is a
// refusal (1011, "Read LongData:" once the driver adds its operation).
TEST(DbCommandWire, PageReadTakesOnlyADataReply)
{
    NullProgress progress;
    DbRig source;
    DbProtocol page(source.link, progress);
    page.DbData.fill(0x11);
    page.DbSelector = {0, 4, 4, 0};
    page.EncodeHighBits();
    const QByteArray data = dataReplyOf(page);
    const QByteArray sensor = sim::SimFramer::withChecksum(bytesOf({0xB2, 0x10, 0x50}));
    const struct {
        const char* what;
        QByteArray second;
        int result;
    } cases[] = {{"a data reply", data, 0}, {"another device's message", sensor, 13}, {"an acknowledge", longAck(0x7F), 1011}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DbRig rig;
        int asked = 0;
        rig.device([&](const QByteArray&) { return ++asked == 1 ? data : c.second; });
        int r = 0;
        rig.db.ReadRecord(0, r);
        ASSERT_EQ(r, 0);
        rig.db.ReadRecord(16, r);
        EXPECT_EQ(r, c.result);
        EXPECT_EQ(asked, c.result == 13 ? 4 : 2) << "a read that times out is sent twice more";
        for (int k = 1; c.result != 0 && k <= 16; ++k)
            EXPECT_EQ(rig.db.DbData[size_t(k)], 0) << "D" << k;
    }
}
