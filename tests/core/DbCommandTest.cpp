// The database command on the wire: group headers, 7-bit packing, field layouts, page order
// and key, checked against the worked examples.
#include "support/DbRig.h"

#include "dbproto/RecordTable.h"
#include "shell/Cp1252.h"

#include <gtest/gtest.h>

using namespace kx2;
using kx2::test::DbRig;

namespace {

// Silent bus: every request times out, but its bytes are on the bus to look at.
struct Wire : ::testing::Test {
    DbRig rig;
    QByteArray sent() const { return rig.lastRequest(); }
    int b(int i) const { return DbRig::at(sent(), i); }
};

// D1..D20 of a sent command, high bits restored.
std::array<int, 21> dataOf(const QByteArray& m)
{
    std::array<int, 21> d{};
    for (int g = 1; g <= 5; ++g)
        for (int k = 1; k <= 4; ++k)
            d[4 * (g - 1) + k] = DbRig::at(m, 5 * g + k) + ((DbRig::at(m, 5 * g) >> (k - 1)) & 1) * 128;
    return d;
}

} // namespace

TEST_F(Wire, SamFlashRead7501CarriesAreaAndSignatureWithPlainHeaders)
{
    int r = 0;
    rig.db.SamFlashRead(7501, r);
    const QByteArray m = sent();
    ASSERT_EQ(m.size(), 31);
    EXPECT_EQ(b(0), 0xED);
    EXPECT_EQ(b(1), 0x1F);
    EXPECT_EQ(b(2), 0x08);
    EXPECT_EQ(b(3), 0x49);
    EXPECT_EQ(b(4), 0x4B);
    EXPECT_EQ(b(5), 0x70);
    EXPECT_EQ(b(6), 0x00);
    EXPECT_EQ(b(7), 0x08);
    EXPECT_EQ(b(8), 0x4D);
    EXPECT_EQ(b(9), 0x1D);
    EXPECT_EQ(b(10), 0x70);
    EXPECT_EQ(b(11), 0x5A);
    EXPECT_EQ(b(15), 0x30);
    EXPECT_EQ(b(20), 0x30);
    EXPECT_EQ(b(25), 0x00);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(b(16 + i), DbSignature[i]);
        EXPECT_EQ(b(21 + i), DbSignature[4 + i]);
        EXPECT_EQ(b(26 + i), 0);
    }
    EXPECT_TRUE(sim::SimFramer::checksumOk(m));
    EXPECT_EQ(r, 13);
}

TEST_F(Wire, AreaCommandsDifferOnlyInTheirFixedBytes)
{
    struct Case {
        void (DbProtocol::*cmd)(int, int&);
        int d1, d2, d5, d8;
    };
    const Case cases[] = {
        {&DbProtocol::SamFlashRead, 0, 0x08, 0x5A, 0},
        {&DbProtocol::SamFlashWrite, 0x5A, 0x08, 0x5B, 0x01},
        {&DbProtocol::DataFlashRead, 0x45, 0x0A, 0, 0},
        {&DbProtocol::DataFlashWrite, 0xDF, 0x0A, 0, 0},
    };
    for (const Case& c : cases) {
        int r = 0;
        (rig.db.*c.cmd)(0x1234, r);
        const auto d = dataOf(sent());
        EXPECT_EQ(d[1], c.d1);
        EXPECT_EQ(d[2], c.d2);
        EXPECT_EQ(d[3], 0x34);
        EXPECT_EQ(d[4], 0x12);
        EXPECT_EQ(d[5], c.d5);
        EXPECT_EQ(d[6], 0);
        EXPECT_EQ(d[7], 0);
        EXPECT_EQ(d[8], c.d8);
        EXPECT_EQ(b(15) >> 4, 3);
        EXPECT_EQ(b(20) >> 4, 3);
        EXPECT_EQ(b(25) >> 4, 0);
    }
}

TEST_F(Wire, DataFlashWriteMovesBit7OfD1IntoHeaderOne)
{
    int r = 0;
    rig.db.DataFlashWrite(7501, r);
    EXPECT_EQ(b(5), 0x71);  // D1 = 0xDF
    EXPECT_EQ(b(6), 0x5F);
}

TEST_F(Wire, DisplayTextIsCutAfterTwentyCharacters)
{
    int r = 0;
    rig.db.DisplayWriteText(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY"), r);
    const auto d = dataOf(sent());
    for (int k = 1; k <= 20; ++k)
        EXPECT_EQ(d[k], 'A' + k - 1);
    EXPECT_EQ(b(15) >> 4, 3);
    EXPECT_EQ(b(20) >> 4, 1);
    EXPECT_EQ(b(25) >> 4, 3);
    EXPECT_EQ(r, 170013);
}

TEST_F(Wire, DisplayTextShorterThanTwentyIsPaddedWithZeros)
{
    int r = 0;
    rig.db.DisplayWriteText(QStringLiteral("abc"), r);
    const auto d = dataOf(sent());
    EXPECT_EQ(d[1], 0x61);
    EXPECT_EQ(d[2], 0x62);
    EXPECT_EQ(d[3], 0x63);
    for (int k = 4; k <= 20; ++k)
        EXPECT_EQ(d[k], 0);
}

TEST_F(Wire, DisplayCharacterAbove127TravelsWithItsHeaderBit)
{
    int r = 0;
    rig.db.DisplayWriteText(QStringLiteral("x\u00e4"), r);  // 0xE4 in cp1252
    EXPECT_EQ(b(7), 0x64);
    EXPECT_EQ(b(5), 0x72);  // bit 1: the group's second byte
}

TEST_F(Wire, DisplayCharacterOutsideCp1252BecomesQuestionMark)
{
    int r = 0;
    // Omega is not in cp1252; a character outside the basic plane counts as one character.
    rig.db.DisplayWriteText(QStringLiteral("\u03a9") + QString::fromUcs4(U"\U0001F682") + QStringLiteral("\u20ac"), r);
    const auto d = dataOf(sent());
    EXPECT_EQ(d[1], '?');
    EXPECT_EQ(d[2], '?');
    EXPECT_EQ(d[3], 0x80);  // the euro sign has a cp1252 code
    EXPECT_EQ(d[4], 0);
}

TEST_F(Wire, DisplayCursorRepeatsLowByteOfB)
{
    int r = 0;
    rig.db.DisplaySetCursor(10, 50, r);
    const auto d = dataOf(sent());
    EXPECT_EQ(d[1], 10);
    EXPECT_EQ(d[2], 0);
    EXPECT_EQ(d[3], 50);
    EXPECT_EQ(d[4], 50);
    for (int k = 5; k <= 20; ++k)
        EXPECT_EQ(d[k], 0);
    EXPECT_EQ(b(15), 0x30);
    EXPECT_EQ(b(20), 0x10);
    EXPECT_EQ(b(25), 0x10);
    EXPECT_EQ(r, 160013);
}

TEST_F(Wire, DisplayClearSendsNothingButItsSelectors)
{
    int r = 0;
    rig.db.DisplayClear(r);
    const auto d = dataOf(sent());
    for (int k = 1; k <= 20; ++k)
        EXPECT_EQ(d[k], 0);
    EXPECT_EQ(b(15), 0x30);
    EXPECT_EQ(b(20), 0x10);
    EXPECT_EQ(b(25), 0x00);
    EXPECT_EQ(r, 150013);
}

TEST_F(Wire, ReadRecord240PutsBit7OfD17IntoHeaderFive)
{
    int r = 0;
    rig.db.ReadRecord(240, r);
    EXPECT_EQ(b(26), 0x70);
    EXPECT_EQ(b(27), 0x00);
    EXPECT_EQ(b(25), 0x01);
    EXPECT_EQ(b(15), 0x40);
    EXPECT_EQ(b(20), 0x40);
    for (int i = 6; i <= 24; ++i)
        if (i % 5 != 0) {
            EXPECT_EQ(b(i), 0) << i;
        }
    EXPECT_EQ(r, 13);
}

TEST_F(Wire, WriteRecordSelectorsAndPosition)
{
    int r = 0;
    rig.db.ClearWriteBuffer();
    rig.db.WriteRecord(0x1230, r);
    const auto d = dataOf(sent());
    EXPECT_EQ(d[17], 0x30);
    EXPECT_EQ(d[18], 0x12);
    EXPECT_EQ(b(15) >> 4, 4);
    EXPECT_EQ(b(20) >> 4, 2);
    EXPECT_EQ(b(25) >> 4, 0);
}

TEST(PageOrder, WriteBufferOneToSixteenGoesOutReversedThenStraight)
{
    DbRig rig;
    for (int i = 1; i <= 16; ++i)
        rig.db.WriteBuffer[i] = i;
    rig.db.ScrambleWriteData();
    const int expected[16] = {16, 15, 14, 13, 12, 11, 10, 9, 1, 2, 3, 4, 5, 6, 7, 8};
    for (int k = 1; k <= 16; ++k)
        EXPECT_EQ(rig.db.DbData[k] ^ RecordKey[k - 1], expected[k - 1]) << k;
}

TEST(PageOrder, ReplyWithTheSameDataBytesCopiesBackAsOneToSixteen)
{
    DbRig rig;
    for (int i = 1; i <= 16; ++i)
        rig.db.WriteBuffer[i] = i;
    rig.db.ScrambleWriteData();
    rig.db.DbSelector = {0, 4, 2, 0};
    rig.db.EncodeHighBits();
    // The same groups as a data reply in slot 1.
    auto& slot = rig.link.ReceiveRing[1];
    const int head[5] = {0xE5, 0x1F, 0x01, 0x50, 0x43};
    for (int i = 0; i < 5; ++i)
        slot[i] = int16_t(head[i]);
    for (int g = 1; g <= 5; ++g) {
        slot[5 * g] = int16_t(rig.db.DbHeader[g]);
        for (int k = 1; k <= 4; ++k)
            slot[5 * g + k] = int16_t(rig.db.DbData[4 * (g - 1) + k]);
    }
    rig.db.DbData.fill(0);
    rig.db.DbHeader.fill(0);
    // ReadRecord's reply handling without an exchange: copy, restore high bits, remove key.
    for (int g = 1; g <= 5; ++g) {
        rig.db.DbHeader[g] = slot[5 * g];
        for (int k = 1; k <= 4; ++k)
            rig.db.DbData[4 * (g - 1) + k] = slot[5 * g + k];
    }
    rig.db.DecodeHighBits();
    rig.db.DescrambleReadData();
    RecordTable table(2, 20);
    rig.db.CopyReplyToTable(1, 2, table);
    for (int k = 0; k < 16; ++k)
        EXPECT_EQ(table.value(1, 2 + k), k + 1);
    EXPECT_TRUE(table.isEmpty(1, 0));
    EXPECT_TRUE(table.isEmpty(1, 18));
}

TEST_F(Wire, PageByteFFKeepsBit7AfterTheKeyAndSetsItsHeaderBit)
{
    rig.db.ClearWriteBuffer();
    for (int i = 2; i <= 16; ++i)
        rig.db.WriteBuffer[i] = 0;
    rig.db.WriteBuffer[1] = 0xFF;  // page byte 0 travels in D9, first byte of group 3
    int r = 0;
    rig.db.WriteRecord(0, r);
    EXPECT_EQ(b(15), 0x41);
    EXPECT_EQ(b(16), (0xFF ^ RecordKey[8]) & 0x7F);
    for (int g = 1; g <= 5; ++g)
        if (g != 3) {
            EXPECT_EQ(b(5 * g) & 0x0F, 0) << g;
        }
}

TEST(HighBits, EncodeThenDecodeRestoresEveryByte)
{
    DbRig rig;
    for (int k = 1; k <= 20; ++k)
        rig.db.DbData[k] = (k * 37 + 100) & 0xFF;
    const auto before = rig.db.DbData;
    rig.db.DbSelector = {0, 5, 6, 7};
    rig.db.EncodeHighBits();
    for (int k = 1; k <= 20; ++k)
        EXPECT_LT(rig.db.DbData[k], 0x80);
    EXPECT_EQ(rig.db.DbHeader[3] >> 4, 5);
    EXPECT_EQ(rig.db.DbHeader[4] >> 4, 6);
    EXPECT_EQ(rig.db.DbHeader[5] >> 4, 7);
    rig.db.DecodeHighBits();
    EXPECT_EQ(rig.db.DbData, before);
}

TEST(HighBits, ValuesBeyondAByteNeverReachTheWireAsOpcodes)
{
    DbRig rig;
    rig.db.WriteBuffer.fill(0);
    rig.db.WriteBuffer[3] = 0x1FF;  // a table cell that holds more than a byte
    rig.db.ScrambleWriteData();
    rig.db.EncodeHighBits();
    for (int k = 1; k <= 20; ++k)
        EXPECT_LT(rig.db.DbData[k], 0x80);
}

TEST(PageCopies, EmptyCellsAreWrittenAsZeroAndClearMeans255)
{
    DbRig rig;
    RecordTable table(3, 40);
    table.set(2, 17, 99);
    rig.db.CopyTableToWriteBuffer(2, 16, table);
    EXPECT_EQ(rig.db.WriteBuffer[1], 0);
    EXPECT_EQ(rig.db.WriteBuffer[2], 99);
    for (int i = 3; i <= 16; ++i)
        EXPECT_EQ(rig.db.WriteBuffer[i], 0);
    rig.db.ClearWriteBuffer();
    for (int i = 1; i <= 16; ++i)
        EXPECT_EQ(rig.db.WriteBuffer[i], 255);
}
