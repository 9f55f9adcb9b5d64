// One request and its answer: the echo first, then the answer, within two seconds.
#include "support/DbRig.h"
#include "support/FakeComm1.h"

#include <QTimer>
#include <functional>
#include <vector>
#include <gtest/gtest.h>

using namespace kx2;
using kx2::test::FakeLinkRig;

namespace {

const QByteArray kAck = test::longAck(0x7F);
const int kRequest[30] = {0xED, 0x1F, 0x08, 0x49, 0x4B};

// What the bus brings after a request: "E" its echo, "A" the acknowledge, anything else a
// message of another device; one message every ten milliseconds from `first` on.
void arrivals(FakeLinkRig& rig, double first, std::vector<QByteArray> messages)
{
    rig.port.onOutput = [&rig, first, messages](const QByteArray& sent) {
        double t = first;
        for (const QByteArray& m : messages) {
            rig.port.feedLater(t, m == "E" ? sent : m == "A" ? kAck : m);
            t += 0.01;
        }
    };
}

} // namespace

// Each line: what arrives (or happens to the port) after the request, the result, and the
// longest the exchange may take.
TEST(Exchange, EndsWithTheAnswerAfterTheEchoOrTimesOutWith13)
{
    const struct {
        const char* what;
        std::function<void(FakeLinkRig&)> device;
        int result;
        double maxSeconds;
    } cases[] = {
        {"an answer within two seconds", [](FakeLinkRig& r) { arrivals(r, 1.49, {"E", "A"}); }, 0, 1.6},
        {"nobody on the bus", [](FakeLinkRig&) {}, 13, 2.01},
        {"the echo alone", [](FakeLinkRig& r) { arrivals(r, 0.01, {"E"}); }, 13, 2.01},
        {"an answer after 2.5 seconds", [](FakeLinkRig& r) { arrivals(r, 0.01, {"E"}); r.port.feedLater(2.5, kAck); },
         13, 2.01},
        {"the port closes itself while the exchange waits",
         [](FakeLinkRig& r) {
             r.port.onOutput = [&r](const QByteArray&) { r.clock.callAfter(0.05, [&r] { r.port.setPortOpen(false); }); };
         },
         13, 0.1},
        {"the port is closed before the request", [](FakeLinkRig& r) { r.port.setPortOpen(false); }, 13, 0.01},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeLinkRig rig;
        c.device(rig);
        const double start = rig.clock.now();
        const LocoNetLink::Answer answer = rig.link.exchange(kRequest, 29);
        EXPECT_EQ(answer.result, c.result);
        EXPECT_LE(rig.clock.now() - start, c.maxSeconds);
        if (c.result == 0) {
            EXPECT_EQ(rig.link.ringSlot(0)[0], 0xED);
            EXPECT_EQ(rig.link.ringSlot(1)[2], 0x7F);
            EXPECT_EQ(answer.message, rig.link.ringSlot(1));
            EXPECT_DOUBLE_EQ(rig.link.ExchangeStart, start);
        } else if (c.maxSeconds > 2) {
            EXPECT_GT(rig.clock.now() - start, 2.0);
        }
    }
}

// Other devices talk on a real layout at any time: their messages are passed over until the echo
// and, after it, an answer of the kind the request asks for.
TEST(Exchange, OtherDevicesMessagesArePassedOver)
{
    const QByteArray sensor = sim::SimFramer::withChecksum(QByteArray::fromHex("B21050"));
    const QByteArray otherAck = sim::SimFramer::withChecksum(QByteArray::fromHex("B4307F"));
    const QByteArray slotData = sim::SimFramer::withChecksum(QByteArray::fromHex("E70E03332A4021070000000000"));
    const QByteArray power = sim::SimFramer::withChecksum(QByteArray::fromHex("83"));
    const struct {
        const char* what;
        std::vector<QByteArray> arrivals;
        bool answered;
    } cases[] = {
        {"a sensor report between echo and answer", {"E", sensor, "A"}, true},
        {"chatter before the echo", {sensor, power, "E", "A"}, true},
        {"an acknowledge meant for somebody else", {"E", otherAck, slotData, "A"}, true},
        {"a third message behind the answer", {"E", "A", power}, true},
        {"an answer before the echo is nobody's", {"A", "E"}, false},
        {"nor is one after chatter but before the echo", {sensor, "A", "E"}, false},
        {"chatter only", {sensor, power, otherAck}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeLinkRig rig;
        arrivals(rig, 0.01, c.arrivals);
        const LocoNetLink::Answer answer =
            rig.link.exchange(kRequest, 29, [](const LocoNetLink::Slot& m) { return m[0] == 0xB4 && m[1] == 0x6D; });
        EXPECT_EQ(answer.result, c.answered ? 0 : 13);
        EXPECT_EQ(answer.message[0], c.answered ? 0xB4 : 0);
    }
}

TEST(Exchange, SendFailureIsKeptWhenTheAnswerArrivesAnyway)
{
    FakeLinkRig rig;
    rig.settings.UseUsbInterface = false; // byte mode: a failing write reports 1012
    rig.port.failOutput = true;
    QByteArray echo;
    for (int b : kRequest)
        echo.append(char(b));
    rig.port.feedLater(0.1, sim::SimFramer::withChecksum(echo) + kAck);
    EXPECT_EQ(rig.link.exchange(kRequest, 29).result, 1012);
}

// Each line: an answer that arrives byte by byte at the bus rate after the whole echo. A long
// one is slept through with the port held; a short one is not. Either way it is taken whole and
// the port is left released.
TEST(Exchange, SleepsThroughTheRestOfALongAnswer)
{
    QByteArray longAnswer = QByteArray::fromHex("E620");
    longAnswer.append(QByteArray(29, '\x11'));
    const struct {
        const char* what;
        QByteArray answer;
        bool held;
    } cases[] = {
        {"32 bytes", sim::SimFramer::withChecksum(longAnswer), true},
        {"an acknowledge of 4 bytes", kAck, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeLinkRig rig;
        rig.port.onOutput = [&rig, &c](const QByteArray& sent) {
            rig.port.feedLater(0.001, sent);
            for (int i = 0; i < c.answer.size(); ++i)
                rig.port.feedLater(0.01 + i * 0.0006, c.answer.mid(i, 1));
        };
        const LocoNetLink::Answer answer = rig.link.exchange(kRequest, 29);
        EXPECT_EQ(answer.result, 0);
        EXPECT_EQ(rig.port.holds > 0, c.held);
        EXPECT_FALSE(rig.port.held);
        QByteArray reply;
        for (int i = 0; i < c.answer.size(); ++i)
            reply.append(char(answer.message[i]));
        EXPECT_EQ(reply, c.answer);
    }
}

TEST(Pause, LetsTheEventsRunForItsTimeOnEitherClock)
{
    FakeLinkRig rig;
    const double start = rig.clock.now();
    rig.link.Pause(0);
    EXPECT_EQ(rig.clock.now(), start);
    bool ran = false;
    rig.clock.callAfter(0.5, [&] { ran = true; });
    rig.link.Pause(1);
    EXPECT_TRUE(ran);
    EXPECT_GT(rig.clock.now() - start, 1.0);
    EXPECT_NEAR(rig.link.pausedSeconds(), 1.0, 0.01);

    SystemClock wall;
    LocoNetLink link{rig.port, wall, rig.settings};
    bool timerRan = false;
    QTimer::singleShot(20, [&] { timerRan = true; });
    const double wallStart = wall.now();
    link.Pause(0.1);
    EXPECT_TRUE(timerRan);
    EXPECT_GE(wall.now() - wallStart, 0.1);
}
