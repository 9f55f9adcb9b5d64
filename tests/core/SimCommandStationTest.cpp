// The simulated command station: what it counts as a protocol violation, its working buffer, its
// state file and its seeded databases; the simulated bus, port and clock under it. Its faults are
// rows of TransferFaultTest.
#include "support/DbRig.h"
#include "support/FakeComm1.h"
#include "support/FakeDialogs.h"

#include "link/PortIo.h"
#include "link/SerialInterface.h"
#include "sim/PortSwitch.h"
#include "sim/PreciseClock.h"
#include "sim/SimLatencyTimer.h"

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

using namespace kx2;
using kx2::test::bytesOf;
using kx2::test::DbRig;
using kx2::test::longAck;
using Flash = kx2::sim::SimCommandStation::Flash;

namespace {

// Another sender on the bus, for messages the tool would never send.
struct Tap : sim::SimBus::Endpoint {
    QByteArray received;
    void busReceive(const QByteArray& bytes) override { received += bytes; }
};

// A request as the tool's own protocol code builds it (sent to a silent bus and taken from there).
QByteArray built(const std::function<void(DbProtocol&)>& command)
{
    DbRig rig;
    command(rig.db);
    return rig.lastRequest();
}

// A database command with the given D1..D8, the signature or not, and selectors.
QByteArray command(std::array<int, 8> d, bool sig, int s1, int s2, int s3)
{
    DbCommand c;
    for (int k = 0; k < 16; ++k)
        c.d[size_t(k)] = k < 8 ? d[size_t(k)] : sig ? DbSignature[size_t(k - 8)] : 0;
    c.s = {s1, s2, s3};
    return c.encode();
}

QByteArray withChecksumAt(QByteArray m, int last) { return sim::SimFramer::withChecksum(m.left(last + 1)); }

} // namespace

// Each line: messages another sender puts onto the bus one after the other, the station's answer
// to them ("-": not looked at) and the violations it counts.
TEST(SimStation, CountsEveryMessageThatBreaksTheProtocolAndAnswersOnlyItsOwn)
{
    const QByteArray clear = built([](DbProtocol& db) { db.DisplayClear(); });
    QByteArray badChecksum = clear;
    badChecksum[30] = char(badChecksum[30] ^ 0x01);
    QByteArray badLength = clear.left(30);
    badLength[1] = 0x1E;
    const QByteArray step1 = built([](DbProtocol& db) { db.StartBootloader(); });
    const QByteArray step2 = command({}, true, 3, 4, 0);
    QByteArray unknownFormat = built([](DbProtocol& db) { db.ReadLocoFormat(3); });
    unknownFormat[5] = 14;
    const QByteArray refused = longAck(0x00);
    const struct {
        const char* what;
        std::vector<QByteArray> messages;
        QByteArray answer;
        int violations;
    } cases[] = {
        {"a wrong checksum: no answer", {badChecksum}, {}, 1},
        {"a wrong length byte: no answer", {withChecksumAt(badLength, 28)}, {}, 1},
        {"access step 1 without the signature", {command({0, 0x7F, 0x7F, 0x7F}, false, 3, 7, 0)}, refused, 1},
        {"unknown selectors 5, 1, 0", {command({}, false, 5, 1, 0)}, refused, 1},
        {"unknown selectors 3, 6, 0", {command({}, false, 3, 6, 0)}, refused, 1},
        {"a page read outside an open access", {built([](DbProtocol& db) { db.ReadRecord(0); })}, refused, 1},
        {"a page write outside an open access", {built([](DbProtocol& db) { db.WriteRecord(0, DbProtocol::ErasedPage); })},
         refused, 1},
        {"an area read outside an open access", {built([](DbProtocol& db) { db.DataFlashRead(7501); })}, refused, 1},
        {"access step 2 without step 1", {step2}, refused, 1},
        {"access step 2 before the ready message", {step1, step2}, "-", 1},
        {"a data-format request of an unknown kind", {withChecksumAt(unknownFormat, 13)}, refused, 1},
        {"a route-module request is another device's", {sim::SimFramer::withChecksum(bytesOf({0xED, 0x0F, 0x08, 0x05, 0x00, 0x21, 0, 0x0D, 0x33, 0, 0, 0, 0, 0x40}))}, {}, 0},
        {"a sensor report", {sim::SimFramer::withChecksum(bytesOf({0xB2, 0x10, 0x50}))}, {}, 0},
        {"a switch request", {sim::SimFramer::withChecksum(bytesOf({0xB0, 0x01, 0x30}))}, {}, 0},
        // A read of address 200's format, answered in the request's layout (byte 6 bit 2 carries
        // bit 7 of the code in byte 9).
        {"a data-format read", {built([](DbProtocol& db) { db.ReadLocoFormat(200); })},
         sim::SimFramer::withChecksum(bytesOf({0xE5, 0x0F, 0x01, 'K', 'X', 13, 0x05, 0x48, 0, 0x0F, 0x51, 0, 0, 0})), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DbRig rig;
        rig.station().setLocoFormat(200, 0x8F, 0x51);
        Tap tap;
        rig.bus.attach(&tap);
        int sent = 0;
        for (const QByteArray& m : c.messages) {
            rig.bus.transmit(&tap, m);
            sent += m.size();
        }
        rig.clock.yieldUntil(rig.clock.now() + 0.5);
        rig.clock.yieldUntil(rig.clock.now() + 0.5);
        if (c.answer != "-") {
            EXPECT_EQ(tap.received.mid(sent), c.answer);
        }
        EXPECT_EQ(rig.cs->violations(), c.violations) << rig.cs->violationLog().join('\n').toStdString();
        EXPECT_FALSE(rig.cs->accessOpen());
        rig.bus.detach(&tap);
    }
}

// Each line: what the tool does inside an open access, its last result and the violations the
// station counts.
TEST(SimStation, InsideTheAccessPagesStayWithinTheirAreaAndTheHandleMustMatch)
{
    const struct {
        const char* what;
        std::function<int(DbRig&)> act;
        int result, violations;
        bool stillOpen;
    } cases[] = {
        {"a page read before any area", [](DbRig& r) { return r.db.ReadRecord(0).result; }, 1011, 1, true},
        {"a page read beyond a SAM area", [](DbRig& r) { r.db.SamFlashRead(964); return r.db.ReadRecord(241).result; },
         1011, 1, true},
        {"the last page of a SAM area", [](DbRig& r) { r.db.SamFlashRead(964); return r.db.ReadRecord(240).result; },
         0, 0, true},
        {"a page beyond a SAM area is refused when stored",
         [](DbRig& r) { r.db.WriteRecord(256, DbProtocol::ErasedPage); return r.db.SamFlashWrite(964); },
         1111, 1, true},
        {"a new start while open", [](DbRig& r) { return r.open(); }, 0, 0, true},
        {"a close with a wrong handle", [](DbRig& r) { return DbProtocol(r.link, r.progress).EndBootloader(); },
         121011, 1, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DbRig rig;
        rig.station();
        ASSERT_EQ(rig.open(), 0);
        EXPECT_EQ(c.act(rig), c.result);
        EXPECT_EQ(rig.cs->violations(), c.violations) << rig.cs->violationLog().join('\n').toStdString();
        EXPECT_EQ(rig.cs->accessOpen(), c.stillOpen);
    }
}

TEST(SimStationState, SavedAfterEveryChangeLoadedByTheNextStationAndABadFileIsRefused)
{
    QTemporaryDir dir;
    sim::SimStationConfig config;
    config.statePath = dir.filePath(QStringLiteral("sim.json"));
    config.serial = sim::SimCommandStation::serialBytesFor(1200000123u);
    {
        DbRig rig;
        rig.station(config);
        ASSERT_EQ(rig.open(), 0);
        rig.db.WriteRecord(0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
        rig.db.DataFlashWrite(6400);
        EXPECT_TRUE(QFile::exists(config.statePath));
        rig.db.WriteLocoFormat(3, 83, 81);
        ASSERT_EQ(rig.db.WriteAccessoryFormat(9, 143).result, 0);
    }
    config.serial.reset();
    DbRig rig;
    auto& cs = rig.station(config);
    EXPECT_EQ(cs.area(Flash::Data, 6400).left(3), bytesOf({1, 2, 3}));
    EXPECT_EQ(cs.locoFormat(3), std::make_pair(83, 81));
    EXPECT_EQ(cs.accessoryFormat(9), 143);
    EXPECT_EQ(cs.serialNumber(), 1200000123.0);

    // A configured serial number wins over the one the file holds.
    config.serial = sim::SimCommandStation::serialBytesFor(1204194303u);
    DbRig other;
    EXPECT_EQ(other.station(config).serialNumber(), 1204194303.0);

    const QString bad = dir.filePath(QStringLiteral("bad.json"));
    for (const QByteArray& content :
         {QByteArray("not json"), QByteArray(R"({"kind":"other","version":1})"),
          QByteArray(R"({"kind":"kx2sim-state","version":1,"dataFlash":{"7000":"00FF"}})"),
          QByteArray(R"({"kind":"kx2sim-state","version":1,"locoFormats":{"3":[1]}})")}) {
        QFile f(bad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
        f.close();
        QString error;
        EXPECT_FALSE(cs.loadState(bad, &error)) << content.toStdString();
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(cs.area(Flash::Data, 6400).left(3), bytesOf({1, 2, 3})) << "the memory is left alone";
    }
}

TEST(SimBus, AtABaudRateEachByteArrivesNoEarlierThanItsWireTime)
{
    VirtualClock clock;
    sim::SimBus bus(clock);
    bus.setBaudPace(16666);
    struct Timed : sim::SimBus::Endpoint {
        VirtualClock* clock = nullptr;
        std::vector<double> times;
        void busReceive(const QByteArray& bytes) override { times.insert(times.end(), size_t(bytes.size()), clock->now()); }
    } timed;
    timed.clock = &clock;
    bus.attach(&timed);
    const double start = clock.now();
    const QByteArray m = built([](DbProtocol& db) { db.DisplayClear(); });
    bus.transmit(&timed, m);
    bus.transmit(&timed, m);
    while (timed.times.size() < 62 && clock.now() < start + 1)
        clock.yieldUntil(start + 1);
    ASSERT_EQ(timed.times.size(), 62u);
    for (size_t i = 0; i < timed.times.size(); ++i)
        EXPECT_GE(timed.times[i] - start, double(i + 1) * 10.0 / 16666 - 1e-9) << i;
    bus.detach(&timed);
}

// The simulator's clock for byte pacing on wall time: calls run in time order, none before it is due.
TEST(PreciseClock, CallsRunInOrderAndNeverEarly)
{
    sim::PreciseClock clock;
    std::vector<int> order;
    std::vector<double> late;
    const double start = clock.now();
    const double delays[] = {0.0034, 0.0006, 0.0012, 0.0, 0.0018};
    for (int i = 0; i < 5; ++i) {
        const double due = start + delays[i];
        clock.callAfter(delays[i], [&, i, due] {
            order.push_back(i);
            late.push_back(clock.now() - due);
        });
    }
    const double deadline = start + 1.0;
    while (order.size() < 5 && clock.now() < deadline)
        clock.yieldUntil(deadline);
    EXPECT_EQ(order, (std::vector<int>{3, 1, 2, 4, 0}));
    for (double l : late)
        EXPECT_GE(l, 0.0);
}

// Each pair: the state file ("" none, "neu" not there yet, "da" saved) and whether a first call seeds.
TEST(SimStationState, SampleLayoutOnlyOnTheFirstStartOfANewStateFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(DbRig().station().saveState(dir.filePath("da")));
    const int lastLoco = sim::SimCommandStation::LocoAreaBase + sim::SimCommandStation::SampleLocomotives - 1;
    for (const auto& [path, seeds] : {std::pair("", false), std::pair("neu", true), std::pair("da", false)}) {
        sim::SimStationConfig config;
        config.statePath = *path ? dir.filePath(path) : QString();
        DbRig rig;
        auto& cs = rig.station(config);
        const bool first = cs.seedSampleLayoutWhenNew();
        EXPECT_EQ(std::pair(first, cs.seedSampleLayoutWhenNew()), std::pair(seeds, false)) << path;
        EXPECT_EQ(DbRig().station(config).area(Flash::Data, lastLoco).at(0) == 20, seeds) << path << ": kept in its file";
    }
}

// The port text chooses between the simulated command station and the real port; the port's
// properties set before the choice go with it, and the station keeps its memory in its state file
// beside the settings from one run to the next.
TEST(PortSwitch, SimIsTheStationAnyOtherTextTheRealPortWithThePropertiesCarriedOver)
{
    QTemporaryDir dir;
    const QString state = sim::PortSwitch::statePathBeside(dir.filePath(QStringLiteral("KX2_DF.INF")));
    EXPECT_EQ(state, dir.filePath(QStringLiteral("KX2_SIM.STATE")));
    VirtualClock clock;
    test::FakeComm1 real(clock);
    {
        sim::PortSwitch port(real, clock, state);
        Settings settings;
        settings.ComPortNumber = QStringLiteral("sim");
        LocoNetLink link(port, clock, settings);
        NoPortIo portIo;
        FakeDialogs dialogs;
        SerialInterface iface(port, portIo, link, settings, dialogs);
        port.setOnComm([&] { link.OnComm(); });
        NullProgress progress;
        DbProtocol db(link, progress);
        ASSERT_EQ(iface.ConnectInterface(), 0);
        EXPECT_TRUE(port.simulatorActive());
        EXPECT_EQ(std::pair(port.inputLen(), port.rThreshold()), std::pair(0, 1));
        db.StartBootloader();
        EXPECT_EQ(db.WriteLocoFormat(3, 83, 81), 0);
        port.setCommPort(QStringLiteral("COM3"));
        EXPECT_TRUE(port.simulatorActive()) << "ignored while open";
        iface.ClosePort();
        EXPECT_TRUE(real.log.filter(QStringLiteral("Open")).isEmpty());

        port.setInputLen(1);
        port.setCommPort(QStringLiteral("/dev/ttyUSB0"));
        EXPECT_FALSE(port.simulatorActive());
        for (const char* line : {"CommPort=/dev/ttyUSB0", "InputLen=1", "RThreshold=1"})
            EXPECT_TRUE(real.log.contains(QLatin1String(line))) << line;
        EXPECT_TRUE(port.setPortOpen(true));
        EXPECT_EQ(real.openCount, 1);
        int events = 0;
        port.setOnComm([&] { ++events; });
        port.holdInput(true);
        real.feed(bytesOf({0x83, 0x7C}));
        EXPECT_EQ(events, 0) << "the exchange's hold reaches the real port";
        port.holdInput(false);
        EXPECT_EQ(events, 1);
        EXPECT_EQ(port.input(), bytesOf({0x83}));
        EXPECT_EQ(port.inBufferCount(), 1);
    }
    sim::PortSwitch again(real, clock, state);
    EXPECT_EQ(again.station().locoFormat(3), std::make_pair(83, 81));
}

// A run on a real port leaves the simulated station's memory as it was: no state file where there
// was none (the next start on the simulator seeds its sample layout), an existing one untouched.
TEST(PortSwitch, ARunOnARealPortLeavesTheSimulatedMemoryAlone)
{
    for (const QByteArray& before : {QByteArray(), QByteArray("{\"kind\": \"von Hand\"}")}) {
        QTemporaryDir dir;
        QFile state(dir.filePath(QStringLiteral("KX2_SIM.STATE")));
        ASSERT_TRUE(before.isEmpty() || (state.open(QIODevice::WriteOnly) && state.write(before) && state.flush()));
        state.close();
        VirtualClock clock;
        test::FakeComm1 real(clock);
        auto port = std::make_unique<sim::PortSwitch>(real, clock, state.fileName());
        port->setCommPort(QStringLiteral("/dev/ttyS9"));
        ASSERT_TRUE(port->setPortOpen(true) && port->setPortOpen(false));
        port.reset();
        state.open(QIODevice::ReadOnly);
        EXPECT_EQ(std::pair(state.exists(), state.readAll()), std::pair(!before.isEmpty(), before));
    }
}

// Bytes on their way to the program wait for a USB packet's worth (62) or for the latency timer,
// counted from the first waiting byte. Each line: the timer, bytes arriving and packets handed on,
// as (millisecond, count).
TEST(SimLatencyTimer, APacketGoesWhenFullOrWhenTheTimerRunsOut)
{
    using Steps = std::vector<std::pair<int, int>>;
    const struct {
        int timerMs;
        Steps in, out;
    } rows[] = {
        {16, {{0, 4}}, {{16, 4}}},
        {16, {{0, 61}, {10, 1}}, {{10, 62}}},
        {16, {{0, 63}}, {{0, 62}, {16, 1}}},
        {16, {{0, 30}, {10, 40}}, {{10, 62}, {26, 8}}},
        {16, {{0, 1}, {15, 1}, {20, 1}}, {{16, 2}, {36, 1}}},
        {0, {{0, 3}, {5, 1}}, {{0, 3}, {5, 1}}},
    };
    for (const auto& row : rows) {
        VirtualClock clock;
        const double start = clock.now();
        const auto at = [&](int ms) {
            while (clock.now() < start + ms / 1000.0)
                clock.yieldUntil(start + ms / 1000.0);
        };
        Steps out;
        sim::SimLatencyTimer timer(clock, row.timerMs / 1000.0, [&](const QByteArray& b) {
            out.push_back({int(std::lround((clock.now() - start) * 1000)), int(b.size())});
        });
        for (const auto& [ms, count] : row.in) {
            at(ms);
            timer.take(QByteArray(count, 'x'));
        }
        at(1000);
        EXPECT_EQ(out, row.out) << row.in.size() << " arrivals, timer " << row.timerMs;
    }
}
