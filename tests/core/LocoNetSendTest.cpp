// Sending one LocoNet message the way each interface kind needs it.
#include "support/FakeComm1.h"

#include <QBuffer>
#include <functional>
#include <gtest/gtest.h>

using namespace kx2;
using kx2::test::FakeLinkRig;

// Each line: the interface kind, what goes wrong, and what the send ends with: its result (the
// caller passes 77), the bytes written, in how many writes, and how long it took. The message is
// a long acknowledge as the command station sends it, B4 6D 7F, whose checksum is 0x59.
TEST(LocoNetSend, EachInterfaceKindWritesAndGivesUpItsOwnWay)
{
    const QByteArray whole("\xB4\x6D\x7F\x59", 4);
    const struct {
        const char* what;
        bool loconet, usb;
        std::function<void(FakeLinkRig&)> fault;
        int result;
        QByteArray written;
        int writes;
        double minSeconds, maxSeconds;
    } cases[] = {
        {"USB: one write", true, true, {}, 0, whole, 1, 0, 0},
        {"USB: the port fails", true, true, [](FakeLinkRig& r) { r.port.failOutput = true; }, 1012, {}, 0, 0, 0},
        {"LocoNet interface: byte by byte, CTS not looked at", true, false,
         [](FakeLinkRig& r) { r.port.cts = false; }, 0, whole, 4, 0, 0.01},
        {"LocoNet interface: the port goes away", true, false,
         [](FakeLinkRig& r) { r.port.onOutput = [&r](const QByteArray&) { r.port.setPortOpen(false); }; }, 1012,
         whole.left(1), 1, 0, 0.01},
        {"station port: CTS comes back after a second", false, false,
         [](FakeLinkRig& r) {
             r.port.cts = false;
             r.clock.callAfter(1.0, [&r] { r.port.cts = true; });
         },
         0, whole, 4, 1.0, 1.1},
        {"station port: no CTS gives up after three seconds for the whole message", false, false,
         [](FakeLinkRig& r) { r.port.cts = false; }, 1012, {}, 0, 3.0, 3.1},
        {"station port: the checksum waits for CTS five seconds from the start", false, false,
         [](FakeLinkRig& r) {
             r.port.onOutput = [&r](const QByteArray&) { r.port.cts = r.port.written.size() < 3; };
         },
         1012, whole.left(3), 3, 5.0, 5.1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeLinkRig rig;
        rig.settings.UseLocoNetInterface = c.loconet;
        rig.settings.UseUsbInterface = c.usb;
        if (c.fault)
            c.fault(rig);
        const int msg[] = {0xB4, 0x6D, 0x7F};
        const double start = rig.clock.now();
        EXPECT_EQ(rig.link.SendLocoNetMessage(msg, 2), c.result);
        EXPECT_EQ(rig.port.written, c.written);
        EXPECT_EQ(rig.port.writes.size(), c.writes);
        EXPECT_GE(rig.clock.now() - start, c.minSeconds);
        EXPECT_LE(rig.clock.now() - start, c.maxSeconds);
        // Whatever waited in either direction is discarded first.
        EXPECT_EQ(std::pair(rig.port.inputDiscards, rig.port.outputDiscards), std::pair(1, 1));
    }
}

TEST(LocoNetSend, TraceShowsTheSentMessageWithItsChecksum)
{
    FakeLinkRig rig;
    QBuffer trace;
    trace.open(QIODevice::WriteOnly);
    rig.link.setTrace(&trace);
    const int msg[] = {0xB4, 0x6D, 0x7F};
    rig.link.SendLocoNetMessage(msg, 2);
    EXPECT_EQ(trace.data(), QByteArray("TX B4 6D 7F 59\n"));
}
