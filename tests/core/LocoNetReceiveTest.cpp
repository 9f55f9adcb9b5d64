#include "dbproto/DbConstants.h"
#include "link/Clock.h"
#include "link/LocoNetLink.h"
#include "shell/Settings.h"
#include "support/FakeComm1.h"

#include <QBuffer>
#include <gtest/gtest.h>

using namespace kx2;
using kx2::test::FakeComm1;

namespace {

QByteArray bytes(std::initializer_list<int> list)
{
    QByteArray out;
    for (int b : list)
        out.append(char(b));
    return out;
}

// A message with its checksum appended.
QByteArray framed(std::initializer_list<int> list)
{
    QByteArray out = bytes(list);
    int ck = 0xFF;
    for (char c : out)
        ck ^= static_cast<unsigned char>(c);
    out.append(char(ck));
    return out;
}

QByteArray readyMessage()
{
    QByteArray m(31, 0);
    const int fixed[][2] = {{0, 0xE5}, {1, 0x1F}, {2, 0x01}, {3, 0x50}, {4, 0x43}, {5, 0x70}, {6, 0x11},
                            {7, 0x7F}, {8, 0x7F}, {9, 0x7F}, {10, 0x70}, {15, 0x30}, {20, 0x70}, {25, 0x00}};
    for (const auto& f : fixed)
        m[f[0]] = char(f[1]);
    for (int k = 0; k < 4; ++k) {
        m[16 + k] = char(DbSignature[k]);
        m[21 + k] = char(DbSignature[4 + k]);
    }
    return m;
}

struct Receive : ::testing::Test {
    VirtualClock clock;
    FakeComm1 port{clock};
    Settings settings;
    LocoNetLink link{port, clock, settings};
    void SetUp() override
    {
        port.setPortOpen(true);
        port.setRThreshold(1);
        port.setOnComm([this] { link.OnComm(); });
    }
};

} // namespace

TEST_F(Receive, FourByteMessageFillsSlotSetsFlagAndAdvances)
{
    link.RingWriteIndex = 5;
    port.setInputLen(1);
    port.feed(bytes({0xB4, 0x6D, 0x7F, 0x5B}));
    EXPECT_EQ(link.RingWriteIndex, 6);
    EXPECT_EQ(link.ReceiveRing[5][0], 0xB4);
    EXPECT_EQ(link.ReceiveRing[5][1], 0x6D);
    EXPECT_EQ(link.ReceiveRing[5][2], 0x7F);
    EXPECT_EQ(link.ReceiveRing[5][3], 0x5B);
    EXPECT_EQ(link.ReceiveRing[5][64], -1);
    EXPECT_FALSE(link.Receiving);
}

TEST_F(Receive, OpcodeInsideUnfinishedMessageRestartsInSameSlot)
{
    link.receiveBytes(bytes({0xE7, 0x0E}));        // unfinished: a 14-byte message, two bytes in
    EXPECT_TRUE(link.Receiving);
    link.receiveBytes(bytes({0xC0, 0x01}));        // two bytes of a 6-byte message
    link.receiveBytes(bytes({0x81, 0x7E}));        // restart: a 2-byte message completes
    EXPECT_EQ(link.RingWriteIndex, 1);
    EXPECT_EQ(link.ReceiveRing[0][0], 0x81);
    EXPECT_EQ(link.ReceiveRing[0][1], 0x7E);
}

TEST_F(Receive, VariableLengthFollowsCountByte)
{
    QByteArray longMsg(31, 0x01);
    longMsg[0] = char(0xE5);
    longMsg[1] = char(0x1F);
    link.receiveBytes(longMsg.left(30));
    EXPECT_EQ(link.RingWriteIndex, 0) << "not complete before the 31st byte";
    link.receiveBytes(longMsg.mid(30));
    EXPECT_EQ(link.RingWriteIndex, 1);

    link.receiveBytes(bytes({0xEF, 0x02}));
    EXPECT_EQ(link.RingWriteIndex, 2) << "count 2 completes right after the count byte";
}

TEST_F(Receive, StrayDataBytesAreDropped)
{
    link.receiveBytes(bytes({0x01, 0x02, 0x7F}));
    EXPECT_EQ(link.RingWriteIndex, 0);
    EXPECT_FALSE(link.Receiving);
    link.receiveBytes(bytes({0xB4, 0x6D, 0x7F, 0x5B, 0x33}));
    EXPECT_EQ(link.RingWriteIndex, 1);
}

TEST_F(Receive, ThirtyThirdMessageLandsInSlotZeroAgain)
{
    for (int i = 0; i < 32; ++i)
        link.receiveBytes(bytes({0x83, i}));
    EXPECT_EQ(link.RingWriteIndex, 0);
    link.receiveBytes(bytes({0x85, 0x55}));
    EXPECT_EQ(link.RingWriteIndex, 1);
    EXPECT_EQ(link.ReceiveRing[0][0], 0x85);
    EXPECT_EQ(link.ReceiveRing[31][1], 31);
}

TEST_F(Receive, OverlongAndShortCountMessagesAreAbandonedWithoutOverflow)
{
    link.RingWriteIndex = 31;
    QByteArray tooLong(100, 0x11);
    tooLong[0] = char(0xE0);
    tooLong[1] = char(100);
    link.receiveBytes(tooLong);
    EXPECT_FALSE(link.Receiving);
    EXPECT_EQ(link.RingWriteIndex, 31);
    EXPECT_EQ(link.ReceiveRing[31][64], 0) << "the completion flag cell is never written as data";

    link.receiveBytes(bytes({0xE0, 0x00, 0x11, 0x22}));
    link.receiveBytes(bytes({0xE0, 0x01, 0x11}));
    EXPECT_FALSE(link.Receiving);
    EXPECT_EQ(link.RingWriteIndex, 31);

    // The slot is reused by the next good message.
    link.receiveBytes(bytes({0xB4, 0x6D, 0x7F, 0x5B}));
    EXPECT_EQ(link.RingWriteIndex, 0);
    EXPECT_EQ(link.ReceiveRing[31][0], 0xB4);
}

TEST_F(Receive, SixtyFourByteMessageStillFits)
{
    QByteArray m(64, 0x22);
    m[0] = char(0xE0);
    m[1] = char(64);
    link.receiveBytes(m);
    EXPECT_EQ(link.RingWriteIndex, 1);
    EXPECT_EQ(link.ReceiveRing[0][63], 0x22);
}

TEST_F(Receive, ReadyMessageIsRecognisedOnlyWhileSomeoneWaits)
{
    link.receiveBytes(readyMessage());
    EXPECT_EQ(link.ReadyFlag, 255);

    link.ReadyFlag = 0;
    QByteArray wrongSignature = readyMessage();
    wrongSignature[21] = char(wrongSignature[21] ^ 0x01);
    link.receiveBytes(wrongSignature);
    EXPECT_EQ(link.ReadyFlag, 0);

    QByteArray otherByte6 = readyMessage();
    otherByte6[6] = char(0x55); // byte 6 is not examined
    link.receiveBytes(otherByte6);
    EXPECT_EQ(link.ReadyFlag, 1);
}

TEST_F(Receive, TraceWritesEveryAssembledMessage)
{
    QBuffer trace;
    trace.open(QIODevice::WriteOnly);
    link.setTrace(&trace);
    link.receiveBytes(bytes({0x05, 0xB4, 0x6D, 0x7F, 0x5B}));
    EXPECT_EQ(trace.data(), QByteArray("RX B4 6D 7F 5B\n"));
}

TEST(ByteToHex, AlwaysTwoUpperCaseDigits)
{
    EXPECT_EQ(ByteToHex(0), "00");
    EXPECT_EQ(ByteToHex(15), "0F");
    EXPECT_EQ(ByteToHex(255), "FF");
    EXPECT_EQ(ByteToHex(0xAB), "AB");
}

TEST(LocoNetChecksum, MakesTheExclusiveOrOfTheMessageFF)
{
    const int msg[] = {0xB4, 0x6D, 0x7F};
    const int ck = LocoNetChecksum(msg, 2);
    EXPECT_EQ(0xB4 ^ 0x6D ^ 0x7F ^ ck, 0xFF);
    EXPECT_EQ(framed({0xB4, 0x6D, 0x7F}).back(), char(ck));
}
