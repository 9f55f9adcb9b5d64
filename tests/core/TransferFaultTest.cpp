// Locomotive reads and sends against a command station that misbehaves, on virtual time.
// Every case checks what the user is told (the critical box with ResultText of the code), that
// the database access is closed where the command station can still hear the close, that the
// port is closed, that no wait outlasts its bound, and that the table keeps what was read or
// edited.
#include "link/ResultText.h"
#include "loco/LocoFiles.h"
#include "loco/LocoTable.h"
#include "loco/LocoTransfer.h"
#include "support/SimRig.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <set>

using namespace kx2;
using kx2::test::SimRig;
using Flash = kx2::sim::SimCommandStation::Flash;

namespace {

const char* const kReadTitle = "Fehler beim Lesen der Datenbank";
const char* const kWriteTitle = "Fehler beim Schreiben der Datenbank";

// Seconds a read or send waits on purpose: the pause after opening the access, the simulator's
// ready message, and on success the two half-second pauses at the end.
constexpr double kFixedWaits = 1.0 + 0.3 + 1.0;
// Slack on top of the bounds for the exchanges that do get an answer (virtual time moves only
// when nothing is due, so this is generous).
constexpr double kSlack = 0.5;

// The one critical box a failed transfer shows.
void expectReported(const SimRig& rig, int code, const char* title)
{
    int critical = 0;
    for (const auto& c : rig.dialogs.calls)
        critical += c.icon == MsgIcon::Critical ? 1 : 0;
    ASSERT_EQ(critical, 1) << "exactly one error box";
    const auto& box = rig.dialogs.calls.back();
    EXPECT_EQ(box.title, title);
    EXPECT_EQ(box.icon, MsgIcon::Critical);
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
    EXPECT_EQ(box.text, ResultText(code)) << "code " << code;
}

void expectClosedAfterwards(const SimRig& rig)
{
    EXPECT_FALSE(rig.port.portOpen());
    EXPECT_TRUE(rig.controls.enabled);
    EXPECT_TRUE(rig.progress.visible) << "the step that failed stays in view";
}

void expectSlotsEqualStation(const SimRig& rig, int count)
{
    for (int i = 0; i < count; ++i) {
        const QByteArray rec = rig.station.area(Flash::Data, 7501 + i);
        EXPECT_EQ(rig.ctx.loco.status(i), 0) << "slot " << i;
        for (int c = 0; c < 80; ++c)
            ASSERT_EQ(rig.ctx.loco.value(i, c), static_cast<unsigned char>(rec[c])) << "slot " << i << " byte " << c;
    }
}

// The requests the command station sees, in order: 1 and 2 open the access, 3 to 5 the
// display, 6 and 7 the serial number, then per slot the area and its pages.
constexpr int kRequestsBeforeRecords = 7;

// Reads the seeded locomotives, then edits: slot 0 renamed (changed), slot 1 deleted, slot 2 a
// new format, a new locomotive in the first free slot.
struct EditedTable {
    LocoTable before;
    int newSlot = -1;
};

EditedTable readAndEdit(SimRig& rig, int seeded)
{
    rig.station.seedLocomotives(seeded);
    EXPECT_EQ(rig.ctx.locoTransfer().ReadLocoDatabase().result, 0);
    LocoTable& t = rig.ctx.loco;
    EXPECT_TRUE(t.renameRecord(0, QStringLiteral("Umbenannt")));
    t.deleteRecord(1);
    t.set(2, LocoTable::FormatCode, 83);
    t.set(2, LocoTable::FormatParam, 81);
    t.set(2, LocoTable::FormatPending, 1);
    EditedTable e;
    e.newSlot = *t.firstReusableSlot();
    t.createRecord(e.newSlot, 4321, QStringLiteral("Neue Lok"));
    e.before = t;
    rig.dialogs.clear();
    rig.progress.texts.clear();
    return e;
}

// What the user edited is still there: statuses, names, addresses, symbols, speeds, formats.
// (A send stamps record numbers into bytes 0..3 and gives new records their fixed bytes; those
// are the send's own doing.)
void expectEditsKept(const SimRig& rig, const EditedTable& e)
{
    const LocoTable& t = rig.ctx.loco;
    for (int i = 0; i <= 500; ++i) {
        ASSERT_EQ(t.status(i), e.before.status(i)) << "slot " << i;
        ASSERT_EQ(t.ReadLokname(i), e.before.ReadLokname(i)) << "slot " << i;
        ASSERT_EQ(t.address(i), e.before.address(i)) << "slot " << i;
        for (int f = 0; f < LocoTable::FunctionCount; ++f)
            ASSERT_EQ(t.symbol(i, f), e.before.symbol(i, f)) << "slot " << i;
        for (int c = LocoTable::FormatCode; c <= LocoTable::FormatPending; ++c)
            ASSERT_EQ(t.cell(i, c), e.before.cell(i, c)) << "slot " << i << " column " << c;
        if (t.status(i) != LocoTable::StatusNew) {
            ASSERT_EQ(t.maxSpeed(i), e.before.maxSpeed(i)) << "slot " << i;
        }
    }
}

// The command station ignores the tool's requests with these numbers, counted from now.
// Returns the count of requests the tool makes from now on.
std::shared_ptr<int> loseRequestsFromNow(SimRig& rig, std::set<int> lost)
{
    auto count = std::make_shared<int>(0);
    rig.bus.setMonitor([&rig, lost, count](const QByteArray& m) {
        if (static_cast<unsigned char>(m[0]) != 0xED)
            return; // an answer of the command station
        ++*count;
        rig.station.faults().noAnswerEvery = lost.count(*count) ? 1 : 0;
    });
    return count;
}

} // namespace

// --- no answer ---------------------------------------------------------------------------

TEST(ReadFaults, SilentCommandStationFailsAtTheFirstRequestAfterOneTimeOut)
{
    sim::SimFaults faults;
    faults.noAnswerEvery = 1;
    SimRig rig({}, faults);
    const double start = rig.clock.now();
    const LocoReadOutcome out = rig.ctx.locoTransfer().ReadLocoDatabase();
    EXPECT_EQ(out.result, 110013) << "Bootloader starten: Timeout";
    EXPECT_FALSE(out.showEditor);
    expectReported(rig, 110013, kReadTitle);
    expectClosedAfterwards(rig);
    EXPECT_FALSE(rig.station.accessOpen());
    EXPECT_EQ(rig.station.requestCount(), 1) << "an access that never opened is not closed";
    EXPECT_LE(rig.clock.now() - start, 2.0 + kSlack);
    for (int i = 0; i <= 500; ++i)
        ASSERT_EQ(rig.ctx.loco.status(i), 255);
}

TEST(ReadFaults, NothingOnTheBusNotEvenTheEchoTimesOutTheSameWay)
{
    sim::SimFaults faults;
    faults.noAnswerEvery = 1;
    SimRig rig({}, faults);
    rig.bus.setEcho(false);
    const double start = rig.clock.now();
    EXPECT_EQ(rig.ctx.locoTransfer().ReadLocoDatabase().result, 110013);
    expectReported(rig, 110013, kReadTitle);
    expectClosedAfterwards(rig);
    EXPECT_LE(rig.clock.now() - start, 2.0 + kSlack);
}

TEST(ReadFaults, ALostAnswerIsAskedForAgainAndOnlyThreeLostInARowEndTheRead)
{
    // Requests 6 and 7 read the serial number, 8 selects slot 0's area, 9 reads its page 0.
    struct Case {
        const char* what;
        std::set<int> lost;
        int code;
    };
    const Case cases[] = {
        {"one page answer lost", {9}, 0},
        {"the area answer lost twice", {8, 9}, 0},
        {"the serial number lost three times", {6, 7, 8}, 100013},
        {"a page lost three times", {9, 10, 11}, 210013},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SimRig rig;
        rig.station.seedLocomotives(3);
        loseRequestsFromNow(rig, c.lost);
        QBuffer trace;
        trace.open(QIODevice::WriteOnly);
        rig.ctx.link.setTrace(&trace);
        const double start = rig.clock.now();
        const LocoReadOutcome out = rig.ctx.locoTransfer().ReadLocoDatabase();
        EXPECT_EQ(out.result, c.code);
        EXPECT_EQ(trace.data().count("# keine Antwort, Wiederholung"), qsizetype(std::min<size_t>(c.lost.size(), 2)));
        EXPECT_LE(rig.clock.now() - start, 2.0 * double(c.lost.size()) + kFixedWaits + kSlack);
        EXPECT_FALSE(rig.station.accessOpen());
        if (c.code == 0) {
            expectSlotsEqualStation(rig, 3);
            EXPECT_TRUE(rig.dialogs.calls.empty());
            EXPECT_TRUE(rig.ctx.storedSerial.value(1).has_value());
        } else {
            expectReported(rig, c.code, kReadTitle);
            expectClosedAfterwards(rig);
            for (int i = 0; i <= 500; ++i)
                ASSERT_EQ(rig.ctx.loco.status(i), 255) << i;
        }
    }
}

TEST(ReadFaults, ReadyMessageThatNeverComesEndsAfterItsLimitWithTheAccessNotOpen)
{
    sim::SimFaults faults;
    faults.readyNeverComes = true;
    SimRig rig({}, faults);
    const double start = rig.clock.now();
    const LocoReadOutcome out = rig.ctx.locoTransfer().ReadLocoDatabase();
    EXPECT_EQ(out.result, 111013);
    expectReported(rig, 111013, kReadTitle);
    expectClosedAfterwards(rig);
    EXPECT_FALSE(rig.station.accessOpen());
    EXPECT_GE(rig.clock.now() - start, DbProtocol::ReadyWaitLimit);
    EXPECT_LE(rig.clock.now() - start, DbProtocol::ReadyWaitLimit + kSlack);
    EXPECT_EQ(rig.ctx.link.ReadyFlag, 255) << "nobody waits for the ready message any more";
}

// --- unwanted bytes on the bus -----------------------------------------------------------

TEST(ReadFaults, StrayDataBytesBeforeEveryAnswerAreDroppedAndTheReadSucceeds)
{
    sim::SimFaults faults;
    faults.strayBytes = true;
    SimRig rig({}, faults);
    rig.station.seedLocomotives(4);
    const LocoReadOutcome out = rig.ctx.locoTransfer().ReadLocoDatabase();
    ASSERT_EQ(out.result, 0) << ResultText(out.result).toStdString();
    expectSlotsEqualStation(rig, 4);
    EXPECT_TRUE(rig.dialogs.calls.empty());
    EXPECT_FALSE(rig.station.accessOpen());
}

TEST(ReadFaults, MessageLongerThanASlotIsAbandonedAndTheReadSucceeds)
{
    // Before every answer of the command station, a variable-length message that claims 80
    // bytes and one that claims 127: neither fits the 64 cells of a slot.
    SimRig rig;
    rig.station.seedLocomotives(4);
    QByteArray tooLong80(1, char(0xE7));
    tooLong80.append(char(80));
    for (int i = 2; i < 80; ++i)
        tooLong80.append(char(i & 0x7F));
    QByteArray tooLong127(1, char(0xEF));
    tooLong127.append(char(0x7F));
    tooLong127.append(QByteArray(125, char(0x33)));
    int injected = 0;
    rig.bus.setMonitor([&](const QByteArray& m) {
        if (static_cast<unsigned char>(m[0]) == 0xED)
            return; // the tool's own requests
        rig.bus.injectRaw(++injected % 2 ? tooLong80 : tooLong127);
    });
    const LocoReadOutcome out = rig.ctx.locoTransfer().ReadLocoDatabase();
    ASSERT_EQ(out.result, 0) << ResultText(out.result).toStdString();
    EXPECT_GT(injected, 500);
    expectSlotsEqualStation(rig, 4);
    EXPECT_GE(rig.ctx.link.RingWriteIndex, 0);
    EXPECT_LT(rig.ctx.link.RingWriteIndex, LocoNetLink::RingSlots);
}

TEST(ReadFaults, OtherDevicesTalkingThroughoutAreNoHindranceToReadOrSend)
{
    sim::SimFaults faults;
    faults.chatterInterval = 0.04;
    SimRig rig({}, faults);
    rig.bus.setBaudPace(16666);
    rig.station.seedLocomotives(5);
    const EditedTable e = readAndEdit(rig, 5);
    LocoTransfer transfer = rig.ctx.locoTransfer();
    ASSERT_EQ(transfer.SendLocoDatabase(), LocoSendOutcome::Sent) << ResultText(transfer.lastSendResult()).toStdString();
    ASSERT_EQ(rig.ctx.locoTransfer().ReadLocoDatabase().result, 0);
    EXPECT_EQ(rig.ctx.loco.ReadLokname(0), "Umbenannt");
    EXPECT_EQ(rig.ctx.loco.address(e.newSlot), 4321) << "in the deleted locomotive's slot";
    expectSlotsEqualStation(rig, 5);
    EXPECT_GT(rig.station.chatter()->sent(), 1000);
    EXPECT_EQ(rig.station.violations(), 0) << rig.station.violationLog().join("\n").toStdString();
}

// --- the interface vanishes (in-process) ---------------------------------------------------

TEST(ReadFaults, InterfaceUnpluggedMidReadEndsWithinTheTimeOutsAndKeepsTheRowsRead)
{
    // Slot 0 takes requests 8..13, slot 1 14..19; request 17 finds the interface gone.
    sim::SimFaults faults;
    faults.unplugAfterMessages = 16;
    SimRig rig({}, faults);
    rig.station.seedLocomotives(3);
    const double start = rig.clock.now();
    const LocoReadOutcome out = rig.ctx.locoTransfer().ReadLocoDatabase();
    EXPECT_EQ(out.result, 210013);
    expectReported(rig, 210013, kReadTitle);
    expectClosedAfterwards(rig);
    EXPECT_TRUE(rig.bus.vanished());
    // The port closed itself with the interface: neither the failed page nor the close waits
    // for its time-out.
    EXPECT_LE(rig.clock.now() - start, kFixedWaits + kSlack);
    expectSlotsEqualStation(rig, 1);
    EXPECT_EQ(rig.ctx.loco.status(1), 255) << "a slot read only in part is not taken";
    EXPECT_TRUE(rig.station.accessOpen()) << "the close cannot reach it; the next start opens it anew";
}

TEST(ReadFaults, RowsAFailedReadDidNotReachHoldNothingThatASaveLoadAndSendCouldBringBack)
{
    // A first read fills six rows; the second stops at slot 2 (requests 20..22 select its area).
    SimRig rig;
    rig.station.seedLocomotives(6);
    ASSERT_EQ(rig.ctx.locoTransfer().ReadLocoDatabase().result, 0);
    loseRequestsFromNow(rig, {20, 21, 22});
    ASSERT_EQ(rig.ctx.locoTransfer().ReadLocoDatabase().result, 210013);
    rig.bus.setMonitor({});
    rig.station.faults().noAnswerEvery = 0;
    const LocoTable& t = rig.ctx.loco;
    expectSlotsEqualStation(rig, 2);
    for (int i = 2; i <= 500; ++i) {
        ASSERT_EQ(t.status(i), 255) << i;
        ASSERT_FALSE(t.cell(i, LocoTable::FormatCode)) << i;
        for (int c = 0; c < LocoTable::RecordBytes; ++c)
            ASSERT_EQ(t.value(i, c), 255) << i << "/" << c;
        ASSERT_FALSE(t.findSlotByAddress(rig.ctx.loco.address(i)));
    }

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("teil.ISD"));
    ASSERT_EQ(LocoTableFile(rig.ctx.loco, rig.ctx.storedSerial).saveTo(file), QString());
    ASSERT_TRUE(LoadLocoTableFile(file, rig.ctx.loco, rig.ctx.storedSerial).ok());
    std::vector<QByteArray> before;
    for (int i = 0; i < 6; ++i)
        before.push_back(rig.station.area(Flash::Data, 7501 + i));
    ASSERT_EQ(rig.ctx.locoTransfer().SendLocoDatabase(), LocoSendOutcome::Sent);
    for (int i = 0; i < 2; ++i)
        EXPECT_NE(rig.station.area(Flash::Data, 7501 + i), before[size_t(i)]) << "rewritten: " << i;
    for (int i = 2; i < 6; ++i)
        EXPECT_EQ(rig.station.area(Flash::Data, 7501 + i), before[size_t(i)]) << "untouched: " << i;
    EXPECT_EQ(rig.station.violations(), 0);
}

// --- sends -------------------------------------------------------------------------------

TEST(SendFaults, SilentCommandStationWritesNothingAndKeepsEveryEdit)
{
    SimRig rig;
    const EditedTable e = readAndEdit(rig, 4);
    const QByteArray slot0 = rig.station.area(Flash::Data, 7501);
    rig.station.faults().noAnswerEvery = 1;
    LocoTransfer transfer = rig.ctx.locoTransfer();
    const double start = rig.clock.now();
    EXPECT_EQ(transfer.SendLocoDatabase(), LocoSendOutcome::Failed);
    EXPECT_EQ(transfer.lastSendResult(), 110013);
    expectReported(rig, 110013, kWriteTitle);
    expectClosedAfterwards(rig);
    EXPECT_LE(rig.clock.now() - start, 2.0 + kSlack);
    EXPECT_TRUE(rig.ctx.loco == e.before) << "nothing was written, so not even a record number changed";
    EXPECT_EQ(rig.station.area(Flash::Data, 7501), slot0);
}

TEST(SendFaults, LostAnswersOfTheSerialReadEndTheSendBeforeAnythingIsWrittenWithoutAQuestion)
{
    // Requests 6..8 are the serial number's area read and its two repetitions.
    SimRig rig;
    const EditedTable e = readAndEdit(rig, 4);
    const QByteArray slot0 = rig.station.area(Flash::Data, 7501);
    loseRequestsFromNow(rig, {6, 7, 8});
    LocoTransfer transfer = rig.ctx.locoTransfer();
    EXPECT_EQ(transfer.SendLocoDatabase(), LocoSendOutcome::Failed);
    EXPECT_EQ(transfer.lastSendResult(), 100013) << "Seriennummer lesen: Timeout";
    ASSERT_EQ(rig.dialogs.calls.size(), 2u) << "the first question and the error, nothing about another station";
    expectReported(rig, 100013, kWriteTitle);
    expectClosedAfterwards(rig);
    EXPECT_FALSE(rig.station.accessOpen());
    EXPECT_EQ(rig.station.area(Flash::Data, 7501), slot0) << "no record written";
    EXPECT_TRUE(rig.ctx.loco == e.before);
}

TEST(SendFaults, ALostWriteAnswerIsNotRepeated)
{
    // 7 requests open the send, 19 read the index; request 27 selects slot 0's area, 28 writes
    // its first page.
    SimRig rig;
    const EditedTable e = readAndEdit(rig, 4);
    const auto requests = loseRequestsFromNow(rig, {28});
    LocoTransfer transfer = rig.ctx.locoTransfer();
    EXPECT_EQ(transfer.SendLocoDatabase(), LocoSendOutcome::Failed);
    EXPECT_EQ(transfer.lastSendResult(), 220013) << "Write LongData: Timeout";
    expectReported(rig, 220013, kWriteTitle);
    EXPECT_EQ(*requests, 29) << "the lost write, then only the close";
    expectEditsKept(rig, e);
}

TEST(SendFaults, RefusedPageWritesAreReportedAndLeaveDeviceAndTableAsTheyWere)
{
    SimRig rig;
    const EditedTable e = readAndEdit(rig, 4);
    const QByteArray slot0 = rig.station.area(Flash::Data, 7501);
    rig.station.faults().refusePageWrites = true;
    LocoTransfer transfer = rig.ctx.locoTransfer();
    const double start = rig.clock.now();
    EXPECT_EQ(transfer.SendLocoDatabase(), LocoSendOutcome::Failed);
    EXPECT_EQ(transfer.lastSendResult(), 221611) << "Write LongData: Daten senden: keine Antwort";
    expectReported(rig, 221611, kWriteTitle);
    expectClosedAfterwards(rig);
    EXPECT_FALSE(rig.station.accessOpen());
    EXPECT_LE(rig.clock.now() - start, kFixedWaits + kSlack);
    EXPECT_EQ(rig.station.area(Flash::Data, 7501), slot0);
    expectEditsKept(rig, e);
}

TEST(SendFaults, RefusedFormatWritesAreReportedAfterTheRecordsWereWritten)
{
    SimRig rig;
    const EditedTable e = readAndEdit(rig, 4);
    const auto oldFormat = rig.station.locoFormat(rig.ctx.loco.address(2));
    rig.station.faults().refuseFormatWrites = true;
    LocoTransfer transfer = rig.ctx.locoTransfer();
    EXPECT_EQ(transfer.SendLocoDatabase(), LocoSendOutcome::Failed);
    EXPECT_EQ(transfer.lastSendResult(), 401032) << "Lokdatenformat: Programmierung fehlgeschlagen";
    expectReported(rig, 401032, kWriteTitle);
    expectClosedAfterwards(rig);
    EXPECT_FALSE(rig.station.accessOpen());
    EXPECT_EQ(rig.station.locoFormat(rig.ctx.loco.address(2)), oldFormat);
    // The records went before the formats and are on the device.
    LocoTable written;
    for (int c = 0; c < 80; ++c)
        written.set(0, c, static_cast<unsigned char>(rig.station.area(Flash::Data, 7501)[c]));
    EXPECT_EQ(written.ReadLokname(0), "Umbenannt");
    expectEditsKept(rig, e);
}

TEST(SendFaults, InterfaceUnpluggedMidSendEndsWithinTheTimeOutsAndKeepsEveryEdit)
{
    SimRig rig;
    const EditedTable e = readAndEdit(rig, 4);
    // 7 requests open the send, 4 read the index of area 964 (area, page 0 and, as the index
    // holds entries, 15 more pages) ... request 30 is well inside the record writes.
    rig.station.faults().unplugAfterMessages = rig.station.requestCount() + 30;
    LocoTransfer transfer = rig.ctx.locoTransfer();
    const double start = rig.clock.now();
    EXPECT_EQ(transfer.SendLocoDatabase(), LocoSendOutcome::Failed);
    const int code = transfer.lastSendResult();
    EXPECT_EQ(code % 100, 13) << code;
    expectReported(rig, code, kWriteTitle);
    expectClosedAfterwards(rig);
    EXPECT_LE(rig.clock.now() - start, kFixedWaits + kSlack) << "no time-out waited for";
    expectEditsKept(rig, e);
}
