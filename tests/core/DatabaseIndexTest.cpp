// Page reads and writes against the simulated command station, and the database index.
#include "support/DbRig.h"

#include "dbproto/RecordTable.h"

#include <gtest/gtest.h>

using namespace kx2;
using kx2::test::DbRig;
using Flash = kx2::sim::SimCommandStation::Flash;

namespace {

struct Index : ::testing::Test {
    DbRig rig;
    void SetUp() override
    {
        rig.station();
        ASSERT_EQ(rig.open(), 0);
    }
    // A SAM area whose first entries are the given 32-bit values, the rest 0xFF.
    void putIndex(int area, std::vector<uint32_t> entries)
    {
        QByteArray a(256, char(0xFF));
        for (size_t e = 0; e < entries.size(); ++e)
            for (int b = 0; b < 4; ++b)
                a[int(4 * e) + b] = char((entries[e] >> (8 * b)) & 0xFF);
        rig.cs->setArea(Flash::Sam, area, a);
    }
};

class RecordingProgress : public Progress {
public:
    void show() override {}
    void hide() override {}
    void setText(const QString& text) override { texts << text; }
    QStringList texts;
};

} // namespace

TEST_F(Index, WriteThenReadGivesTheCounterBack)
{
    rig.db.IndexTable[0] = 0x04030201u;
    int r = 0;
    rig.db.WriteDatabaseIndex(300, r);
    ASSERT_EQ(r, 0);
    const QByteArray a = rig.cs->area(Flash::Sam, 964);
    EXPECT_EQ(a.left(16), test::bytesOf({0x01, 0x02, 0x03, 0x04, 0x2C, 0x01, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                         0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(a.mid(16), QByteArray(240, char(0xFF)));
    EXPECT_EQ(rig.cs->area(Flash::Sam, 965), QByteArray(256, char(0xFF)));

    rig.db.DbRecordCounter = -1;
    rig.db.ReadDatabaseIndex(r);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(rig.db.DbRecordCounter, 300.0);
    EXPECT_EQ(rig.db.IndexTable[0], 0x04030201u);
    EXPECT_EQ(rig.cs->violations(), 0) << rig.cs->violationLog().join('\n').toStdString();
}

TEST_F(Index, WriteSendsSixteenPagesPerAreaWithoutAnAreaReadFirst)
{
    int r = 0;
    rig.db.WriteDatabaseIndex(7, r);
    ASSERT_EQ(r, 0);
    int pageWrites = 0, samWrites = 0, areaReads = 0;
    int lastPosition = -1;
    for (const QByteArray& m : rig.requests()) {
        const int s2 = DbRig::at(m, 20) >> 4;
        const int s1 = DbRig::at(m, 15) >> 4;
        if (s1 == 4 && s2 == 2) {
            ++pageWrites;
            lastPosition = DbRig::at(m, 26) + 128 * (DbRig::at(m, 25) & 1) + 256 * DbRig::at(m, 27);
        } else if (s1 == 3 && s2 == 3) {
            (DbRig::at(m, 6) == 0x5A ? samWrites : areaReads) += 1;
        }
    }
    EXPECT_EQ(pageWrites, 32);
    EXPECT_EQ(samWrites, 2);
    EXPECT_EQ(areaReads, 0);
    EXPECT_EQ(lastPosition, 240);
}

TEST_F(Index, CounterIsRoundedAndKeptBelowTheEmptyMarker)
{
    int r = 0;
    rig.db.WriteDatabaseIndex(41.6, r);
    rig.db.ReadDatabaseIndex(r);
    EXPECT_EQ(rig.db.DbRecordCounter, 42.0);
    rig.db.WriteDatabaseIndex(5e12, r);
    rig.db.ReadDatabaseIndex(r);
    EXPECT_EQ(rig.db.DbRecordCounter, 4294967294.0);
}

TEST_F(Index, AreaWithAnyFFAmongItsFirstFourBytesIsSkipped)
{
    for (int pos = 0; pos < 4; ++pos) {
        const uint32_t entry0 = 0x01010101u | (0xFFu << (8 * pos));
        putIndex(964, {entry0, 500});
        putIndex(965, {});
        rig.db.IndexTable.fill(std::nullopt);
        int r = 0;
        rig.db.ReadDatabaseIndex(r);
        EXPECT_EQ(r, 0);
        EXPECT_EQ(rig.db.DbRecordCounter, 0.0) << pos;
        EXPECT_FALSE(rig.db.IndexTable[1].has_value()) << pos;
    }
}

TEST_F(Index, AllEntriesEmptyGiveCounterZero)
{
    std::vector<uint32_t> entries(64, 0xFFFFFFFFu);
    entries[0] = 0;
    putIndex(964, entries);
    int r = 0;
    rig.db.DbRecordCounter = 17;
    rig.db.ReadDatabaseIndex(r);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(rig.db.DbRecordCounter, 0.0);
    EXPECT_EQ(rig.db.IndexTable[1], 0xFFFFFFFFu);
}

TEST_F(Index, SecondAreaReplacesTheFirstAndTheHighestEntryCounts)
{
    putIndex(964, {1, 900, 5});
    putIndex(965, {1, 20, 70, 3});
    int r = 0;
    rig.db.ReadDatabaseIndex(r);
    EXPECT_EQ(r, 0);
    // 965 is read at positions 0, 4, ... so its entries land shifted; 900 from 964 is replaced.
    EXPECT_EQ(rig.db.DbRecordCounter, 70.0);
    EXPECT_EQ(rig.db.IndexTable[1], 20u);
}

TEST_F(Index, ReadShowsItsProgressText)
{
    RecordingProgress progress;
    DbProtocol db(rig.link, progress);
    int r = 0;
    db.ReadDatabaseIndex(r);
    EXPECT_EQ(progress.texts, QStringList{QStringLiteral(" Datenbank Index lesen")});
}

TEST(IndexFailures, RefusedAreaReadGives271211AndRefusedPageWrite281611)
{
    {
        DbRig rig;
        rig.device(sim::SimScriptedDevice::longAck(0x00));
        int r = 0;
        rig.db.ReadDatabaseIndex(r);
        EXPECT_EQ(r, 271211);
    }
    {
        DbRig rig;
        sim::SimFaults faults;
        faults.refusePageWrites = true;
        rig.station({}, faults);
        ASSERT_EQ(rig.open(), 0);
        int r = 0;
        rig.db.WriteDatabaseIndex(300, r);
        EXPECT_EQ(r, 281611);
    }
    {
        DbRig rig;
        int r = 0;
        rig.db.ReadDatabaseIndex(r);
        EXPECT_EQ(r, 270013);
        rig.db.WriteDatabaseIndex(1, r);
        EXPECT_EQ(r, 280013);
    }
}

TEST(IndexFailures, RefusedAreaWriteGives281111)
{
    DbRig rig;
    // Pages accepted, the area write refused.
    rig.device([](const QByteArray& m) {
        const bool areaCmd = (DbRig::at(m, 20) >> 4) == 3;
        return test::longAck(areaCmd ? 0x00 : 0x7F);
    });
    int r = 0;
    rig.db.WriteDatabaseIndex(1, r);
    EXPECT_EQ(r, 281111);
}

TEST(Records, WriteRefusedGives1611AndReadTimeOutGives13)
{
    DbRig rig;
    sim::SimFaults faults;
    faults.refusePageWrites = true;
    rig.station({}, faults);
    ASSERT_EQ(rig.open(), 0);
    rig.db.ClearWriteBuffer();
    int r = 0;
    rig.db.WriteRecord(0, r);
    EXPECT_EQ(r, 1611);

    DbRig silent;
    silent.db.ReadRecord(0, r);
    EXPECT_EQ(r, 13);
    silent.db.WriteRecord(0, r);
    EXPECT_EQ(r, 13);
}

TEST(Records, WriteAnsweredWithCode00Gives1611)
{
    DbRig rig;
    rig.device(sim::SimScriptedDevice::longAck(0x00));
    rig.db.ClearWriteBuffer();
    int r = 0;
    rig.db.WriteRecord(16, r);
    EXPECT_EQ(r, 1611);
}

TEST(Records, PagesWrittenAndStoredReadBackThroughTheTable)
{
    DbRig rig;
    rig.station();
    ASSERT_EQ(rig.open(), 0);
    RecordTable table(2, 80);
    for (int c = 0; c < 80; ++c)
        table.set(1, c, (c * 53 + 7) & 0xFF);
    int r = 0;
    rig.db.DataFlashRead(7600, r);
    ASSERT_EQ(r, 0);
    for (int p = 0; p < 5; ++p) {
        rig.db.CopyTableToWriteBuffer(1, 16 * p, table);
        rig.db.WriteRecord(16 * p, r);
        ASSERT_EQ(r, 0);
    }
    rig.db.DataFlashWrite(7600, r);
    ASSERT_EQ(r, 0);

    RecordTable back(1, 80);
    rig.db.DataFlashRead(7600, r);
    for (int p = 0; p < 5; ++p) {
        rig.db.ReadRecord(16 * p, r);
        ASSERT_EQ(r, 0);
        rig.db.CopyReplyToTable(0, 16 * p, back);
    }
    for (int c = 0; c < 80; ++c)
        EXPECT_EQ(back.value(0, c), table.value(1, c)) << c;
    // Stored as plain bytes, key removed.
    const QByteArray stored = rig.cs->area(Flash::Data, 7600);
    for (int c = 0; c < 80; ++c)
        EXPECT_EQ(static_cast<unsigned char>(stored.at(c)), table.value(1, c));
    EXPECT_EQ(stored.mid(80), QByteArray(512 - 80, char(0xFF)));
    EXPECT_EQ(rig.cs->violations(), 0);
}
