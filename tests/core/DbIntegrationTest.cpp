// A whole database access against the simulated command station: in process in virtual time
// (whole messages, byte by byte at the LocoNet rate) and over a pseudo-terminal through the
// real serial-port path in wall time. Every good transfer leaves no protocol violation.
#include "support/DbRig.h"

#include "dbproto/RecordTable.h"
#include "link/PortIo.h"
#include "link/QtSerialComm1.h"
#include "link/SerialInterface.h"
#include "sim/PortSwitch.h"
#include "sim/PtyServer.h"
#include "support/FakeComm1.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kx2;
using Flash = kx2::sim::SimCommandStation::Flash;

namespace {

class NoDialogs : public UserDialogs {
public:
    MsgAnswer showMessage(const QString&, MsgButtons, MsgIcon, const QString&, MsgAnswer) override { return MsgAnswer::Ok; }
    std::optional<QString> inputBox(const QString&, const QString&, const QString&) override { return std::nullopt; }
};

// Open access, serial number, area read, page writes, area write, page reads, index write and
// read, a data format, close: the sequence every send driver runs.
void fullTransfer(DbProtocol& db, LocoNetLink& link, sim::SimCommandStation& cs, double pause)
{
    int r = 0;
    db.StartBootloader(r);
    ASSERT_EQ(r, 0);
    link.clearRing();
    link.Pause(pause);
    db.DisplayClear(r);
    ASSERT_EQ(r, 0);
    db.DisplaySetCursor(10, 50, r);
    ASSERT_EQ(r, 0);
    db.DisplayWriteText(QStringLiteral("Datenbank schreiben"), r);
    ASSERT_EQ(r, 0);
    EXPECT_EQ(cs.displayText(), QStringLiteral("Datenbank schreiben"));

    double serial = 0;
    int id1 = 0, id2 = 0, id3 = 0, id4 = 0;
    db.ReadSerialNumber(serial, id1, id2, id3, id4, r);
    ASSERT_EQ(r, 0);
    EXPECT_EQ(serial, cs.serialNumber());
    EXPECT_EQ(id1, cs.serialBytes()[3]);
    EXPECT_EQ(id4, cs.serialBytes()[0]);

    db.ReadDatabaseIndex(r);
    ASSERT_EQ(r, 0);
    const double counter = db.DbRecordCounter;

    // A locomotive record in slot 2, with bytes that need bit 7 and a name with an umlaut.
    RecordTable table(3, 84);
    for (int c = 0; c < 80; ++c)
        table.set(2, c, (c * 91 + 5) & 0xFF);
    table.set(2, 3, 0);
    const int area = 7503;
    db.DataFlashRead(area, r);
    ASSERT_EQ(r, 0);
    for (int p = 0; p < 5; ++p) {
        db.CopyTableToWriteBuffer(2, 16 * p, table);
        db.WriteRecord(16 * p, r);
        ASSERT_EQ(r, 0);
    }
    db.DataFlashWrite(area, r);
    ASSERT_EQ(r, 0);

    RecordTable back(3, 84);
    db.DataFlashRead(area, r);
    ASSERT_EQ(r, 0);
    for (int p = 0; p < 5; ++p) {
        db.ReadRecord(16 * p, r);
        ASSERT_EQ(r, 0);
        db.CopyReplyToTable(2, 16 * p, back);
    }
    for (int c = 0; c < 80; ++c)
        EXPECT_EQ(back.value(2, c), table.value(2, c)) << c;

    db.WriteDatabaseIndex(counter + 1, r);
    ASSERT_EQ(r, 0);
    db.ReadDatabaseIndex(r);
    ASSERT_EQ(r, 0);
    EXPECT_EQ(db.DbRecordCounter, counter + 1);

    db.WriteLocoFormat(3, 83, 81, r);
    ASSERT_EQ(r, 0);
    int code = 0, value = 0;
    db.ReadLocoFormat(3, code, value, r);
    ASSERT_EQ(r, 0);
    EXPECT_EQ(code, 83);
    EXPECT_EQ(value, 81);

    db.EndBootloader(r);
    ASSERT_EQ(r, 0);
    EXPECT_FALSE(cs.accessOpen());
    EXPECT_EQ(cs.violations(), 0) << cs.violationLog().join('\n').toStdString();
}

} // namespace

TEST(DbIntegration, WholeMessagesInVirtualTime)
{
    test::DbRig rig;
    auto& cs = rig.station();
    cs.seedLocomotives(5);
    fullTransfer(rig.db, rig.link, cs, 1.0);
    EXPECT_EQ(rig.db.DbRecordCounter, 6.0);
}

TEST(DbIntegration, ByteByByteThroughTheLocoNetInterfaceAtTheLocoNetRate)
{
    test::DbRig rig;
    rig.settings.UseUsbInterface = false;  // serial LocoNet interface: one byte per write
    rig.port.setInputLen(1);
    rig.bus.setBaudPace(16666);
    auto& cs = rig.station();
    fullTransfer(rig.db, rig.link, cs, 1.0);
}

TEST(DbIntegration, AckAndReadyInOneBurstAndStrayBytes)
{
    test::DbRig rig;
    sim::SimFaults faults;
    faults.ackAndReadyInOneWrite = true;
    faults.strayBytes = true;
    auto& cs = rig.station({}, faults);
    fullTransfer(rig.db, rig.link, cs, 0.0);
}

TEST(DbIntegration, ThroughThePortSwitchWithItsStateFile)
{
    QTemporaryDir dir;
    const QString state = dir.filePath(QStringLiteral("KX2_SIM.STATE"));
    VirtualClock clock;
    test::FakeComm1 real(clock);
    Settings settings;
    settings.ComPortNumber = QStringLiteral("sim");
    NoPortIo portIo;
    NoDialogs dialogs;
    {
        sim::PortSwitch port(real, clock, state);
        LocoNetLink link(port, clock, settings);
        SerialInterface iface(port, portIo, link, settings, dialogs);
        port.setOnComm([&] { link.OnComm(); });
        NullProgress progress;
        DbProtocol db(link, progress);
        int r = 0;
        iface.ConnectInterface(r);
        ASSERT_EQ(r, 0);
        EXPECT_TRUE(port.simulatorActive());
        EXPECT_EQ(port.inputLen(), 0);
        EXPECT_EQ(port.rThreshold(), 1);
        fullTransfer(db, link, port.station(), 0.5);
        iface.ClosePort();
        EXPECT_TRUE(real.log.filter(QStringLiteral("Open")).isEmpty());
    }
    ASSERT_TRUE(QFile::exists(state));
    // The next run finds the memory as it was left.
    sim::PortSwitch again(real, clock, state);
    EXPECT_EQ(again.station().locoFormat(3), std::make_pair(83, 81));
    EXPECT_EQ(static_cast<unsigned char>(again.station().area(Flash::Data, 7503).at(0)), 5);
}

TEST(PortSwitch, AnyOtherPortTextUsesTheRealPort)
{
    VirtualClock clock;
    test::FakeComm1 real(clock);
    sim::PortSwitch port(real, clock, QString());
    port.setCommPort(QStringLiteral("SIM"));
    port.setInputLen(1);
    port.setRThreshold(1);
    EXPECT_TRUE(port.simulatorActive());
    EXPECT_TRUE(port.setPortOpen(true));
    EXPECT_TRUE(port.ctsHolding());
    port.setCommPort(QStringLiteral("COM3"));  // ignored while open
    EXPECT_TRUE(port.simulatorActive());
    port.setPortOpen(false);

    port.setCommPort(QStringLiteral("/dev/ttyUSB0"));
    EXPECT_FALSE(port.simulatorActive());
    EXPECT_TRUE(real.log.contains(QStringLiteral("CommPort=/dev/ttyUSB0")));
    // The properties set before the switch are carried over to the real port.
    EXPECT_TRUE(real.log.contains(QStringLiteral("InputLen=1")));
    EXPECT_TRUE(real.log.contains(QStringLiteral("RThreshold=1")));
    EXPECT_TRUE(port.setPortOpen(true));
    EXPECT_EQ(real.openCount, 1);
    int events = 0;
    port.setOnComm([&] { ++events; });
    real.feed(QByteArray("\x83\x7C", 2));
    EXPECT_EQ(events, 1);
    // InputLen 1 was carried over: one byte per read.
    EXPECT_EQ(port.input(), QByteArray("\x83", 1));
    EXPECT_EQ(port.inBufferCount(), 1);
    EXPECT_TRUE(sim::PortSwitch::isSimulatorPort(QStringLiteral(" Sim ")));
    EXPECT_FALSE(sim::PortSwitch::isSimulatorPort(QStringLiteral("SIMX")));
    EXPECT_EQ(sim::PortSwitch::statePathBeside(QStringLiteral("/opt/kx2/KX2_DF.INF")),
              QStringLiteral("/opt/kx2/KX2_SIM.STATE"));
}

TEST(PtyIntegration, RealSerialPathThroughAPseudoTerminal)
{
    SystemClock clock;
    sim::SimBus bus(clock);
    sim::SimStationConfig config;
    config.readyDelay = 0.05;
    sim::SimCommandStation cs(bus, config);
    cs.seedLocomotives(3);
    sim::PtyServer server(bus);
    ASSERT_TRUE(server.start()) << server.errorText().toStdString();
    QTemporaryDir dir;
    const QString linkPath = dir.filePath(QStringLiteral("kx2-sim"));
    ASSERT_TRUE(server.linkTo(linkPath)) << server.errorText().toStdString();
    EXPECT_TRUE(QFileInfo(linkPath).isSymLink());

    QtSerialComm1 port;
    Settings settings;
    settings.ComPortNumber = linkPath;
    NoPortIo portIo;
    NoDialogs dialogs;
    LocoNetLink link(port, clock, settings);
    SerialInterface iface(port, portIo, link, settings, dialogs);
    port.setOnComm([&] { link.OnComm(); });
    int r = 0;
    iface.ConnectInterface(r);
    ASSERT_EQ(r, 0) << port.errorText().toStdString();
    NullProgress progress;
    DbProtocol db(link, progress);
    fullTransfer(db, link, cs, 0.1);
    EXPECT_EQ(db.DbRecordCounter, 4.0);
    iface.ClosePort();

    server.stop();
    EXPECT_FALSE(QFileInfo::exists(linkPath));
    EXPECT_FALSE(QFileInfo(linkPath).isSymLink());
}
