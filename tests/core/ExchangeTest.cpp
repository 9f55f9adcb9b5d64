#include "link/Clock.h"
#include "link/LocoNetLink.h"
#include "shell/Settings.h"
#include "support/FakeComm1.h"

#include <QTimer>
#include <vector>
#include <gtest/gtest.h>

using namespace kx2;
using kx2::test::FakeComm1;

namespace {

const QByteArray kAck("\xB4\x6D\x7F\x59", 4);

struct Exchange : ::testing::Test {
    VirtualClock clock;
    FakeComm1 port{clock};
    Settings settings;
    LocoNetLink link{port, clock, settings};
    int request[30] = {0xED, 0x1F, 0x08, 0x49, 0x4B};
    void SetUp() override
    {
        port.setPortOpen(true);
        port.setRThreshold(1);
        port.setInputLen(0);
        port.setOnComm([this] { link.OnComm(); });
    }
    // The bus echoes the request; the device answers `answer` after `delay` seconds.
    void device(double delay, QByteArray answer)
    {
        port.onOutput = [this, delay, answer](const QByteArray& sent) {
            port.feedLater(0.01, sent);
            if (!answer.isEmpty())
                port.feedLater(delay, answer);
        };
    }
};

} // namespace

TEST_F(Exchange, AnswerWithinTwoSecondsLandsInSlotOne)
{
    device(1.5, kAck);
    int result = 0;
    link.exchange(request, 29, result);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(link.ReceiveRing[0][0], 0xED);
    EXPECT_EQ(link.ReceiveRing[1][0], 0xB4);
    EXPECT_EQ(link.ReceiveRing[1][2], 0x7F);
    EXPECT_EQ(link.reply(), link.ReceiveRing[1]);
    EXPECT_EQ(link.RingWriteIndex, 2);
}

TEST_F(Exchange, NoDeviceTimesOutWith13AfterTwoSeconds)
{
    int result = 0;
    const double start = clock.now();
    link.exchange(request, 29, result);
    EXPECT_EQ(result, 13);
    EXPECT_GT(clock.now() - start, 2.0);
    EXPECT_LT(clock.now() - start, 2.01);
}

TEST_F(Exchange, EchoAloneTimesOutWith13)
{
    device(0, QByteArray());
    int result = 0;
    link.exchange(request, 29, result);
    EXPECT_EQ(result, 13);
    EXPECT_EQ(link.RingWriteIndex, 1);
}

TEST_F(Exchange, LateAnswerIsATimeOut)
{
    device(2.5, kAck);
    int result = 0;
    link.exchange(request, 29, result);
    EXPECT_EQ(result, 13);
}

// Other devices talk on a real layout at any time. Each line: what arrives after the request
// (E = its echo, A = the acknowledge 0xB4 0x6D, the rest other devices' messages), and whether
// the exchange ends with the acknowledge as its answer.
TEST_F(Exchange, OtherDevicesMessagesArePassedOverUntilEchoAndAnswer)
{
    const auto withChecksum = [](QByteArray m) {
        int x = 0xFF;
        for (char c : m)
            x ^= static_cast<unsigned char>(c);
        return m.append(char(x));
    };
    const QByteArray sensor = withChecksum(QByteArray::fromHex("B21050"));
    const QByteArray otherAck = withChecksum(QByteArray::fromHex("B4307F"));
    const QByteArray slotData = withChecksum(QByteArray::fromHex("E70E03332A40210700000000 00"));
    const QByteArray power = withChecksum(QByteArray::fromHex("83"));
    struct Case {
        const char* what;
        std::vector<QByteArray> arrivals;  // "E" and "A" stand for echo and acknowledge
        bool answered;
    };
    const std::vector<Case> cases = {
        {"quiet bus", {"E", "A"}, true},
        {"a sensor report between echo and answer", {"E", sensor, "A"}, true},
        {"chatter before the echo", {sensor, power, "E", "A"}, true},
        {"an acknowledge meant for somebody else", {"E", otherAck, slotData, "A"}, true},
        {"a third message behind the answer in one burst", {"E", "A", power}, true},
        {"an answer before the echo is nobody's", {"A", "E"}, false},
        {"chatter only", {sensor, power, otherAck}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        port.onOutput = [this, c](const QByteArray& sent) {
            double t = 0.01;
            for (const QByteArray& m : c.arrivals) {
                port.feedLater(t, m == "E" ? sent : m == "A" ? kAck : m);
                t += 0.01;
            }
        };
        int result = 0;
        link.exchange(request, 29, result, [](const LocoNetLink::Slot& m) { return m[0] == 0xB4 && m[1] == 0x6D; });
        EXPECT_EQ(result, c.answered ? 0 : 13);
        EXPECT_EQ(link.reply()[0], c.answered ? 0xB4 : 0);
        clock.advance(3); // whatever is still on its way arrives before the next case
        clock.runDue();
    }
}

TEST_F(Exchange, SendFailureIsKeptWhenTheAnswerArrivesAnyway)
{
    settings.UseUsbInterface = false; // byte mode: a failing write reports 1012
    port.failOutput = true;
    QByteArray echo;
    for (int i = 0; i < 30; ++i)
        echo.append(char(request[i]));
    echo.append(char(LocoNetChecksum(request, 29)));
    port.feedLater(0.1, echo + kAck);
    int result = 0;
    link.exchange(request, 29, result);
    EXPECT_EQ(result, 1012);
}

TEST_F(Exchange, ExchangeStartIsTheSendTime)
{
    device(0.2, kAck);
    clock.advance(50);
    const double before = clock.now();
    int result = 0;
    link.exchange(request, 29, result);
    EXPECT_DOUBLE_EQ(link.ExchangeStart, before);
}

TEST(Pause, ZeroReturnsAtOnceAndOneSecondLetsEventsRun)
{
    VirtualClock clock;
    FakeComm1 port{clock};
    Settings settings;
    LocoNetLink link{port, clock, settings};
    const double start = clock.now();
    link.Pause(0);
    EXPECT_EQ(clock.now(), start);

    bool ran = false;
    clock.callAfter(0.5, [&] { ran = true; });
    link.Pause(1);
    EXPECT_TRUE(ran);
    EXPECT_GT(clock.now() - start, 1.0);
    EXPECT_NEAR(link.pausedSeconds(), 1.0, 0.01);
}

TEST(Pause, RealClockHandlesEventsWhileWaiting)
{
    SystemClock clock;
    FakeComm1 port{clock};
    Settings settings;
    LocoNetLink link{port, clock, settings};
    bool timerRan = false;
    QTimer::singleShot(20, [&] { timerRan = true; });
    const double start = clock.now();
    link.Pause(0.1);
    EXPECT_TRUE(timerRan);
    EXPECT_GE(clock.now() - start, 0.1);
}
