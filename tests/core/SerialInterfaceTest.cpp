// Preparing the port and the interface between the PC and the LocoNet, for each interface kind.
#include "support/FakeComm1.h"
#include "support/FakeDialogs.h"

#include "link/PortIo.h"
#include "link/SerialInterface.h"

#include <functional>
#include <gtest/gtest.h>

using namespace kx2;
using kx2::test::FakeComm1;

namespace {

struct Connect {
    VirtualClock clock;
    FakeComm1 port{clock};
    RecordingPortIo portIo;
    NoPortIo noPortIo;
    FakeDialogs dialogs;
    Settings settings;
    LocoNetLink link{port, clock, settings};
    SerialInterface iface{port, portIo, link, settings, dialogs};
    SerialInterface withoutRegisters{port, noPortIo, link, settings, dialogs};

    // The command station's port answers every text command with its prompt.
    void answerPrompts()
    {
        port.onOutput = [this](const QByteArray&) {
            if (port.written.endsWith('\r'))
                port.feedLater(0.05, QByteArray("OK\r\n]"));
        };
    }
};

using Access = RecordingPortIo::Access;

} // namespace

// Each line: the interface kind (LocoNet, USB flags), port text and baud rate, what the port does,
// and what ConnectInterface ends with: its result, the port's properties as they were set, the
// UART register accesses, the text written and how long it took.
TEST(ConnectInterface, EachKindPreparesThePortItsOwnWay)
{
    const QStringList locoNetOpen = {"CommPort=2", "RTSEnable=1", "Settings=19200,n,8,1", "InputLen=1", "Open",
                                     "SThreshold=0", "RThreshold=1"};
    const std::vector<Access> latch2 = {{false, 0x2FB, 0x03}, {true, 0x2FB, 0x83}, {true, 0x2F8, 7}, {true, 0x2F9, 0}, {true, 0x2FB, 0x03}};
    const std::vector<Access> latch1 = {{false, 0x3FB, 0x03}, {true, 0x3FB, 0x83}, {true, 0x3F8, 7}, {true, 0x3F9, 0}, {true, 0x3FB, 0x03}};
    const struct {
        const char* what;
        bool loconet, usb;
        const char* comPort;
        int baud;
        bool uart; // the UART's registers can be reached
        std::function<void(Connect&)> port;
        int result;
        QStringList log;
        std::vector<Access> accesses;
        QByteArray written;
        double minSeconds, maxSeconds;
    } cases[] = {
        {"LocoNet interface on COM2 at 16666: the divisor latch gets 7 and the line control is restored", true, false, "2",
         16666, true, {}, 0, locoNetOpen, latch2, {}, 0, 0},
        {"LocoNet interface on COM1 uses base 0x3F8", true, false, "1", 16666, true, {}, 0,
         QStringList(locoNetOpen).replaceInStrings("CommPort=2", "CommPort=1"), latch1, {}, 0, 0},
        {"LocoNet interface at 115200: no register", true, false, "1", 115200, true, {}, 0,
         QStringList(locoNetOpen).replaceInStrings("CommPort=2", "CommPort=1").replaceInStrings("19200", "115200"), {}, {}, 0, 0},
        {"LocoNet interface without register access: the driver's custom rate", true, false, "2", 16666, false, {}, 0,
         QStringList(locoNetOpen).replaceInStrings("19200", "16666"), {}, {}, 0, 0},
        {"LocoNet interface on COM3 is refused with a warning", true, false, "3", 16666, true, {}, 1, {}, {}, {}, 0, 0},
        {"USB interface: 115200 whatever the setting", true, true, "7", 19200, true, {}, 0,
         {"CommPort=7", "Settings=115200,n,8,1", "InputLen=0", "Handshaking=0", "Open", "SThreshold=0", "RThreshold=1"},
         {}, {}, 0, 0},
        {"USB interface: the port cannot be opened", true, true, "7", 115200, true, [](Connect& c) { c.port.failOpen = true; },
         990098, {"CommPort=7", "Settings=115200,n,8,1", "InputLen=0", "Handshaking=0", "Open"}, {}, {}, 0, 0},
        {"LocoNet interface: the port cannot be opened", true, false, "1", 115200, true, [](Connect& c) { c.port.failOpen = true; },
         990098, {"CommPort=1", "RTSEnable=1", "Settings=115200,n,8,1", "InputLen=1", "Open"}, {}, {}, 0, 0},
        {"station port: the port cannot be opened", false, false, "1", 19200, true, [](Connect& c) { c.port.failOpen = true; },
         990098, {"CommPort=1", "RThreshold=0", "Settings=2400,n,8,2", "Open"}, {}, {}, 0, 0},
        {"station port: switched to 19200 baud, then to LocoNet", false, false, "1", 19200, true,
         [](Connect& c) { c.answerPrompts(); }, 0,
         {"CommPort=1", "RThreshold=0", "Settings=2400,n,8,2", "Open", "InputLen=100", "Break=1", "Break=0", "Close",
          "Settings=19200,n,8,2", "Open", "Close", "InputLen=1", "Open", "SThreshold=0", "RThreshold=1"},
         {}, "xB19200\rx&LN$55AA\r", 1.6, 1.8},
        {"station port: an answer without the prompt fails after five seconds", false, false, "1", 19200, true,
         [](Connect& c) { c.port.onOutput = [&c](const QByteArray&) { c.port.feedLater(0.01, "x"); }; }, 1,
         {"CommPort=1", "RThreshold=0", "Settings=2400,n,8,2", "Open", "InputLen=100", "Break=1", "Break=0"}, {},
         "xB19200\r", 6.3, 6.5},
        {"station port: without CTS the command cannot go out", false, false, "1", 19200, true, [](Connect& c) { c.port.cts = false; },
         1, {"CommPort=1", "RThreshold=0", "Settings=2400,n,8,2", "Open", "InputLen=100", "Break=1", "Break=0"}, {}, {},
         6.3, 6.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Connect rig;
        rig.settings.UseLocoNetInterface = c.loconet;
        rig.settings.UseUsbInterface = c.usb;
        rig.settings.ComPortNumber = QString::fromLatin1(c.comPort);
        rig.settings.BaudRate = c.baud;
        rig.portIo.setRegister(c.comPort == QByteArray("1") ? 0x3FB : 0x2FB, 0x03); // 8 data bits, no parity, one stop bit
        if (c.port)
            c.port(rig);
        const double start = rig.clock.now();
        EXPECT_EQ((c.uart ? rig.iface : rig.withoutRegisters).ConnectInterface(), c.result);
        EXPECT_EQ(rig.port.log, c.log);
        EXPECT_EQ(rig.portIo.accesses, c.accesses);
        EXPECT_EQ(rig.port.written, c.written);
        EXPECT_GE(rig.clock.now() - start, c.minSeconds);
        EXPECT_LE(rig.clock.now() - start, c.maxSeconds);
        if (c.result == 1 && c.loconet) {
            ASSERT_EQ(rig.dialogs.messageCount(), 1);
            EXPECT_EQ(rig.dialogs.last().text, "Sie können das LocoNet-Interface nur mit Comport 1 oder Comport 2 benutzen!");
            EXPECT_EQ(rig.dialogs.last().icon, MsgIcon::Exclamation);
        } else {
            EXPECT_EQ(rig.dialogs.messageCount(), 0);
        }
    }
}

TEST(ConnectInterface, AnOpenPortKeepsItsNumberAndIsOnlyGivenNewSettings)
{
    Connect rig;
    rig.settings.ComPortNumber = "4";
    rig.iface.ConnectInterface();
    rig.settings.ComPortNumber = "5";
    rig.port.log.clear();
    EXPECT_EQ(rig.iface.ConnectInterface(), 0);
    EXPECT_EQ(rig.port.openCount, 1);
    EXPECT_EQ(rig.port.log, QStringList({"Settings=115200,n,8,1", "InputLen=0", "Handshaking=0", "SThreshold=0", "RThreshold=1"}));
    EXPECT_EQ(rig.port.commPort(), "4");
    EXPECT_GE(rig.port.inputDiscards, 2);

    rig.iface.ClosePort();
    EXPECT_FALSE(rig.port.portOpen());
    rig.port.log.clear();
    rig.iface.ClosePort();
    EXPECT_TRUE(rig.port.log.isEmpty()) << "a closed port is not closed again";
}
