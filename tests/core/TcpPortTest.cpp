// LocoNet over TCP on 127.0.0.1: the simulator served as an LbServer, a locomotive read and send through
// the tcp: port, and the two ways a network link fails. Wall time, bounded.
#include "link/QtSerialComm1.h"
#include "link/TcpComm1.h"
#include "sim/LbServer.h"
#include "sim/PortSwitch.h"
#include "support/SimRig.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <gtest/gtest.h>

using namespace kx2;

namespace {

// The program's own composition, on wall time, against a station behind an LbServer.
struct TcpRig : sim::SimBus::Endpoint {
    explicit TcpRig(sim::SimFaults faults = {}) : station(bus, config(), faults)
    {
        bus.attach(this);
        server.listen(0);
        ctx.settings.ComPortNumber = QStringLiteral("tcp:127.0.0.1:%1").arg(server.port());
    }
    static sim::SimStationConfig config()
    {
        sim::SimStationConfig c;
        c.readyDelay = 0.05;
        return c;
    }
    void busReceive(const QByteArray&) override {}
    void busVanished() override { vanished.start(); }

    SystemClock clock;
    sim::SimBus bus{clock};
    sim::SimCommandStation station;
    sim::LbServer server{bus};
    QtSerialComm1 serial;
    sim::PortSwitch port{serial, clock, QString()};
    NoPortIo portIo;
    FakeDialogs dialogs;
    FakeFileDialog files;
    test::RecordingProgress progress;
    test::RecordingMainControls controls;
    AppContext ctx{Platform{clock, port, portIo, dialogs, files, progress, controls}};
    QElapsedTimer vanished;
};

} // namespace

// Whichever interface kind the options name: a network port has no line to prepare.
TEST(TcpPort, ReadsThroughTheLbServerWithTheEchoAsOnTheBusWhateverTheInterfaceKind)
{
    // USB interface, serial LocoNet interface, the command station's own port.
    for (const auto& [loconet, usb] : {std::pair(true, true), std::pair(true, false), std::pair(false, false)}) {
        SCOPED_TRACE(loconet * 2 + usb);
        TcpRig rig;
        rig.ctx.settings.UseLocoNetInterface = loconet;
        rig.ctx.settings.UseUsbInterface = usb;
        rig.station.seedLocomotives(3);
        int own = 0;
        rig.ctx.link.addBusListener([&own](const QByteArray&, bool isOwn) { own += isOwn; });
        const ReadOutcome read = rig.ctx.locoTransfer().ReadLocoDatabase();
        ASSERT_EQ(read.result, 0) << rig.port.failureText().toStdString();
        int held = 0;
        for (int row = 0; row < LocoTable::SlotCount; ++row)
            held += rig.ctx.loco.holdsRecord(row);
        EXPECT_EQ(held, 3);
        EXPECT_GT(own, 100) << "every request came back as its echo";
        if (!usb)
            continue;
        // A send goes the same way, and the station takes it as it should.
        ASSERT_TRUE(rig.ctx.loco.renameRecord(1, QStringLiteral("Über TCP")));
        ASSERT_EQ(rig.ctx.locoTransfer().SendLocoDatabase(), LocoSendOutcome::Sent);
        EXPECT_EQ(rig.station.violations(), 0);
    }
}

// Nobody listens: the read ends with the box naming the server, well within two seconds.
TEST(TcpPort, ARefusedConnectionNamesTheServer)
{
    TcpRig rig;
    const QString where = rig.ctx.settings.ComPortNumber.mid(4);
    rig.server.close();
    QElapsedTimer timer;
    timer.start();
    rig.ctx.locoTransfer().ReadLocoDatabase();
    EXPECT_LT(timer.elapsed(), 2000);
    ASSERT_FALSE(rig.dialogs.calls.empty());
    EXPECT_TRUE(rig.dialogs.last().text.contains(QStringLiteral("Verbindung zu %1 abgelehnt").arg(where)))
        << rig.dialogs.last().text.toStdString();
}

// The server goes away in the middle of the read: no time-out is waited for.
TEST(TcpPort, AServerThatClosesMidTransferEndsItAtOnce)
{
    sim::SimFaults faults;
    faults.unplugAfterMessages = 40;
    TcpRig rig(faults);
    rig.station.seedLocomotives(50);
    const QString where = rig.ctx.settings.ComPortNumber.mid(4);
    rig.ctx.locoTransfer().ReadLocoDatabase();
    ASSERT_TRUE(rig.vanished.isValid());
    EXPECT_LT(rig.vanished.elapsed(), 2000);
    ASSERT_FALSE(rig.dialogs.calls.empty());
    EXPECT_TRUE(rig.dialogs.last().text.contains(QStringLiteral("Verbindung zu %1 getrennt").arg(where)))
        << rig.dialogs.last().text.toStdString();
}

// What a server may send and what the port makes of it; what a client sends and what the
// server answers.
TEST(TcpPort, ProtocolLines)
{
    const struct {
        const char* line;
        bool receive;
        const char* bytes;
    } received[] = {
        {"RECEIVE B2 05 40 0A", true, "\xB2\x05\x40\x0A"},
        {"RECEIVE  83   7c ", true, "\x83\x7C"},
        {"RECEIVE B2 5 G0", false, ""},
        {"SENT OK", false, ""},
        {"VERSION LbServer 1.0", false, ""},
    };
    for (const auto& row : received) {
        SCOPED_TRACE(row.line);
        QByteArray bytes;
        EXPECT_EQ(TcpComm1::lineBytes(row.line, "RECEIVE", bytes), row.receive);
        EXPECT_EQ(row.receive ? bytes : QByteArray(), QByteArray(row.bytes));
    }
    EXPECT_EQ(TcpComm1::protocolLine("SEND", "\xB2\x05\x40\x0A"), QByteArray("SEND B2 05 40 0A"));
    const struct {
        const char* port;
        const char* host; // "" when the text names no server
        int tcpPort;
    } addresses[] = {
        {"tcp:192.168.0.7:5550", "192.168.0.7", 5550}, {"TCP:lbserver", "lbserver", 1234},
        {"tcp:[::1]:99", "::1", 99}, {"tcp:host:0", "", 0}, {"tcp:", "", 0}, {"/dev/ttyUSB0", "", 0},
    };
    for (const auto& row : addresses) {
        QString host;
        quint16 port = 0;
        const bool ok = TcpComm1::parseAddress(QString::fromLatin1(row.port), host, port);
        EXPECT_EQ(std::tuple(ok, ok ? host : QString(), ok ? int(port) : 0),
                  std::tuple(*row.host != 0, QString::fromLatin1(row.host), row.tcpPort)) << row.port;
    }
    const struct {
        const char* line;
        bool accepted;
    } sends[] = {
        {"SEND B2 05 40 0A", true}, {"SEND 05 40", false}, {"SEND B2 05 C0 0A", false},
        {"SEND B2 05 40", false},   {"SEND E5 03 19", true}, {"SEND xyz", false},
    };
    for (const auto& row : sends) {
        QString why;
        EXPECT_EQ(!sim::LbServer::parseSend(row.line, why).isEmpty(), row.accepted) << row.line;
    }
}
