// Received bytes assembled into the ring of 32 message slots.
#include "link/MessageFramer.h"
#include "support/DbRig.h"
#include "support/FakeComm1.h"

#include <QBuffer>
#include <gtest/gtest.h>

using namespace kx2;
using kx2::test::bytesOf;
using kx2::test::FakeLinkRig;

// Each line: the slot assembly starts in, the bytes as they arrive (one piece per read), and
// where assembly stands afterwards: the next slot, whether a message is still being assembled,
// and the bytes of the slot the last complete message went to.
TEST(LocoNetReceive, BytesBecomeMessagesByTheirOpcodesLength)
{
    const auto whole = [](QByteArray head, int length, char fill) {
        head.append(QByteArray(length - 1 - head.size(), fill));
        return MessageFramer::withChecksum(head);
    };
    const QByteArray longMessage = whole(bytesOf({0xE5, 0x1F}), 31, 0x01);
    const QByteArray sixtyFour = whole(bytesOf({0xE0, 64}), 64, 0x22);
    QByteArray tooLong(100, 0x11);
    tooLong[0] = char(0xE0);
    tooLong[1] = char(100);
    const struct {
        const char* what;
        int start;
        std::vector<QByteArray> pieces;
        int next;
        bool receiving;
        int slot;
        QByteArray slotBytes;
    } cases[] = {
        {"a long acknowledge", 5, {bytesOf({0xB4, 0x6D, 0x7F, 0x59})}, 6, false, 5, bytesOf({0xB4, 0x6D, 0x7F, 0x59})},
        {"an opcode restarts an unfinished message in the same slot", 0,
         {bytesOf({0xE7, 0x0E}), bytesOf({0xC0, 0x01}), bytesOf({0x81, 0x7E})}, 1, false, 0, bytesOf({0x81, 0x7E})},
        {"a count of 0x1F is complete with the 31st byte", 0, {longMessage.left(30)}, 0, true, 0, {}},
        {"... and not before", 0, {longMessage.left(30), longMessage.mid(30)}, 1, false, 0, longMessage},
        {"a count of 2 is complete with the count byte", 0, {bytesOf({0xFD, 0x02})}, 1, false, 0, bytesOf({0xFD, 0x02})},
        {"a checksum that does not hold drops the message and its slot is reused", 3,
         {bytesOf({0xB4, 0x6D, 0x7F, 0x5A}), bytesOf({0xB4, 0x6D, 0x7E, 0x58})}, 4, false, 3,
         bytesOf({0xB4, 0x6D, 0x7E, 0x58})},
        {"... a dropped one leaves no flag", 3, {bytesOf({0xB4, 0x6D, 0x7F, 0x5A})}, 3, false, 3, {}},
        {"stray data bytes are dropped", 0, {bytesOf({0x01, 0x02, 0x7F, 0xB4, 0x6D, 0x7F, 0x59, 0x33})}, 1, false, 0,
         bytesOf({0xB4, 0x6D, 0x7F, 0x59})},
        {"sixty-four bytes still fit a slot", 0, {sixtyFour}, 1, false, 0, sixtyFour},
        {"longer than a slot can take: its bytes never reach the flag cell", 31, {tooLong}, 31, false, 31, {}},
        {"longer or shorter than a slot can take is abandoned and the slot reused", 31,
         {tooLong, bytesOf({0xE0, 0x00, 0x11, 0x22}), bytesOf({0xE0, 0x01, 0x11}), bytesOf({0xB4, 0x6D, 0x7F, 0x59})},
         0, false, 31, bytesOf({0xB4, 0x6D, 0x7F, 0x59})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeLinkRig rig;
        // Assembly starts in slot c.start: short messages fill the slots before it.
        for (int i = 0; i < c.start; ++i)
            rig.link.receiveBytes(bytesOf({0x85, 0x7A}));
        for (const QByteArray& piece : c.pieces)
            rig.link.receiveBytes(piece);
        EXPECT_EQ(rig.link.ringWriteIndex(), c.next);
        EXPECT_EQ(rig.link.receiving(), c.receiving);
        const auto& slot = rig.link.ringSlot(c.slot);
        for (int i = 0; i < c.slotBytes.size(); ++i)
            EXPECT_EQ(slot[size_t(i)], static_cast<unsigned char>(c.slotBytes[i])) << i;
        EXPECT_EQ(slot[LocoNetLink::CompleteFlagCell], c.slotBytes.isEmpty() ? 0 : -1);
    }
}

TEST(LocoNetReceive, PortHandsOverByteByByteAndThe33rdMessageLandsInSlotZeroAgain)
{
    FakeLinkRig rig;
    rig.port.setInputLen(1);
    for (int i = 0; i < 32; ++i)
        rig.port.feed(MessageFramer::withChecksum(bytesOf({0xA0, i, 0x00})));
    EXPECT_EQ(rig.link.ringWriteIndex(), 0);
    rig.port.feed(bytesOf({0x85, 0x7A}));
    EXPECT_EQ(rig.link.ringWriteIndex(), 1);
    EXPECT_EQ(rig.link.ringSlot(0)[0], 0x85);
    EXPECT_EQ(rig.link.ringSlot(31)[1], 31);
}

// The ready message as the simulated command station sends it; byte 6 is not examined, every
// other byte of its head and the signature are.
TEST(LocoNetReceive, ReadyMessageIsRecognisedOnlyWhileSomeoneWaitsForIt)
{
    const QByteArray ready = test::stationReadyMessage();
    FakeLinkRig rig;
    rig.link.receiveBytes(ready);
    EXPECT_FALSE(rig.link.watchingForReady());
    rig.link.watchForReady();
    for (int byte : {0, 3, 5, 9, 14, 15, 16, 20, 24, 25}) {
        QByteArray other = ready.left(30);
        other[byte] = char(other[byte] ^ 0x01);
        rig.link.receiveBytes(MessageFramer::withChecksum(other));
        EXPECT_TRUE(rig.link.watchingForReady()) << byte;
    }
    QByteArray byte6 = ready.left(30);
    byte6[6] = char(0x55);
    rig.link.receiveBytes(MessageFramer::withChecksum(byte6));
    EXPECT_FALSE(rig.link.watchingForReady()) << "seen";
}

TEST(LocoNetReceive, TraceWritesEveryAssembledMessageAndEveryOneDropped)
{
    FakeLinkRig rig;
    QBuffer trace;
    trace.open(QIODevice::WriteOnly);
    rig.link.setTrace(&trace);
    rig.link.receiveBytes(bytesOf({0x05, 0xB4, 0x6D, 0x7F, 0x59, 0xB4, 0x6D, 0x7F, 0x5B}));
    EXPECT_EQ(trace.data().toStdString(), "RX B4 6D 7F 59\n# Prüfsumme falsch: B4 6D 7F 5B\n");
    EXPECT_EQ(rig.link.garbledMessages(), 1);
    EXPECT_EQ(std::vector<QString>({ByteToHex(0), ByteToHex(15), ByteToHex(255)}),
              std::vector<QString>({"00", "0F", "FF"}));
}
