// The database index and its record counter. (Pages of a record go through the transfer tests.)
#include "support/DbRig.h"

#include <functional>
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
    // The counter a protocol that has read no index before finds.
    uint32_t counterAfterRead()
    {
        DbProtocol fresh(rig.link, rig.progress);
        EXPECT_EQ(fresh.ReadDatabaseIndex(), 0);
        return fresh.recordCounter();
    }
};

} // namespace

// WriteDatabaseIndex(300): page 0 of area 964 is entry 0's four bytes, 0x2C 0x01 0x00 0x00 and
// eight bytes 0xFF, everything else of both areas 0xFF; the next read finds 300 (the worked
// example of the index). Sixteen pages per area at positions 0, 16, ... 240, each area stored
// without being read first.
TEST_F(Index, WriteThenReadGivesTheCounterBack)
{
    putIndex(964, {0x04030201u, 7});
    ASSERT_EQ(rig.db.ReadDatabaseIndex(), 0);
    rig.onBus.clear();
    ASSERT_EQ(rig.db.WriteDatabaseIndex(300), 0);
    const QByteArray a = rig.cs->area(Flash::Sam, 964);
    EXPECT_EQ(a.left(16), test::bytesOf({1, 2, 3, 4, 0x2C, 0x01, 0, 0, 255, 255, 255, 255, 255, 255, 255, 255}));
    EXPECT_EQ(a.mid(16), QByteArray(240, char(0xFF)));
    EXPECT_EQ(rig.cs->area(Flash::Sam, 965), QByteArray(256, char(0xFF)));
    std::vector<int> positions, areaCommands;
    for (const QByteArray& m : rig.requests()) {
        if (DbRig::at(m, 15) >> 4 == 4)
            positions.push_back(DbRig::at(m, 26) + 128 * (DbRig::at(m, 25) & 1) + 256 * DbRig::at(m, 27));
        else
            areaCommands.push_back(DbRig::at(m, 6));
    }
    EXPECT_EQ(positions.size(), 32u);
    EXPECT_EQ(positions[15], 240);
    EXPECT_EQ(areaCommands, (std::vector<int>{0x5A, 0x5A})) << "two SAM area writes, no area read";

    EXPECT_EQ(counterAfterRead(), 300u);
    EXPECT_EQ(rig.cs->violations(), 0) << rig.cs->violationLog().join('\n').toStdString();
}

// Each line: what areas 964 and 965 hold, and the counter a read finds.
TEST_F(Index, ReadTakesTheHighestEntryOfTheLastAreaThatHoldsAnIndex)
{
    std::vector<uint32_t> allEmpty(64, 0xFFFFFFFFu);
    allEmpty[0] = 0;
    const struct {
        const char* what;
        std::vector<uint32_t> first, second;
        uint32_t counter;
    } cases[] = {
        {"entries 1..63 all empty", allEmpty, {}, 0},
        {"the second area replaces the first", {1, 900, 5}, {1, 20, 70, 3}, 70},
        {"0xFF in byte 0 of entry 0: no index", {0x010101FFu, 500}, {}, 0},
        {"0xFF in byte 1", {0x0101FF01u, 500}, {}, 0},
        {"0xFF in byte 2", {0x01FF0101u, 500}, {}, 0},
        {"0xFF in byte 3", {0xFF010101u, 500}, {}, 0},
        {"a whole index", {7, 3, 4000000000u, 12}, {}, 4000000000u},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        putIndex(964, c.first);
        putIndex(965, c.second);
        EXPECT_EQ(counterAfterRead(), c.counter);
    }
}

TEST_F(Index, CounterIsKeptBelowTheEmptyMarker)
{
    rig.db.WriteDatabaseIndex(42);
    EXPECT_EQ(counterAfterRead(), 42u);
    rig.db.WriteDatabaseIndex(0xFFFFFFFFu);
    EXPECT_EQ(counterAfterRead(), 4294967294u);
}

// Each line: who answers, the command and its result (the index adds operation 27 or 28 to the
// code of the command that failed).
TEST(IndexFailures, EveryFailureNamesTheIndexAndTheCommand)
{
    using Setup = std::function<void(DbRig&)>;
    const Setup refusing = [](DbRig& r) { r.device(sim::SimScriptedDevice::longAck(0x00)); };
    const Setup silent = [](DbRig&) {};
    const auto read = [](DbRig& r) { return r.db.ReadDatabaseIndex(); };
    const auto write = [](DbRig& r) { return r.db.WriteDatabaseIndex(300); };
    const struct {
        const char* what;
        Setup answers;
        std::function<int(DbRig&)> command;
        int result;
    } cases[] = {
        {"read: the area read refused", refusing, read, 271211},
        {"read: no answer", silent, read, 270013},
        {"write: no answer", silent, write, 280013},
        {"write: a page refused", [](DbRig& r) {
             sim::SimFaults f;
             f.refusePageWrites = true;
             r.station({}, f);
             r.open();
         }, write, 281611},
        {"write: the area write refused",
         [](DbRig& r) { r.device([](const QByteArray& m) { return test::longAck(DbRig::at(m, 20) >> 4 == 3 ? 0x00 : 0x7F); }); },
         write, 281111},
        {"a page write alone refused", refusing, [](DbRig& r) { return r.db.WriteRecord(16, DbProtocol::ErasedPage); }, 1611},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DbRig rig;
        c.answers(rig);
        EXPECT_EQ(c.command(rig), c.result);
    }
}
