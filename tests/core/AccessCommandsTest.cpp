// Opening and closing the database access, the serial number, area and display commands: the
// answers they rely on and the result code of every other answer.
#include "support/DbRig.h"

#include <functional>
#include <gtest/gtest.h>

using namespace kx2;
using kx2::test::bytesOf;
using kx2::test::DbRig;
using kx2::test::longAck;

namespace {

sim::SimStationConfig bootAck(int code, double readyDelay = 0.3)
{
    sim::SimStationConfig c;
    c.bootAckCode = code;
    c.readyDelay = readyDelay;
    return c;
}

sim::SimFaults fault(bool sim::SimFaults::*which)
{
    sim::SimFaults f;
    f.*which = true;
    return f;
}

// A data reply: it answers the database command but is no acknowledge.
QByteArray someDataReply()
{
    return sim::SimFramer::withChecksum(bytesOf({0xE5, 0x1F, 0x01, 0x50, 0x43, 0x70, 1, 2, 3, 4, 0x70, 5, 6, 7, 8,
                                                 0x40, 0, 0, 0, 0, 0x40, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

int readSerial(DbProtocol& db)
{
    return db.ReadSerialNumber().result;
}

} // namespace

// Each line: who answers (the simulated station with its configuration and faults, or a device
// that answers every request the same way), the command, its result, how many requests it made
// (-1: not counted) and how long it may take.
TEST(AccessCommands, EveryAnswerGivesItsResult)
{
    using Setup = std::function<void(DbRig&)>;
    const auto station = [](sim::SimStationConfig config, sim::SimFaults faults = {}) {
        return Setup([config, faults](DbRig& r) { r.station(config, faults); });
    };
    const auto device = [](sim::SimScriptedDevice::Reply reply) { return Setup([reply](DbRig& r) { r.device(reply); }); };
    const auto open = [](DbRig& r) { return r.open(); };
    const auto areaCmd = [](int (DbProtocol::*cmd)(int)) { return [cmd](DbRig& r) { return (r.db.*cmd)(1); }; };
    const double limit = DbProtocol::ReadyWaitLimit;
    const struct {
        const char* what;
        Setup answers;
        std::function<int(DbRig&)> command;
        int result, requests;
        double minSeconds, maxSeconds;
    } cases[] = {
        {"access: 0x7F waits for the ready message", station(bootAck(0x7F, 0.8)), open, 0, 2, 0.79, 1.5},
        {"access: 0x01 goes on at once", station(bootAck(0x01, 5.0)), open, 0, 2, 0, 1},
        {"access: 0x00 is a refusal", station(bootAck(0x00)), open, 111011, 1, 0, 1},
        {"access: a data reply is no acknowledge", device([](const QByteArray&) { return someDataReply(); }), open, 111011, 1, 0, 1},
        {"access: the ready message never comes", station({}, fault(&sim::SimFaults::readyNeverComes)), open, 111013, 1,
         limit, limit + 1},
        {"access: acknowledge and ready message in one burst", station({}, fault(&sim::SimFaults::ackAndReadyInOneWrite)),
         open, 0, 2, 0, 1},
        {"access: step 2 answered by no acknowledge",
         device([](const QByteArray& m) { return DbRig::at(m, 20) >> 4 == 7 ? longAck(0x01) : someDataReply(); }), open,
         110106, 2, 0, 1},
        {"close: the station refuses a wrong handle", station({}),
         [](DbRig& r) { r.open(); return DbProtocol(r.link, r.progress).EndBootloader(); }, 121011,
         3, 0, 2},
        {"serial number: the area read refused", device(sim::SimScriptedDevice::longAck(0x00)),
         [](DbRig& r) { return readSerial(r.db); }, 101011, 1, 0, 1},
        {"serial number: an acknowledge where the record belongs", device(sim::SimScriptedDevice::longAck(0x7F)),
         [](DbRig& r) { return readSerial(r.db); }, 101011, 2, 0, 1},
        {"SamFlashRead refused", device(sim::SimScriptedDevice::longAck(0x00)), areaCmd(&DbProtocol::SamFlashRead), 1211, 1, 0, 1},
        {"SamFlashWrite refused", device(sim::SimScriptedDevice::longAck(0x00)), areaCmd(&DbProtocol::SamFlashWrite), 1111, 1, 0, 1},
        {"DataFlashRead refused", device(sim::SimScriptedDevice::longAck(0x00)), areaCmd(&DbProtocol::DataFlashRead), 1311, 1, 0, 1},
        {"DataFlashWrite refused", device(sim::SimScriptedDevice::longAck(0x00)), areaCmd(&DbProtocol::DataFlashWrite), 1411, 1, 0, 1},
        {"display: the answer is not looked at", device(sim::SimScriptedDevice::longAck(0x00)),
         [](DbRig& r) { return r.db.DisplayClear(); }, 0, 1, 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DbRig rig;
        c.answers(rig);
        const double start = rig.clock.now();
        EXPECT_EQ(c.command(rig), c.result);
        if (c.requests >= 0) {
            EXPECT_EQ(int(rig.requests().size()), c.requests);
        }
        EXPECT_GE(rig.clock.now() - start, c.minSeconds);
        EXPECT_LE(rig.clock.now() - start, c.maxSeconds);
        EXPECT_FALSE(rig.link.watchingForReady()) << "nobody waits for the ready message any more";
    }
}

// D1..D4 of the serial-number record 0xC7, 0x41, 0x02, 0x03: 1 200 000 000 + 0x01 * 65536 +
// 2 * 256 + 3 (bits 6 and 7 of D2 do not count), the worked example of the serial number.
TEST(AccessCommands, SerialNumberWorkedExample)
{
    DbRig rig;
    sim::SimStationConfig config;
    config.serial = std::array<int, 4>{0xC7, 0x41, 0x02, 0x03};
    rig.station(config);
    ASSERT_EQ(rig.open(), 0);
    const DbProtocol::SerialNumber read = rig.db.ReadSerialNumber();
    EXPECT_EQ(read.result, 0);
    EXPECT_EQ(read.serial, 1200066051.0);
    EXPECT_EQ(read.ids, (std::array<int, 4>{0x03, 0x02, 0x41, 0xC7}));
}

TEST(AccessCommands, TheStationsDisplayShowsTextAndCursorAndIsCleared)
{
    DbRig rig;
    rig.station();
    EXPECT_EQ(rig.db.DisplaySetCursor(10, 50), 0);
    EXPECT_EQ(rig.db.DisplayWriteText(QStringLiteral("Datenbank lesen \u00e4\u03a9")), 0);
    EXPECT_EQ(rig.cs->displayText(), QStringLiteral("Datenbank lesen \u00e4?"));
    EXPECT_EQ(rig.cs->displayCursor(), std::make_pair(10, 50));
    EXPECT_EQ(rig.db.DisplayClear(), 0);
    EXPECT_EQ(rig.cs->displayText(), QString());
    EXPECT_EQ(rig.cs->violations(), 0);
}
