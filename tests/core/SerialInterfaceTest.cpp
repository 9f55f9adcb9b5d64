#include "link/Clock.h"
#include "link/LocoNetLink.h"
#include "link/PortIo.h"
#include "link/SerialInterface.h"
#include "shell/Settings.h"
#include "shell/UserDialogs.h"
#include "support/FakeComm1.h"

#include <gtest/gtest.h>

using namespace kx2;
using kx2::test::FakeComm1;

namespace {

struct WarningRecorder : UserDialogs {
    MsgAnswer showMessage(const QString& text, MsgButtons, MsgIcon icon, const QString&, MsgAnswer) override
    {
        texts << text;
        icons.push_back(icon);
        return MsgAnswer::Ok;
    }
    std::optional<QString> inputBox(const QString&, const QString&, const QString&) override { return {}; }
    QStringList texts;
    std::vector<MsgIcon> icons;
};

struct Connect : ::testing::Test {
    VirtualClock clock;
    FakeComm1 port{clock};
    RecordingPortIo portIo;
    WarningRecorder dialogs;
    Settings settings;
    LocoNetLink link{port, clock, settings};
    SerialInterface iface{port, portIo, link, settings, dialogs};

    void kind(bool loconet, bool usb, const QString& comPort, int baud)
    {
        settings.UseLocoNetInterface = loconet;
        settings.UseUsbInterface = usb;
        settings.ComPortNumber = comPort;
        settings.BaudRate = baud;
    }
};

} // namespace

TEST_F(Connect, LocoNetInterfaceOnlyOnCom1OrCom2)
{
    kind(true, false, "3", 16666);
    int result = 0;
    iface.ConnectInterface(result);
    EXPECT_EQ(result, 1);
    ASSERT_EQ(dialogs.texts.size(), 1);
    EXPECT_EQ(dialogs.texts[0], "Sie können das LocoNet-Interface nur mit Comport 1 oder Comport 2 benutzen!");
    EXPECT_EQ(dialogs.icons[0], MsgIcon::Exclamation);
    EXPECT_EQ(port.openCount, 0);
    EXPECT_FALSE(port.log.contains("Open"));
}

TEST_F(Connect, LocoNetInterfaceAtLocoNetRateProgramsTheDivisorLatch)
{
    kind(true, false, "2", 16666);
    portIo.setRegister(0x2FB, 0x03); // 8 data bits, no parity, one stop bit
    int result = 0;
    iface.ConnectInterface(result);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(port.log, QStringList({"CommPort=2", "RTSEnable=1", "Settings=19200,n,8,1", "InputLen=1", "Open",
                                     "SThreshold=0", "RThreshold=1"}));
    const std::vector<RecordingPortIo::Access> expected = {
        {false, 0x2FB, 0x03}, {true, 0x2FB, 0x83}, {true, 0x2F8, 7}, {true, 0x2F9, 0}, {true, 0x2FB, 0x03}};
    EXPECT_EQ(portIo.accesses, expected);
    EXPECT_GE(port.inputDiscards, 1);
}

TEST_F(Connect, Com1UsesBase3F8)
{
    kind(true, false, "1", 16666);
    int result = 0;
    iface.ConnectInterface(result);
    ASSERT_EQ(portIo.accesses.size(), 5u);
    EXPECT_EQ(portIo.accesses[0].port, 0x3FB);
    EXPECT_EQ(portIo.accesses[2].port, 0x3F8);
}

TEST_F(Connect, LocoNetInterfaceAtStandardRateTouchesNoRegister)
{
    kind(true, false, "1", 115200);
    int result = 0;
    iface.ConnectInterface(result);
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(port.log.contains("Settings=115200,n,8,1"));
    EXPECT_TRUE(portIo.accesses.empty());
}

TEST_F(Connect, WithoutRegisterAccessLocoNetRateUsesTheCustomBaudRate)
{
    NoPortIo none;
    SerialInterface plain{port, none, link, settings, dialogs};
    kind(true, false, "2", 16666);
    int result = 0;
    plain.ConnectInterface(result);
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(port.log.contains("Settings=16666,n,8,1"));
}

TEST_F(Connect, UsbInterfaceSettingsAndOpenFailure)
{
    kind(true, true, "7", 19200);
    int result = 0;
    iface.ConnectInterface(result);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(port.log, QStringList({"CommPort=7", "Settings=115200,n,8,1", "InputLen=0", "Handshaking=0", "Open",
                                     "SThreshold=0", "RThreshold=1"}));

    FakeComm1 broken{clock};
    broken.failOpen = true;
    SerialInterface other{broken, portIo, link, settings, dialogs};
    result = 0;
    other.ConnectInterface(result);
    EXPECT_EQ(result, 990098);
}

TEST_F(Connect, PortThatCannotBeOpenedIsReportedForEveryKind)
{
    port.failOpen = true;
    kind(true, false, "1", 115200);
    int result = 0;
    iface.ConnectInterface(result);
    EXPECT_EQ(result, 990098);

    kind(false, false, "1", 19200);
    result = 0;
    iface.ConnectInterface(result);
    EXPECT_EQ(result, 990098);
}

TEST_F(Connect, OpenPortKeepsItsNumberAndIsNotReopened)
{
    kind(true, true, "4", 115200);
    int result = 0;
    iface.ConnectInterface(result);
    settings.ComPortNumber = "5";
    port.log.clear();
    iface.ConnectInterface(result);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(port.openCount, 1);
    EXPECT_FALSE(port.log.contains("CommPort=5"));
    EXPECT_TRUE(port.log.contains("Settings=115200,n,8,1"));
    EXPECT_EQ(port.commPort(), "4");
}

TEST_F(Connect, CommandStationPortIsSwitchedToLocoNet)
{
    kind(false, false, "1", 19200);
    QByteArray line;
    port.onOutput = [&](const QByteArray& sent) {
        line += sent;
        if (line.endsWith('\r')) {
            port.feedLater(0.05, QByteArray("OK\r\n]"));
            line.clear();
        }
    };
    int result = 0;
    iface.ConnectInterface(result);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(port.written, QByteArray("xB19200\rx&LN$55AA\r"));
    const QStringList expected = {"CommPort=1", "RThreshold=0", "Settings=2400,n,8,2", "Open", "InputLen=100",
                                  "Break=1", "Break=0", "Close", "Settings=19200,n,8,2", "Open", "Close",
                                  "InputLen=1", "Open", "SThreshold=0", "RThreshold=1"};
    EXPECT_EQ(port.log, expected);
}

TEST_F(Connect, SilentCommandStationPortFailsAfterFiveSeconds)
{
    kind(false, false, "1", 19200);
    port.onOutput = [&](const QByteArray&) { port.feedLater(0.01, QByteArray("x")); };
    int result = 0;
    const double start = clock.now();
    iface.ConnectInterface(result);
    EXPECT_EQ(result, 1);
    // Break (1 s) and pause (0.3 s) come first, then up to 5 s for the answer.
    EXPECT_GT(clock.now() - start, 6.3);
    EXPECT_LT(clock.now() - start, 6.5);
}

TEST_F(Connect, CommandStationPortWithoutCtsCannotTakeTheCommand)
{
    kind(false, false, "1", 19200);
    port.cts = false;
    int result = 0;
    iface.ConnectInterface(result);
    EXPECT_EQ(result, 1);
    EXPECT_TRUE(port.written.isEmpty());
}

TEST_F(Connect, ClosePortClosesOnlyAnOpenPort)
{
    iface.ClosePort();
    EXPECT_FALSE(port.log.contains("Close"));
    int result = 0;
    iface.ConnectInterface(result);
    iface.ClosePort();
    EXPECT_FALSE(port.portOpen());
}
