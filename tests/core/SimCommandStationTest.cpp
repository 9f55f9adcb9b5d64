// The simulated command station: what it counts as a protocol violation, its working buffer,
// its faults, its state file and its seeded locomotive database.
#include "support/DbRig.h"

#include "dbproto/RecordTable.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>

using namespace kx2;
using kx2::test::bytesOf;
using kx2::test::DbRig;
using Flash = kx2::sim::SimCommandStation::Flash;

namespace {

// Another sender on the bus, for messages the tool would never send.
struct Tap : sim::SimBus::Endpoint {
    QByteArray received;
    void busReceive(const QByteArray& bytes) override { received += bytes; }
};

// A database command built here, independent of the protocol code under test.
QByteArray dbCommand(std::array<int, 21> d, int s1, int s2, int s3, bool withSignature = true)
{
    if (withSignature)
        for (int i = 0; i < 8; ++i)
            d[9 + i] = DbSignature[i];
    QByteArray m = bytesOf({0xED, 0x1F, 0x08, 0x49, 0x4B});
    const int top[6] = {0, 0x70, 0x70, s1 << 4, s2 << 4, s3 << 4};
    for (int g = 1; g <= 5; ++g) {
        int bits = 0;
        for (int k = 1; k <= 4; ++k)
            if (d[4 * (g - 1) + k] & 0x80)
                bits |= 1 << (k - 1);
        m.append(char(top[g] | bits));
        for (int k = 1; k <= 4; ++k)
            m.append(char(d[4 * (g - 1) + k] & 0x7F));
    }
    return sim::SimFramer::withChecksum(m);
}

struct Station : ::testing::Test {
    DbRig rig;
    Tap tap;
    void SetUp() override
    {
        rig.station();
        rig.bus.attach(&tap);
    }
    void TearDown() override { rig.bus.detach(&tap); }
    void settle(double seconds = 0.5)
    {
        const double deadline = rig.clock.now() + seconds;
        while (rig.clock.now() <= deadline)
            rig.clock.yieldUntil(deadline);
    }
    // Sends `m` from the tap and returns what came back after it (echo removed).
    QByteArray ask(const QByteArray& m)
    {
        tap.received.clear();
        rig.bus.transmit(&tap, m);
        settle();
        return tap.received.mid(m.size());
    }
    int violations() const { return rig.cs->violations(); }
};

} // namespace

TEST_F(Station, WrongChecksumIsCountedAndNotAnswered)
{
    QByteArray m = dbCommand({}, 3, 1, 0);
    m[30] = char(m[30] ^ 0x01);
    EXPECT_TRUE(ask(m).isEmpty());
    EXPECT_EQ(violations(), 1);
}

TEST_F(Station, WrongLengthByteIsCountedAndNotAnswered)
{
    QByteArray m = dbCommand({}, 3, 1, 0).left(30);
    m[1] = 0x1E;
    m = sim::SimFramer::withChecksum(m.left(29));
    EXPECT_TRUE(ask(m).isEmpty());
    EXPECT_EQ(violations(), 1);
}

TEST_F(Station, WrongSignatureIsCountedAndRefused)
{
    std::array<int, 21> d{};
    d[2] = d[3] = d[4] = 0x7F;
    QByteArray m = dbCommand(d, 3, 7, 0, false);
    EXPECT_EQ(ask(m), test::longAck(0x00));
    EXPECT_EQ(violations(), 1);
    EXPECT_FALSE(rig.cs->accessOpen());
}

TEST_F(Station, UnknownSelectorsAreCountedAndRefused)
{
    EXPECT_EQ(ask(dbCommand({}, 5, 1, 0)), test::longAck(0x00));
    EXPECT_EQ(ask(dbCommand({}, 3, 6, 0)), test::longAck(0x00));
    EXPECT_EQ(violations(), 2);
}

TEST_F(Station, PageCommandsOutsideAnOpenAccessAreCounted)
{
    std::array<int, 21> d{};
    EXPECT_EQ(ask(dbCommand(d, 4, 4, 0, false)), test::longAck(0x00));
    EXPECT_EQ(ask(dbCommand(d, 4, 2, 0, false)), test::longAck(0x00));
    EXPECT_EQ(violations(), 2);
}

TEST_F(Station, Step2BeforeTheReadyMessageOrWithoutStep1IsCounted)
{
    EXPECT_EQ(ask(dbCommand({}, 3, 4, 0)), test::longAck(0x00));
    EXPECT_EQ(violations(), 1);
    std::array<int, 21> d{};
    d[2] = d[3] = d[4] = 0x7F;
    tap.received.clear();
    rig.bus.transmit(&tap, dbCommand(d, 3, 7, 0));
    rig.bus.transmit(&tap, dbCommand({}, 3, 4, 0));
    settle();
    EXPECT_EQ(violations(), 2);
    EXPECT_FALSE(rig.cs->accessOpen());
}

TEST_F(Station, MessagesForOtherDevicesAreIgnored)
{
    // A route-module request, a sensor report, a switch request.
    EXPECT_TRUE(ask(sim::SimFramer::withChecksum(bytesOf({0xED, 0x0F, 0x08, 0x05, 0x00, 0x21, 0, 0x0D, 0x33, 0, 0, 0, 0, 0x40}))).isEmpty());
    EXPECT_TRUE(ask(sim::SimFramer::withChecksum(bytesOf({0xB2, 0x10, 0x50}))).isEmpty());
    EXPECT_TRUE(ask(sim::SimFramer::withChecksum(bytesOf({0xB0, 0x01, 0x30}))).isEmpty());
    EXPECT_EQ(violations(), 0);
    EXPECT_EQ(rig.cs->requestCount(), 0);
}

TEST_F(Station, DataFormatRequestWithUnknownCodeIsCounted)
{
    QByteArray m = sim::SimFramer::withChecksum(bytesOf({0xED, 0x0F, 0x01, 'K', 'X', 14, 0, 3, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(ask(m), test::longAck(0x00));
    EXPECT_EQ(violations(), 1);
}

TEST_F(Station, ReadReplyOfTheFormatTableLayout)
{
    rig.cs->setLocoFormat(200, 0x8F, 0x51);
    QByteArray m = sim::SimFramer::withChecksum(bytesOf({0xED, 0x0F, 0x01, 'K', 'X', 13, 0x01, 0x48, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(ask(m), sim::SimFramer::withChecksum(bytesOf({0xE5, 0x0F, 0x01, 'K', 'X', 13, 0x05, 0x48, 0, 0x0F, 0x51, 0, 0, 0})));
}

TEST_F(Station, PagesWrittenWithoutAnAreaReadKeepTheRestOfTheArea)
{
    QByteArray before(512, char(0x11));
    rig.cs->setArea(Flash::Data, 7502, before);
    ASSERT_EQ(rig.open(), 0);
    // The index read leaves SAM area 965 loaded; the pages then go to a data-flash area.
    int r = 0;
    rig.db.SamFlashRead(965, r);
    for (int i = 1; i <= 16; ++i)
        rig.db.WriteBuffer[i] = 0xA0 + i;
    rig.db.WriteRecord(32, r);
    ASSERT_EQ(r, 0);
    rig.db.DataFlashWrite(7502, r);
    ASSERT_EQ(r, 0);
    const QByteArray after = rig.cs->area(Flash::Data, 7502);
    EXPECT_EQ(after.left(32), before.left(32));
    for (int k = 0; k < 16; ++k)
        EXPECT_EQ(static_cast<unsigned char>(after.at(32 + k)), 0xA1 + k);
    EXPECT_EQ(after.mid(48), before.mid(48));
    EXPECT_EQ(rig.cs->area(Flash::Sam, 965), QByteArray(256, char(0xFF)));
    EXPECT_EQ(violations(), 0);
}

TEST_F(Station, PageReadWithoutAnAreaOrBeyondItIsCounted)
{
    ASSERT_EQ(rig.open(), 0);
    int r = 0;
    rig.db.ReadRecord(0, r);
    EXPECT_EQ(violations(), 1);
    rig.db.SamFlashRead(964, r);
    rig.db.ReadRecord(241, r);
    EXPECT_EQ(violations(), 2);
    rig.db.ReadRecord(240, r);
    EXPECT_EQ(violations(), 2);
}

TEST_F(Station, PagesBeyondASamAreaAreRefusedWhenStored)
{
    ASSERT_EQ(rig.open(), 0);
    rig.db.ClearWriteBuffer();
    int r = 0;
    rig.db.WriteRecord(256, r);
    EXPECT_EQ(r, 0);
    rig.db.SamFlashWrite(964, r);
    EXPECT_EQ(r, 1111);
    EXPECT_EQ(violations(), 1);
}

TEST_F(Station, NewStartWhileOpenIsAllowed)
{
    ASSERT_EQ(rig.open(), 0);
    ASSERT_EQ(rig.open(), 0);
    EXPECT_EQ(violations(), 0);
}

TEST(StationFaults, EveryNthRequestIsLost)
{
    DbRig rig;
    sim::SimFaults faults;
    faults.noAnswerEvery = 3;
    rig.station({}, faults);
    ASSERT_EQ(rig.open(), 0);  // requests 1 and 2
    int r = 0;
    rig.db.DisplayClear(r);    // request 3
    EXPECT_EQ(r, 150013);
    rig.db.DisplayClear(r);
    EXPECT_EQ(r, 0);
}

TEST(StationFaults, StrayBytesBeforeEachAnswerAreDroppedByTheReceiver)
{
    DbRig rig;
    sim::SimFaults faults;
    faults.strayBytes = true;
    rig.station({}, faults);
    ASSERT_EQ(rig.open(), 0);
    double serial = 0;
    int a, b, c, d, r = 0;
    rig.db.ReadSerialNumber(serial, a, b, c, d, r);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(serial, 1200066051.0);
}

TEST(StationFaults, OtherDevicesTalkBetweenTheToolsRequestsAndAnswers)
{
    DbRig rig;
    rig.bus.setBaudPace(16666);
    sim::SimFaults faults;
    faults.chatterInterval = 0.004;
    rig.station({}, faults).seedLocomotives(1);
    ASSERT_EQ(rig.open(), 0);
    int passedOver = 0;
    for (int i = 0; i < 20; ++i) {
        int r = 0;
        rig.db.DataFlashRead(7501, r);
        ASSERT_EQ(r, 0);
        passedOver += rig.link.passedOver();
    }
    EXPECT_GT(passedOver, 20) << "chatter came between the requests and their answers";
    EXPECT_GT(rig.cs->chatter()->sent(), 20);
    EXPECT_EQ(rig.cs->violations(), 0);
}

TEST(StationFaults, AnswerDelayBeyondTwoSecondsTimesOut)
{
    DbRig rig;
    sim::SimFaults faults;
    faults.answerDelay = 1.5;
    rig.station({}, faults);
    ASSERT_EQ(rig.open(), 0);
    rig.cs->faults().answerDelay = 2.5;
    int r = 0;
    rig.db.DisplayClear(r);
    EXPECT_EQ(r, 150013);
}

TEST(StationFaults, UnpluggedPortFailsToSendAndToOpen)
{
    DbRig rig;
    sim::SimFaults faults;
    faults.unplugAfterMessages = 2;
    rig.station({}, faults);
    ASSERT_EQ(rig.open(), 0);
    int r = 0;
    rig.db.DisplayClear(r);  // request 3 makes the interface vanish
    EXPECT_EQ(r, 150013);
    EXPECT_TRUE(rig.port.unplugged());
    r = 0;
    const int msg[2] = {0x83};
    rig.link.SendLocoNetMessage(msg, 0, r);
    EXPECT_EQ(r, 1012);
    rig.port.setPortOpen(false);
    EXPECT_FALSE(rig.port.setPortOpen(true));
    EXPECT_FALSE(rig.port.errorText().isEmpty());
}

TEST(StationFaults, RefusedCodeIsConfigurable)
{
    DbRig rig;
    sim::SimFaults faults;
    faults.refusePageWrites = true;
    faults.refusedCode = 0x3C;
    rig.station({}, faults);
    ASSERT_EQ(rig.open(), 0);
    rig.db.ClearWriteBuffer();
    int r = 0;
    rig.db.WriteRecord(0, r);
    EXPECT_EQ(r, 1611);
    EXPECT_EQ(rig.link.ReceiveRing[1][2], 0x3C);
}

TEST(StationState, SavedAfterAnAreaWriteAndLoadedByTheNextStation)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sim.json"));
    sim::SimStationConfig config;
    config.statePath = path;
    {
        DbRig rig;
        rig.station(config);
        ASSERT_EQ(rig.open(), 0);
        for (int i = 1; i <= 16; ++i)
            rig.db.WriteBuffer[i] = i;
        int r = 0;
        rig.db.WriteRecord(0, r);
        rig.db.DataFlashWrite(6400, r);
        ASSERT_EQ(r, 0);
        EXPECT_TRUE(QFile::exists(path));
        rig.db.WriteLocoFormat(3, 83, 81, r);
        int acc = 143;
        rig.db.WriteAccessoryFormat(9, acc, r);
    }
    DbRig rig;
    auto& cs = rig.station(config);
    EXPECT_EQ(cs.area(Flash::Data, 6400).left(3), bytesOf({1, 2, 3}));
    EXPECT_EQ(cs.locoFormat(3), std::make_pair(83, 81));
    EXPECT_EQ(cs.accessoryFormat(9), 143);
    EXPECT_EQ(cs.serialNumber(), 1200066051.0);
}

TEST(StationState, ConfiguredSerialOverridesTheLoadedOne)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sim.json"));
    sim::SimStationConfig config;
    config.statePath = path;
    config.serial = sim::SimCommandStation::serialBytesFor(1200000123u);
    {
        DbRig rig;
        rig.station(config).saveState();
    }
    config.serial.reset();
    {
        DbRig rig;
        EXPECT_EQ(rig.station(config).serialNumber(), 1200000123.0);
    }
    config.serial = sim::SimCommandStation::serialBytesFor(1204194303u);
    DbRig rig;
    EXPECT_EQ(rig.station(config).serialNumber(), 1204194303.0);
}

TEST(StationState, BadFileLeavesTheMemoryAlone)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bad.json"));
    DbRig rig;
    auto& cs = rig.station();
    cs.setArea(Flash::Data, 7000, QByteArray(512, 'x'));
    for (const QByteArray& content :
         {QByteArray("not json"), QByteArray(R"({"kind":"other","version":1})"),
          QByteArray(R"({"kind":"kx2sim-state","version":1,"dataFlash":{"7000":"00FF"}})"),
          QByteArray(R"({"kind":"kx2sim-state","version":1,"locoFormats":{"3":[1]}})")}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
        f.close();
        QString error;
        EXPECT_FALSE(cs.loadState(path, &error)) << content.toStdString();
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(cs.area(Flash::Data, 7000), QByteArray(512, 'x'));
    }
}

TEST(StationSeed, SeededLocomotivesAreValidRecordsWithFormatsAndIndex)
{
    DbRig rig;
    auto& cs = rig.station();
    cs.seedLocomotives(40);
    std::set<int> addresses;
    for (int i = 0; i < 40; ++i) {
        const QByteArray a = cs.area(Flash::Data, 7501 + i);
        auto at = [&](int k) { return int(static_cast<unsigned char>(a.at(k))); };
        EXPECT_EQ(at(3) & 0xFC, 0);
        EXPECT_EQ(at(0) + 256 * at(1), i + 1);
        const int address = at(32) + 256 * at(33);
        EXPECT_GE(address, 1);
        EXPECT_LE(address, 9999);
        addresses.insert(address);
        EXPECT_EQ(at(34) + 256 * at(35), i);
        EXPECT_NE(at(4), 0);
        bool terminated = false;
        for (int k = 4; k <= 27; ++k)
            terminated = terminated || at(k) == 0;
        EXPECT_TRUE(terminated);
        for (int f = 0; f <= 28; ++f)
            EXPECT_LE(at(36 + f), 79);
        EXPECT_TRUE(cs.hasLocoFormat(address));
    }
    EXPECT_EQ(addresses.size(), 40u);
    EXPECT_EQ(cs.area(Flash::Data, 7541), QByteArray(512, char(0xFF)));

    ASSERT_EQ(rig.open(), 0);
    int r = 0;
    rig.db.ReadDatabaseIndex(r);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(rig.db.DbRecordCounter, 40.0);
}

TEST(SimBusPacing, EachByteArrivesNoEarlierThanItsWireTime)
{
    VirtualClock clock;
    sim::SimBus bus(clock);
    bus.setBaudPace(16666);
    struct Timed : sim::SimBus::Endpoint {
        VirtualClock* clock = nullptr;
        std::vector<double> times;
        void busReceive(const QByteArray& bytes) override
        {
            for (int i = 0; i < bytes.size(); ++i)
                times.push_back(clock->now());
        }
    } timed;
    timed.clock = &clock;
    bus.attach(&timed);
    const double start = clock.now();
    const QByteArray m = sim::SimFramer::withChecksum(QByteArray(30, '\x01').replace(0, 2, bytesOf({0xED, 0x1F})));
    bus.transmit(&timed, m);
    bus.transmit(&timed, m);
    while (timed.times.size() < 62 && clock.now() < start + 1)
        clock.yieldUntil(start + 1);
    ASSERT_EQ(timed.times.size(), 62u);
    const double byteTime = 10.0 / 16666;
    for (size_t i = 0; i < timed.times.size(); ++i)
        EXPECT_GE(timed.times[i] - start, (i + 1) * byteTime - 1e-9) << i;
    bus.detach(&timed);
}

TEST(SimComm1, HandsOverInputLenBytesAndRaisesTheEventUntilEmpty)
{
    VirtualClock clock;
    sim::SimBus bus(clock);
    sim::SimComm1 port(bus);
    Tap other;
    bus.attach(&other);
    EXPECT_TRUE(port.setPortOpen(true));
    port.setInputLen(1);
    port.setRThreshold(1);
    QByteArray got;
    int events = 0;
    port.setOnComm([&] {
        ++events;
        got += port.input();
    });
    bus.transmit(&other, bytesOf({0xB4, 0x6D, 0x7F, 0x59}));
    clock.yieldUntil(clock.now() + 0.1);
    EXPECT_EQ(got, bytesOf({0xB4, 0x6D, 0x7F, 0x59}));
    EXPECT_EQ(events, 4);
    EXPECT_TRUE(port.ctsHolding());

    port.setRThreshold(0);
    bus.transmit(&other, bytesOf({0x83, 0x7C}));
    clock.yieldUntil(clock.now() + 0.1);
    EXPECT_EQ(events, 4);
    EXPECT_EQ(port.inBufferCount(), 2);
    port.setInputLen(0);
    EXPECT_EQ(port.input(), bytesOf({0x83, 0x7C}));
    bus.transmit(&other, bytesOf({0x83, 0x7C}));
    clock.yieldUntil(clock.now() + 0.1);
    port.discardInput();
    EXPECT_EQ(port.inBufferCount(), 0);
    bus.detach(&other);
}

TEST(SimComm1, ClosedPortNeitherSendsNorReceives)
{
    VirtualClock clock;
    sim::SimBus bus(clock);
    sim::SimComm1 port(bus);
    EXPECT_FALSE(port.output(bytesOf({0x83, 0x7C})));
    port.setCommPort(QStringLiteral("SIM"));
    EXPECT_EQ(port.commPort(), QStringLiteral("SIM"));
    port.setPortOpen(true);
    EXPECT_TRUE(port.output(bytesOf({0x83, 0x7C})));
    clock.yieldUntil(clock.now() + 0.1);
    EXPECT_EQ(port.inBufferCount(), 2);  // the echo
    port.setCommPort(QStringLiteral("COM3"));  // ignored while open
    EXPECT_EQ(port.commPort(), QStringLiteral("SIM"));
}

TEST(SimBusEcho, WithoutEchoTheExchangeTimesOutAndWithEchoOnlyToo)
{
    DbRig rig;
    rig.bus.setEcho(false);
    int r = 0;
    rig.db.DisplayClear(r);
    EXPECT_EQ(r, 150013);
    EXPECT_EQ(rig.link.messagesSinceReset(), 0);
    rig.bus.setEcho(true);
    rig.db.DisplayClear(r);
    EXPECT_EQ(r, 150013);
    EXPECT_EQ(rig.link.messagesSinceReset(), 1);
}
