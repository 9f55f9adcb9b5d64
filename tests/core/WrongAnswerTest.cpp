// Answers that are not what the request asked for, and a port that goes away while the
// exchange waits. Another device's message is passed over; a refusal is an answer but carries
// no data, and the commands that take data out of an answer must not take anything else.
#include "dbproto/DbProtocol.h"
#include "link/Clock.h"
#include "link/LocoNetLink.h"
#include "link/ResultText.h"
#include "shell/Settings.h"
#include "shell/UserDialogs.h"
#include "sim/PreciseClock.h"
#include "support/FakeComm1.h"

#include <QCoreApplication>
#include <memory>
#include <vector>
#include <gtest/gtest.h>

using namespace kx2;
using kx2::test::FakeComm1;

namespace {

QByteArray withChecksum(QByteArray bytes)
{
    int x = 0xFF;
    for (char c : bytes)
        x ^= static_cast<unsigned char>(c);
    bytes.append(char(x));
    return bytes;
}

const QByteArray kAck = withChecksum(QByteArray("\xB4\x6D\x7F", 3));
// A sensor report of another device on the bus.
const QByteArray kSensorReport = withChecksum(QByteArray("\xB2\x10\x50", 3));

// A data reply carrying page bytes 0x11 (after the key is removed they are something else; only
// the head matters here).
QByteArray dataReply()
{
    QByteArray r("\xE5\x1F\x01\x50\x43", 5);
    for (int g = 0; g < 5; ++g) {
        r.append(char(g < 2 ? 0x70 : 0x40));
        r.append(QByteArray(4, char(0x11)));
    }
    return withChecksum(r);
}

QByteArray formatReply(int code, int value)
{
    QByteArray r("\xE5\x0F\x01KX", 5);
    r.append(char(13)).append(char(0)).append(char(3)).append(char(0)).append(char(code)).append(char(value));
    r.append(QByteArray(3, '\0'));
    return withChecksum(r);
}

struct Protocol : ::testing::Test {
    VirtualClock clock;
    FakeComm1 port{clock};
    Settings settings;
    LocoNetLink link{port, clock, settings};
    NullProgress progress;
    DbProtocol db{link, progress};

    void SetUp() override
    {
        port.setPortOpen(true);
        port.setRThreshold(1);
        port.setInputLen(0);
        port.setOnComm([this] { link.OnComm(); });
    }
    // Every request is echoed and answered with the next of `answers` (in one burst).
    void answerWith(std::vector<QByteArray> answers)
    {
        auto queue = std::make_shared<std::vector<QByteArray>>(std::move(answers));
        port.onOutput = [this, queue](const QByteArray& sent) {
            QByteArray burst = sent;
            if (!queue->empty()) {
                burst += queue->front();
                queue->erase(queue->begin());
            }
            port.feedLater(0.01, burst);
        };
    }
};

} // namespace

TEST_F(Protocol, PageReadTakesADataReply)
{
    answerWith({dataReply()});
    int result = 0;
    db.ReadRecord(0, result);
    EXPECT_EQ(result, 0);
}

TEST_F(Protocol, PageReadAnsweredOnlyByAnotherDevicesMessageTakesNothing)
{
    // The first read leaves a data reply behind; the second meets only a sensor report (and its
    // repetitions nothing at all).
    answerWith({dataReply(), kSensorReport});
    int result = 0;
    db.ReadRecord(0, result);
    ASSERT_EQ(result, 0);
    db.ReadRecord(16, result);
    EXPECT_EQ(result, rc::ReplyTimeout);
    for (int k = 1; k <= 16; ++k)
        EXPECT_EQ(db.DbData[k], 0) << "D" << k << " holds no page bytes";
}

TEST_F(Protocol, PageReadAnsweredByAnAcknowledgeFailsWith1011)
{
    answerWith({kAck});
    int result = 0;
    db.ReadRecord(0, result);
    EXPECT_EQ(result, 1011);
    EXPECT_EQ(ResultText(210000 + result), QString("\rRead LongData: LocoNet Message gesendet:\r keine Antwort!\r"));
}

TEST_F(Protocol, PageReadTimeOutStaysThirteen)
{
    int result = 0;
    db.ReadRecord(0, result);
    EXPECT_EQ(result, 13);
}

TEST_F(Protocol, FormatReadTakesAFifteenByteReply)
{
    answerWith({formatReply(83, 81)});
    int code = 0, value = 0, result = 0;
    db.ReadLocoFormat(3, code, value, result);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(code, 83);
    EXPECT_EQ(value, 81);
}

TEST_F(Protocol, FormatReadAnsweredOnlyByAnotherDevicesMessageOrARefusalTakesNoFormat)
{
    answerWith({formatReply(83, 81), kSensorReport});
    int code = 0, value = 0, result = 0;
    db.ReadLocoFormat(3, code, value, result);
    ASSERT_EQ(result, 0);
    db.ReadLocoFormat(4, code, value, result);
    EXPECT_EQ(result, rc::ReplyTimeout);
    EXPECT_NE(code, 83) << "not the 83, 81 of the earlier reply";
    int accessory = 0;
    result = 0;
    answerWith({kAck});
    db.ReadAccessoryFormat(5, accessory, result);
    EXPECT_EQ(result, 1011);
}

TEST_F(Protocol, FormatReadTimeOutStaysThirteen)
{
    int code = 0, value = 0, result = 0;
    db.ReadLocoFormat(3, code, value, result);
    EXPECT_EQ(result, 13);
}

TEST_F(Protocol, PortThatClosesWhileWaitingEndsTheWaitAtOnceWithThirteen)
{
    // The device vanishes right after the request went out: the port closes itself.
    port.onOutput = [this](const QByteArray&) { clock.callAfter(0.05, [this] { port.setPortOpen(false); }); };
    int request[30] = {0xED, 0x1F, 0x08, 0x49, 0x4B};
    const double start = clock.now();
    int result = 0;
    link.exchange(request, 29, result);
    EXPECT_EQ(result, 13);
    EXPECT_LT(clock.now() - start, 0.1) << "no two-second wait on a closed port";
}

TEST_F(Protocol, SendOnAClosedPortFailsAtOnce)
{
    port.setPortOpen(false);
    int request[30] = {0xED, 0x1F, 0x08, 0x49, 0x4B};
    const double start = clock.now();
    int result = 0;
    link.exchange(request, 29, result);
    EXPECT_EQ(result, 13) << "nothing arrived, so the time-out's code";
    EXPECT_LT(clock.now() - start, 0.01);
}

// The simulator's clock for byte pacing: calls run in time order, none before it is due.
TEST(PreciseClock, CallsRunInOrderAndNeverEarly)
{
    sim::PreciseClock clock;
    std::vector<int> order;
    std::vector<double> late;
    const double start = clock.now();
    const double delays[] = {0.0034, 0.0006, 0.0012, 0.0, 0.0018};
    for (int i = 0; i < 5; ++i) {
        const double due = start + delays[i];
        clock.callAfter(delays[i], [&, i, due] {
            order.push_back(i);
            late.push_back(clock.now() - due);
        });
    }
    const double deadline = start + 1.0;
    while (order.size() < 5 && clock.now() < deadline)
        clock.yieldUntil(deadline);
    EXPECT_EQ(order, (std::vector<int>{3, 1, 2, 4, 0}));
    for (double l : late)
        EXPECT_GE(l, 0.0);
}
