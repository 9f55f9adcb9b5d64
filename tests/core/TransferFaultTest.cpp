// Locomotive reads and sends against a command station that misbehaves, on virtual time.
// Every case checks what the user is told (the critical box with ResultText of the code), that
// the database access is closed where the command station can still hear the close, that the
// port is closed, that no wait outlasts its bound, and that the table keeps what was read or
// edited.
#include "link/ResultText.h"
#include "loco/LocoTable.h"
#include "loco/LocoTransfer.h"
#include "support/SimRig.h"

#include <gtest/gtest.h>

#include <memory>

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
    EXPECT_FALSE(rig.progress.visible);
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
    EXPECT_EQ(LocoTransfer(rig.ctx).ReadLocoDatabase().result, 0);
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

// From now on the command station ignores every nth request of the tool.
void loseEveryNthRequestFromNow(SimRig& rig, int n)
{
    auto count = std::make_shared<int>(0);
    rig.bus.setMonitor([&rig, n, count](const QByteArray& m) {
        if (static_cast<unsigned char>(m[0]) != 0xED)
            return; // an answer of the command station
        ++*count;
        rig.station.faults().noAnswerEvery = *count % n == 0 ? 1 : 0;
    });
}

} // namespace

// --- no answer ---------------------------------------------------------------------------

TEST(ReadFaults, SilentCommandStationFailsAtTheFirstRequestAfterOneTimeOut)
{
    sim::SimFaults faults;
    faults.noAnswerEvery = 1;
    SimRig rig({}, faults);
    const double start = rig.clock.now();
    const LocoReadOutcome out = LocoTransfer(rig.ctx).ReadLocoDatabase();
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
    EXPECT_EQ(LocoTransfer(rig.ctx).ReadLocoDatabase().result, 110013);
    expectReported(rig, 110013, kReadTitle);
    expectClosedAfterwards(rig);
    EXPECT_LE(rig.clock.now() - start, 2.0 + kSlack);
}

TEST(ReadFaults, EverySeventhRequestLostStopsAtTheFirstLostRecordRequestAndKeepsTheRowsRead)
{
    // Request 7 (the serial-number record) is lost: that failure only makes the command station
    // unknown. Request 14 is the area command of slot 1: the read stops there with
    // "Read LongData:" and a time-out; slot 0 (requests 8..13) stays read. The close, request
    // 15, is heard.
    sim::SimFaults faults;
    faults.noAnswerEvery = 7;
    SimRig rig({}, faults);
    rig.station.seedLocomotives(3);
    const double start = rig.clock.now();
    const LocoReadOutcome out = LocoTransfer(rig.ctx).ReadLocoDatabase();
    EXPECT_EQ(out.result, 210013);
    EXPECT_FALSE(out.showEditor);
    expectReported(rig, 210013, kReadTitle);
    expectClosedAfterwards(rig);
    EXPECT_FALSE(rig.station.accessOpen()) << "the close after the failure is request 15 and is answered";
    EXPECT_EQ(rig.station.requestCount(), 15);
    EXPECT_LE(rig.clock.now() - start, 2 * 2.0 + kFixedWaits + kSlack);
    expectSlotsEqualStation(rig, 1);
    for (int i = 1; i <= 500; ++i)
        ASSERT_EQ(rig.ctx.loco.status(i), 255) << i;
    for (int k = 1; k <= 4; ++k)
        EXPECT_FALSE(rig.ctx.storedSerial.value(k).has_value()) << "an identity that could not be read is unknown";
}

TEST(ReadFaults, ReadyMessageThatNeverComesEndsAfterItsLimitWithTheAccessNotOpen)
{
    sim::SimFaults faults;
    faults.readyNeverComes = true;
    SimRig rig({}, faults);
    const double start = rig.clock.now();
    const LocoReadOutcome out = LocoTransfer(rig.ctx).ReadLocoDatabase();
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
    const LocoReadOutcome out = LocoTransfer(rig.ctx).ReadLocoDatabase();
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
    const LocoReadOutcome out = LocoTransfer(rig.ctx).ReadLocoDatabase();
    ASSERT_EQ(out.result, 0) << ResultText(out.result).toStdString();
    EXPECT_GT(injected, 500);
    expectSlotsEqualStation(rig, 4);
    EXPECT_GE(rig.ctx.link.RingWriteIndex, 0);
    EXPECT_LT(rig.ctx.link.RingWriteIndex, LocoNetLink::RingSlots);
}

TEST(ReadFaults, ForeignMessageBeforeTheFirstAnswerIsTakenForItAndTheStartFails)
{
    // The exchange does not match answers by content: the sensor report that arrives first
    // stands in slot 1 and is no acknowledge.
    sim::SimFaults faults;
    faults.foreignMessageEvery = 1;
    SimRig rig({}, faults);
    const double start = rig.clock.now();
    const LocoReadOutcome out = LocoTransfer(rig.ctx).ReadLocoDatabase();
    EXPECT_EQ(out.result, 111011) << "Bootloader starten: keine Antwort";
    expectReported(rig, 111011, kReadTitle);
    expectClosedAfterwards(rig);
    EXPECT_FALSE(rig.station.accessOpen());
    EXPECT_LE(rig.clock.now() - start, kSlack);
}

TEST(ReadFaults, ForeignMessageInPlaceOfAPageIsAFailureNotAPage)
{
    // Answer 9 is page 0 of slot 0. Taken as the page, the sensor report would fill the slot
    // with what an earlier answer left in the ring cells; the read stops instead.
    sim::SimFaults faults;
    faults.foreignMessageEvery = 9;
    SimRig rig({}, faults);
    rig.station.seedLocomotives(3);
    const LocoReadOutcome out = LocoTransfer(rig.ctx).ReadLocoDatabase();
    EXPECT_EQ(out.result, 211011) << "Read LongData: keine Antwort";
    expectReported(rig, 211011, kReadTitle);
    expectClosedAfterwards(rig);
    EXPECT_FALSE(rig.station.accessOpen());
    EXPECT_EQ(rig.ctx.loco.status(0), 255) << "no page of another message in the table";
    EXPECT_EQ(rig.ctx.loco.value(0, 4), 0) << "the slot keeps what it held";
}

TEST(ReadFaults, ForeignMessageInPlaceOfADataFormatIsAFailureNotAFormat)
{
    // 3 locomotives: answers 8..25 are their records (area + 5 pages each), 26..1019 the 497
    // empty slots (area + 1 page each), then the three format answers 1020, 1021, 1022.
    sim::SimFaults faults;
    faults.foreignMessageEvery = 1021;
    SimRig rig({}, faults);
    rig.station.seedLocomotives(3);
    const LocoReadOutcome out = LocoTransfer(rig.ctx).ReadLocoDatabase();
    EXPECT_EQ(out.result, 1011);
    expectReported(rig, 1011, kReadTitle);
    expectClosedAfterwards(rig);
    EXPECT_FALSE(rig.station.accessOpen());
    const auto f0 = rig.station.locoFormat(rig.ctx.loco.address(0));
    EXPECT_EQ(rig.ctx.loco.value(0, LocoTable::FormatCode), f0.first);
    EXPECT_FALSE(rig.ctx.loco.cell(1, LocoTable::FormatCode).has_value()) << "no format from another message";
    expectSlotsEqualStation(rig, 3);
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
    const LocoReadOutcome out = LocoTransfer(rig.ctx).ReadLocoDatabase();
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

// --- sends -------------------------------------------------------------------------------

TEST(SendFaults, SilentCommandStationWritesNothingAndKeepsEveryEdit)
{
    SimRig rig;
    const EditedTable e = readAndEdit(rig, 4);
    const QByteArray slot0 = rig.station.area(Flash::Data, 7501);
    rig.station.faults().noAnswerEvery = 1;
    LocoTransfer transfer(rig.ctx);
    const double start = rig.clock.now();
    EXPECT_EQ(transfer.SendLocoDatabase(), LocoSendOutcome::Failed);
    EXPECT_EQ(transfer.lastSendResult(), 110013);
    expectReported(rig, 110013, kWriteTitle);
    expectClosedAfterwards(rig);
    EXPECT_LE(rig.clock.now() - start, 2.0 + kSlack);
    EXPECT_TRUE(rig.ctx.loco == e.before) << "nothing was written, so not even a record number changed";
    EXPECT_EQ(rig.station.area(Flash::Data, 7501), slot0);
}

TEST(SendFaults, EverySeventhRequestLostAsksAboutTheDeviceThenStopsAndKeepsEveryEdit)
{
    // Counted from the start of the send. Request 7 is the serial-number record: without it the
    // command station cannot be told apart from another one, so the user is asked before
    // anything is overwritten (answered Yes here: every locomotive becomes new). Request 14 is
    // page 5 of the index in area 964: the send stops with "Read ID Tab.:" and a time-out, the
    // close (request 15) is heard.
    SimRig rig;
    const EditedTable e = readAndEdit(rig, 4);
    const QByteArray slot0 = rig.station.area(Flash::Data, 7501);
    loseEveryNthRequestFromNow(rig, 7);
    LocoTransfer transfer(rig.ctx);
    const double start = rig.clock.now();
    EXPECT_EQ(transfer.SendLocoDatabase(), LocoSendOutcome::Failed);
    EXPECT_EQ(transfer.lastSendResult(), 270013);
    ASSERT_GE(rig.dialogs.calls.size(), 3u);
    EXPECT_EQ(rig.dialogs.calls[1].title, "Lokdaten") << "the question about another command station";
    expectReported(rig, 270013, kWriteTitle);
    expectClosedAfterwards(rig);
    EXPECT_FALSE(rig.station.accessOpen());
    EXPECT_LE(rig.clock.now() - start, 2 * 2.0 + kFixedWaits + kSlack);
    EXPECT_EQ(rig.station.area(Flash::Data, 7501), slot0) << "no record written";
    const LocoTable& t = rig.ctx.loco;
    for (int i = 0; i < LocoTable::SlotCount; ++i) {
        ASSERT_EQ(t.ReadLokname(i), e.before.ReadLokname(i)) << i;
        ASSERT_EQ(t.address(i), e.before.address(i)) << i;
        if (LocoTable::isValidAddress(e.before.address(i))) {
            ASSERT_EQ(t.status(i), LocoTable::StatusNew) << "confirmed as a complete replacement: " << i;
        }
    }
}

TEST(SendFaults, RefusedPageWritesAreReportedAndLeaveDeviceAndTableAsTheyWere)
{
    SimRig rig;
    const EditedTable e = readAndEdit(rig, 4);
    const QByteArray slot0 = rig.station.area(Flash::Data, 7501);
    rig.station.faults().refusePageWrites = true;
    LocoTransfer transfer(rig.ctx);
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
    LocoTransfer transfer(rig.ctx);
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
    LocoTransfer transfer(rig.ctx);
    const double start = rig.clock.now();
    EXPECT_EQ(transfer.SendLocoDatabase(), LocoSendOutcome::Failed);
    const int code = transfer.lastSendResult();
    EXPECT_EQ(code % 100, 13) << code;
    expectReported(rig, code, kWriteTitle);
    expectClosedAfterwards(rig);
    EXPECT_LE(rig.clock.now() - start, kFixedWaits + kSlack) << "no time-out waited for";
    expectEditsKept(rig, e);
}
