// The USB cable pulled in the middle of a transfer, on the real serial path: the tool reads and
// sends through QtSerialComm1 (QSerialPort) on a pseudo-terminal that the simulated command
// station serves in this process; the terminal disappears after a number of requests.
// These run on wall time (a real port), so the waits are real, but bounded.
#include "link/Clock.h"
#include "link/QtSerialComm1.h"
#include "link/ResultText.h"
#include "loco/LocoTable.h"
#include "loco/LocoTransfer.h"
#include "sim/PtyServer.h"
#include "sim/SimBus.h"
#include "sim/SimCommandStation.h"
#include "support/SimRig.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

using namespace kx2;
using Flash = kx2::sim::SimCommandStation::Flash;

namespace {

struct PtyRig {
    PtyRig()
        : bus(clock), station(bus), server(bus)
        , ctx(Platform{clock, port, portIo, dialogs, files, progress, controls})
    {
        started = server.start();
        ctx.settings.ComPortNumber = server.deviceName();
        ctx.settings.ComPortIsText = true;
        ctx.settings.UseLocoNetInterface = true;
        ctx.settings.UseUsbInterface = true;
    }

    // The terminal goes away when the tool's request number n (counted from now) is on the bus.
    void unplugAtRequest(int n)
    {
        bus.setMonitor([this, n](const QByteArray& m) {
            if (static_cast<unsigned char>(m[0]) != 0xED || ++requests != n)
                return;
            // Not from inside the terminal's own read handler.
            clock.callAfter(0, [this] { server.stop(); });
        });
    }

    SystemClock clock;
    sim::SimBus bus;
    sim::SimCommandStation station;
    sim::PtyServer server;
    QtSerialComm1 port;
    NoPortIo portIo;
    FakeDialogs dialogs;
    FakeFileDialog files;
    test::RecordingProgress progress;
    test::RecordingMainControls controls;
    AppContext ctx;
    bool started = false;
    int requests = 0;
};

// The pause after opening the access and the ready message, and a little for the port to notice
// that its device is gone: the exchange that meets the pulled cable waits for no time-out.
constexpr double kBound = 1.0 + 0.3 + 0.5;

} // namespace

TEST(PtyUnplug, CablePulledMidReadIsReportedWithThePortClosedAndTheRowsReadKept)
{
    PtyRig rig;
    if (!rig.started)
        GTEST_SKIP() << "no pseudo-terminal: " << rig.server.errorText().toStdString();
    rig.station.seedLocomotives(3);
    // Requests 8..13 read slot 0, 14..19 slot 1; the cable goes with request 16.
    rig.unplugAtRequest(16);
    QElapsedTimer timer;
    timer.start();
    const LocoReadOutcome out = rig.ctx.locoTransfer().ReadLocoDatabase();
    const double took = double(timer.elapsed()) / 1000.0;
    EXPECT_EQ(out.result, 210013);
    EXPECT_FALSE(out.showEditor);
    ASSERT_FALSE(rig.dialogs.calls.empty());
    EXPECT_EQ(rig.dialogs.calls.back().title, "Fehler beim Lesen der Datenbank");
    EXPECT_EQ(rig.dialogs.calls.back().icon, MsgIcon::Critical);
    EXPECT_EQ(rig.dialogs.calls.back().text, ResultText(210013));
    EXPECT_FALSE(rig.port.portOpen());
    EXPECT_TRUE(rig.controls.enabled);
    EXPECT_LT(took, kBound);
    EXPECT_EQ(rig.ctx.loco.status(0), 0);
    const QByteArray rec = rig.station.area(Flash::Data, 7501);
    for (int c = 0; c < 80; ++c)
        ASSERT_EQ(rig.ctx.loco.value(0, c), static_cast<unsigned char>(rec[c])) << c;
    EXPECT_EQ(rig.ctx.loco.status(1), 255);
}

TEST(PtyUnplug, CablePulledMidSendIsReportedWithThePortClosedAndTheEditsKept)
{
    PtyRig rig;
    if (!rig.started)
        GTEST_SKIP() << "no pseudo-terminal: " << rig.server.errorText().toStdString();
    rig.station.seedLocomotives(3);
    ASSERT_EQ(rig.ctx.locoTransfer().ReadLocoDatabase().result, 0);
    ASSERT_FALSE(rig.port.portOpen());
    LocoTable& t = rig.ctx.loco;
    t.renameRecord(0, QStringLiteral("Umbenannt"));
    t.renameRecord(2, QStringLiteral("Auch umbenannt"));
    t.createRecord(3, 777, QStringLiteral("Neu"));
    const LocoTable before = t;
    const QByteArray slot2 = rig.station.area(Flash::Data, 7503);
    rig.dialogs.clear();

    // 7 requests open the send, 19 read the index (area 964 with 16 pages, area 965 found
    // empty); slot 0 is written by requests 27..32, slot 2 by 33..38: the cable goes with 35.
    rig.unplugAtRequest(35);
    QElapsedTimer timer;
    timer.start();
    LocoTransfer transfer = rig.ctx.locoTransfer();
    EXPECT_EQ(transfer.SendLocoDatabase(), LocoSendOutcome::Failed);
    const double took = double(timer.elapsed()) / 1000.0;
    const int code = transfer.lastSendResult();
    EXPECT_EQ(code, 220013) << "Write LongData: Timeout";
    EXPECT_EQ(rig.dialogs.calls.back().title, "Fehler beim Schreiben der Datenbank");
    EXPECT_EQ(rig.dialogs.calls.back().text, ResultText(code));
    EXPECT_FALSE(rig.port.portOpen());
    EXPECT_LT(took, kBound);
    for (int i = 0; i <= 500; ++i) {
        ASSERT_EQ(t.status(i), before.status(i)) << i;
        ASSERT_EQ(t.ReadLokname(i), before.ReadLokname(i)) << i;
        ASSERT_EQ(t.address(i), before.address(i)) << i;
    }
    EXPECT_EQ(rig.station.area(Flash::Data, 7503), slot2) << "slot 2 was never stored";
}
