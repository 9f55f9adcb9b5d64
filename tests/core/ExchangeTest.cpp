#include "link/Clock.h"
#include "link/LocoNetLink.h"
#include "shell/Settings.h"
#include "support/FakeComm1.h"

#include <QTimer>
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

TEST_F(Exchange, ThirdMessageInTheSameBurstDoesNotHideTheAnswer)
{
    port.onOutput = [this](const QByteArray& sent) {
        port.feedLater(0.01, sent + kAck + QByteArray("\x83\x7C", 2));
    };
    int result = 0;
    link.exchange(request, 29, result);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(link.ReceiveRing[1][0], 0xB4);
}

TEST_F(Exchange, SendFailureIsKeptWhenTwoMessagesArriveAnyway)
{
    settings.UseUsbInterface = false; // byte mode: a failing write reports 1012
    port.failOutput = true;
    port.feedLater(0.1, QByteArray("\x83\x7C\x83\x7C", 4));
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
