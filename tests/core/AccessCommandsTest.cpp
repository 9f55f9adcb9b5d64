// Opening and closing the database access, the serial number, area and display commands:
// the answers they rely on and the result code of every failure.
#include "support/DbRig.h"

#include "link/ResultText.h"

#include <gtest/gtest.h>

using namespace kx2;
using kx2::test::bytesOf;
using kx2::test::longAck;
using kx2::test::DbRig;

namespace {

sim::SimStationConfig withBootAck(int code)
{
    sim::SimStationConfig c;
    c.bootAckCode = code;
    return c;
}

// The ready message as the command station sends it.
QByteArray readyMessage()
{
    QByteArray r = bytesOf({0xE5, 0x1F, 0x01, 0x50, 0x43, 0x70, 0x00, 0x7F, 0x7F, 0x7F, 0x70, 0, 0, 0, 0, 0x30});
    for (int i = 0; i < 4; ++i)
        r.append(char(DbSignature[i]));
    r.append(char(0x70));
    for (int i = 4; i < 8; ++i)
        r.append(char(DbSignature[i]));
    r += bytesOf({0, 0, 0, 0, 0});
    return sim::SimFramer::withChecksum(r);
}

bool isStep1(const QByteArray& m)
{
    return DbRig::at(m, 20) >> 4 == 7;
}

} // namespace

TEST(StartBootloader, Ack7FWaitsForTheReadyMessageThenTakesTheHandle)
{
    DbRig rig;
    sim::SimStationConfig config;
    config.readyDelay = 0.8;
    rig.station(config);
    const double start = rig.clock.now();
    EXPECT_EQ(rig.open(), 0);
    EXPECT_GT(rig.clock.now() - start, 0.79);
    EXPECT_EQ(rig.db.BootloaderHandle, 0x42);
    EXPECT_TRUE(rig.cs->accessOpen());
    EXPECT_EQ(rig.cs->violations(), 0) << rig.cs->violationLog().join('\n').toStdString();
}

TEST(StartBootloader, Ack01ProceedsAtOnce)
{
    DbRig rig;
    auto config = withBootAck(0x01);
    config.readyDelay = 5.0;
    rig.station(config);
    const double start = rig.clock.now();
    EXPECT_EQ(rig.open(), 0);
    EXPECT_LT(rig.clock.now() - start, 1.0);
    EXPECT_EQ(rig.link.ReadyFlag, 255);
    EXPECT_TRUE(rig.cs->accessOpen());
    EXPECT_EQ(rig.cs->violations(), 0);
}

TEST(StartBootloader, Ack00FailsWith111011)
{
    DbRig rig;
    rig.station(withBootAck(0x00));
    EXPECT_EQ(rig.open(), 111011);
    EXPECT_EQ(rig.requests().size(), 1u);
    EXPECT_EQ(rig.link.ReadyFlag, 255);
}

// A data reply answers the database command but is no acknowledge.
QByteArray someDataReply()
{
    return sim::SimFramer::withChecksum(bytesOf({0xE5, 0x1F, 0x01, 0x50, 0x43, 0x70, 1, 2, 3, 4, 0x70, 5, 6, 7, 8,
                                                 0x40, 0, 0, 0, 0, 0x40, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(StartBootloader, ReplyThatIsNoAcknowledgeFailsWith111011)
{
    DbRig rig;
    rig.device([](const QByteArray&) { return someDataReply(); });
    EXPECT_EQ(rig.open(), 111011);
}

TEST(StartBootloader, ReadyMessageThatNeverComesEndsAfterTheLimitWith111013)
{
    DbRig rig;
    sim::SimFaults faults;
    faults.readyNeverComes = true;
    rig.station({}, faults);
    const double start = rig.clock.now();
    const int r = rig.open();
    EXPECT_EQ(r, dbrc::BootReadyTimeout);
    EXPECT_EQ(r, 111013);
    EXPECT_GT(rig.clock.now() - start, DbProtocol::ReadyWaitLimit);
    EXPECT_LT(rig.clock.now() - start, DbProtocol::ReadyWaitLimit + 1.0);
    EXPECT_EQ(rig.link.ReadyFlag, 255);
    // Step 2 is never sent.
    EXPECT_EQ(rig.requests().size(), 1u);
    const QChar cr(13);
    EXPECT_EQ(ResultText(r), QString(cr) + "Bootloader starten:" + " LocoNet Message gesendet:" + cr
                                 + " Timeout: kein Antwort auf LocoNet! " + cr);
}

TEST(StartBootloader, ReadyMessageInTheSameBurstAsTheAckIsNotMissed)
{
    DbRig rig;
    // Acknowledge and ready message in one write: both arrive in one read of the port.
    bool readySent = false;
    rig.device([&](const QByteArray& m) {
        if (isStep1(m)) {
            readySent = true;
            return longAck(0x7F) + readyMessage();
        }
        return longAck(0x33);
    });
    const double start = rig.clock.now();
    EXPECT_EQ(rig.open(), 0);
    EXPECT_TRUE(readySent);
    EXPECT_EQ(rig.db.BootloaderHandle, 0x33);
    EXPECT_LT(rig.clock.now() - start, 1.0);
}

TEST(StartBootloader, StationBurstOfAckAndReadyOpensTheAccess)
{
    DbRig rig;
    sim::SimFaults faults;
    faults.ackAndReadyInOneWrite = true;
    rig.station({}, faults);
    EXPECT_EQ(rig.open(), 0);
    EXPECT_TRUE(rig.cs->accessOpen());
    EXPECT_EQ(rig.cs->violations(), 0);
}

TEST(StartBootloader, ReadyMessageWithAnotherSignatureIsNotTakenForReady)
{
    DbRig rig;
    QByteArray wrong = readyMessage();
    wrong[16] = char(DbSignature[0] ^ 1);
    wrong = sim::SimFramer::withChecksum(wrong.left(30));
    rig.device([&](const QByteArray& m) { return isStep1(m) ? longAck(0x7F) + wrong : longAck(0x33); });
    EXPECT_EQ(rig.open(), 111013);
}

TEST(StartBootloader, Step1TimeOutGives110013AndStep2NoAckGives110106)
{
    DbRig silent;
    EXPECT_EQ(silent.open(), 110013);
    EXPECT_EQ(silent.link.ReadyFlag, 255);

    DbRig rig;
    rig.device([](const QByteArray& m) { return isStep1(m) ? longAck(0x01) : someDataReply(); });
    EXPECT_EQ(rig.open(), 110106);
}

TEST(StartBootloader, Step2TimeOutGives110013)
{
    DbRig rig;
    rig.device([](const QByteArray& m) { return isStep1(m) ? longAck(0x01) : QByteArray(); });
    EXPECT_EQ(rig.open(), 110013);
}

TEST(StartBootloader, FieldsOfBothStepsOnTheWire)
{
    DbRig rig;
    rig.station();
    ASSERT_EQ(rig.open(), 0);
    const auto req = rig.requests();
    ASSERT_EQ(req.size(), 2u);
    const QByteArray s1 = req[0], s2 = req[1];
    EXPECT_EQ(DbRig::at(s1, 6), 0);
    EXPECT_EQ(DbRig::at(s1, 7), 0x7F);
    EXPECT_EQ(DbRig::at(s1, 8), 0x7F);
    EXPECT_EQ(DbRig::at(s1, 9), 0x7F);
    EXPECT_EQ(DbRig::at(s1, 15), 0x30);
    EXPECT_EQ(DbRig::at(s1, 20), 0x70);
    EXPECT_EQ(DbRig::at(s1, 25), 0x00);
    for (int i = 6; i <= 14; ++i)
        if (i != 10) {
            EXPECT_EQ(DbRig::at(s2, i), 0) << i;
        }
    EXPECT_EQ(DbRig::at(s2, 15), 0x30);
    EXPECT_EQ(DbRig::at(s2, 20), 0x40);
    EXPECT_EQ(DbRig::at(s2, 25), 0x00);
}

TEST(EndBootloader, SendsTheHandleBackAndClosesTheAccess)
{
    DbRig rig;
    sim::SimStationConfig config;
    config.handle = 0x5C;
    rig.station(config);
    ASSERT_EQ(rig.open(), 0);
    int r = 0;
    rig.db.EndBootloader(r);
    EXPECT_EQ(r, 0);
    const QByteArray m = rig.lastRequest();
    EXPECT_EQ(DbRig::at(m, 6), 0x5C);
    EXPECT_EQ(DbRig::at(m, 7), 0x7F);
    EXPECT_EQ(DbRig::at(m, 20), 0x00);
    EXPECT_FALSE(rig.cs->accessOpen());
    EXPECT_EQ(rig.cs->violations(), 0);
}

TEST(EndBootloader, WrongHandleIsAViolationAndRefusedWith121011)
{
    DbRig rig;
    rig.station();
    ASSERT_EQ(rig.open(), 0);
    rig.db.BootloaderHandle = 0x11;
    int r = 0;
    rig.db.EndBootloader(r);
    EXPECT_EQ(r, 121011);
    EXPECT_EQ(rig.cs->violations(), 1);
    EXPECT_TRUE(rig.cs->accessOpen());
}

TEST(EndBootloader, TimeOutGives120013)
{
    DbRig rig;
    int r = 0;
    rig.db.EndBootloader(r);
    EXPECT_EQ(r, 120013);
}

TEST(ReadSerialNumber, WorkedExampleGives1200066051)
{
    DbRig rig;
    sim::SimStationConfig config;
    config.serial = std::array<int, 4>{0xC7, 0x41, 0x02, 0x03};  // D1..D4
    rig.station(config);
    ASSERT_EQ(rig.open(), 0);
    double serial = 0;
    int id1 = -1, id2 = -1, id3 = -1, id4 = -1, r = 0;
    rig.db.ReadSerialNumber(serial, id1, id2, id3, id4, r);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(serial, 1200066051.0);
    EXPECT_EQ(id1, 0x03);
    EXPECT_EQ(id2, 0x02);
    EXPECT_EQ(id3, 0x41);
    EXPECT_EQ(id4, 0xC7);
    // Step 1 is the SAM flash read of area 63, step 2 the page read of record 240.
    const auto req = rig.requests();
    const QByteArray s1 = req[req.size() - 2];
    EXPECT_EQ(DbRig::at(s1, 7), 0x08);
    EXPECT_EQ(DbRig::at(s1, 8), 0x3F);
    EXPECT_EQ(DbRig::at(s1, 11), 0x5A);
    EXPECT_EQ(DbRig::at(req.back(), 26), 0x70);
    EXPECT_EQ(DbRig::at(req.back(), 25), 0x01);
    EXPECT_EQ(rig.cs->violations(), 0);
}

TEST(ReadSerialNumber, RefusedAreaReadOrNoDataReplyGives101011TimeOutStays13)
{
    double s = 0;
    int a = 0, b = 0, c = 0, d = 0;
    {
        DbRig rig;
        rig.device(sim::SimScriptedDevice::longAck(0x00));
        int r = 0;
        rig.db.ReadSerialNumber(s, a, b, c, d, r);
        EXPECT_EQ(r, 101011);
    }
    {
        DbRig rig;
        // Step 1 accepted, step 2 answered with an acknowledge instead of data.
        rig.device(sim::SimScriptedDevice::longAck(0x7F));
        int r = 0;
        rig.db.ReadSerialNumber(s, a, b, c, d, r);
        EXPECT_EQ(r, 101011);
    }
    {
        DbRig rig;
        int r = 0;
        rig.db.ReadSerialNumber(s, a, b, c, d, r);
        EXPECT_EQ(r, 13);
    }
}

TEST(AreaCommands, TimeOutIsReturnedAs13WithoutAStep)
{
    DbRig rig;
    int r = 0;
    rig.db.SamFlashRead(7501, r);
    EXPECT_EQ(r, 13);
    r = 0;
    rig.db.DataFlashWrite(7501, r);
    EXPECT_EQ(r, 13);
}

TEST(AreaCommands, RefusalGivesEachCommandsOwnCode)
{
    DbRig rig;
    rig.device(sim::SimScriptedDevice::longAck(0x00));
    int r = 0;
    rig.db.SamFlashRead(1, r);
    EXPECT_EQ(r, 1211);
    rig.db.SamFlashWrite(1, r);
    EXPECT_EQ(r, 1111);
    rig.db.DataFlashRead(1, r);
    EXPECT_EQ(r, 1311);
    rig.db.DataFlashWrite(1, r);
    EXPECT_EQ(r, 1411);
}

TEST(AreaCommands, OutsideAnOpenAccessTheStationRefusesAndCounts)
{
    DbRig rig;
    rig.station();
    int r = 0;
    rig.db.DataFlashRead(7501, r);
    EXPECT_EQ(r, 1311);
    EXPECT_EQ(rig.cs->violations(), 1);
}

TEST(Display, StationShowsTextAndCursorAndClears)
{
    DbRig rig;
    rig.station();
    int r = 0;
    rig.db.DisplaySetCursor(10, 50, r);
    EXPECT_EQ(r, 0);
    rig.db.DisplayWriteText(QStringLiteral("Datenbank lesen \u00e4\u03a9"), r);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(rig.cs->displayText(), QStringLiteral("Datenbank lesen \u00e4?"));
    EXPECT_EQ(rig.cs->displayCursor(), std::make_pair(10, 50));
    rig.db.DisplayClear(r);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(rig.cs->displayText(), QString());
    EXPECT_EQ(rig.cs->violations(), 0);
}

TEST(Display, RepliesAreNotExamined)
{
    DbRig rig;
    rig.device(sim::SimScriptedDevice::longAck(0x00));
    int r = 0;
    rig.db.DisplayClear(r);
    EXPECT_EQ(r, 0);
}
