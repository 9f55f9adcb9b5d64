#include "link/Clock.h"
#include "link/LocoNetLink.h"
#include "shell/Settings.h"
#include "support/FakeComm1.h"

#include <QBuffer>
#include <gtest/gtest.h>

using namespace kx2;
using kx2::test::FakeComm1;

namespace {

struct Send : ::testing::Test {
    VirtualClock clock;
    FakeComm1 port{clock};
    Settings settings;
    LocoNetLink link{port, clock, settings};
    const int msg[4] = {0xB4, 0x6D, 0x7F, 0x00};
    void SetUp() override
    {
        port.setPortOpen(true);
        port.setRThreshold(1);
        port.setOnComm([this] { link.OnComm(); });
    }
    void useKind(bool loconet, bool usb)
    {
        settings.UseLocoNetInterface = loconet;
        settings.UseUsbInterface = usb;
    }
};

} // namespace

TEST_F(Send, UsbInterfaceWritesWholeMessageInOneWrite)
{
    useKind(true, true);
    int result = 77; // whole-message mode leaves the caller's value alone
    link.SendLocoNetMessage(msg, 2, result);
    EXPECT_EQ(result, 77);
    ASSERT_EQ(port.writes.size(), 1);
    EXPECT_EQ(port.writes[0], QByteArray("\xB4\x6D\x7F\x59", 4));
    EXPECT_EQ(port.inputDiscards, 1);
    EXPECT_EQ(port.outputDiscards, 1);
}

TEST_F(Send, UsbInterfacePortErrorGives1012)
{
    useKind(true, true);
    port.failOutput = true;
    int result = 0;
    link.SendLocoNetMessage(msg, 2, result);
    EXPECT_EQ(result, 1012);
}

TEST_F(Send, LocoNetInterfaceWritesByteByByteIgnoringCts)
{
    useKind(true, false);
    port.cts = false;
    int result = 5;
    link.SendLocoNetMessage(msg, 2, result);
    EXPECT_EQ(result, 0);
    ASSERT_EQ(port.writes.size(), 4);
    EXPECT_EQ(port.written, QByteArray("\xB4\x6D\x7F\x59", 4));
}

TEST_F(Send, CommandStationPortGivesUpAfterThreeSecondsWithoutCts)
{
    useKind(false, false);
    port.cts = false;
    int result = 0;
    const double start = clock.now();
    link.SendLocoNetMessage(msg, 2, result);
    EXPECT_EQ(result, 1012);
    EXPECT_GT(clock.now() - start, 3.0);
    EXPECT_LT(clock.now() - start, 3.1);
    EXPECT_TRUE(port.written.isEmpty());
}

TEST_F(Send, ChecksumWaitingForCtsGivesUpFiveSecondsAfterTheStart)
{
    useKind(false, false);
    // CTS drops once the data bytes are out; the checksum then waits for it.
    port.onOutput = [this](const QByteArray&) {
        if (port.written.size() == 3)
            port.cts = false;
    };
    int result = 0;
    const double start = clock.now();
    link.SendLocoNetMessage(msg, 2, result);
    EXPECT_EQ(result, 1012);
    EXPECT_EQ(port.written.size(), 3);
    EXPECT_GT(clock.now() - start, 5.0);
    EXPECT_LT(clock.now() - start, 5.1);
}

TEST_F(Send, CommandStationPortSendsWhenCtsComesBack)
{
    useKind(false, false);
    port.cts = false;
    clock.callAfter(1.0, [this] { port.cts = true; });
    int result = 0;
    link.SendLocoNetMessage(msg, 2, result);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(port.written, QByteArray("\xB4\x6D\x7F\x59", 4));
}

TEST_F(Send, TraceShowsSentMessageWithChecksum)
{
    QBuffer trace;
    trace.open(QIODevice::WriteOnly);
    link.setTrace(&trace);
    int result = 0;
    link.SendLocoNetMessage(msg, 2, result);
    EXPECT_EQ(trace.data(), QByteArray("TX B4 6D 7F 59\n"));
}

TEST_F(Send, ByteModePortVanishingGives1012)
{
    useKind(true, false);
    port.onOutput = [this](const QByteArray&) { port.setPortOpen(false); };
    int result = 0;
    link.SendLocoNetMessage(msg, 2, result);
    EXPECT_EQ(result, 1012);
}
