#include "loco/LocoTable.h"
#include "loco/LocoTransfer.h"
#include "link/ResultText.h"
#include "support/SimRig.h"

#include <gtest/gtest.h>

using namespace kx2;
using kx2::test::SimRig;
using Flash = kx2::sim::SimCommandStation::Flash;

namespace {

// What went over the bus, by kind of request.
struct BusCounts {
    int areaReads = 0;     // DataFlashRead
    int areaWrites = 0;    // DataFlashWrite
    int pageReads = 0;
    int pageWrites = 0;
    int formatReads = 0;
    int formatWrites = 0;
};

void countRequests(SimRig& rig, BusCounts& counts)
{
    rig.bus.setMonitor([&counts](const QByteArray& m) {
        const int op = static_cast<unsigned char>(m[0]);
        if (op != 0xED || m.size() < 2)
            return;
        if (m[1] == 0x0F) {
            const int request = m[5];
            if (request == 13) ++counts.formatReads;
            if (request == 12) ++counts.formatWrites;
            return;
        }
        const int s1 = static_cast<unsigned char>(m[15]) >> 4;
        const int s2 = static_cast<unsigned char>(m[20]) >> 4;
        const int d1 = m[6] | ((m[5] & 1) << 7);
        const int d2 = m[7] | ((m[5] & 2) << 6);
        if (s1 == 4 && s2 == 4) ++counts.pageReads;
        if (s1 == 4 && s2 == 2) ++counts.pageWrites;
        if (s1 == 3 && s2 == 3 && d2 == 0x0A && d1 == 0x45) ++counts.areaReads;
        if (s1 == 3 && s2 == 3 && d2 == 0x0A && d1 == 0xDF) ++counts.areaWrites;
    });
}

// A locomotive as a file or the editor leaves it: every record byte set, status changed.
void putLoco(LocoTable& t, int slot, int address, const QString& name, int formatIndex, int firstSymbol)
{
    for (int c = 0; c < 80; ++c)
        t.set(slot, c, (slot * 7 + c * 13) % 256);
    t.set(slot, 3, 0);
    t.WriteLokname(slot, name);
    t.setAddress(slot, address);
    t.set(slot, LocoTable::SlotLow, slot & 255);
    t.set(slot, LocoTable::SlotHigh, slot >> 8);
    for (int f = 0; f < LocoTable::FunctionCount; ++f)
        t.set(slot, LocoTable::symbolColumn(f), (firstSymbol + f) % 80);
    t.set(slot, LocoTable::MaxSpeedHalf, 40 + slot);
    t.setStatus(slot, LocoTable::StatusChanged);
    t.set(slot, LocoTable::FormatCode, kLocoFormats[formatIndex].code);
    t.set(slot, LocoTable::FormatParam, kLocoFormats[formatIndex].param);
    t.set(slot, LocoTable::FormatPending, 1);
}

void storeSerialOf(SimRig& rig)
{
    const auto s = rig.station.serialBytes();
    for (int k = 0; k < 4; ++k)
        rig.ctx.storedSerial.set(k + 1, s[3 - k]); // id1 is D4 ... id4 is D1
}

} // namespace

TEST(LocoRead, EmptyDatabaseCostsOneAreaCommandAndOnePagePerSlot)
{
    SimRig rig;
    BusCounts counts;
    countRequests(rig, counts);
    const LocoReadOutcome out = rig.ctx.locoTransfer().ReadLocoDatabase();
    EXPECT_EQ(out.result, 0);
    EXPECT_TRUE(out.showEditor);
    for (int i = 0; i <= 500; ++i)
        ASSERT_EQ(rig.ctx.loco.status(i), 255) << i;
    for (int c = 0; c < 80; ++c)
        EXPECT_EQ(rig.ctx.loco.value(17, c), 255);
    EXPECT_EQ(counts.areaReads, 500);
    EXPECT_EQ(counts.pageReads, 500 + 1); // and the serial-number record
    EXPECT_EQ(counts.formatReads, 0);
    EXPECT_EQ(rig.station.violations(), 0) << rig.station.violationLog().join("\n").toStdString();
    EXPECT_FALSE(rig.station.accessOpen());
    EXPECT_FALSE(rig.port.portOpen());
    EXPECT_TRUE(rig.controls.enabled);
    EXPECT_FALSE(rig.progress.visible);
    EXPECT_TRUE(rig.dialogs.calls.empty());
}

TEST(LocoRead, SeededDatabaseReadsEveryRecordAndFormat)
{
    SimRig rig;
    rig.station.seedLocomotives(12);
    rig.station.setLocoFormat(rig.station.area(Flash::Data, 7501 + 3)[32], 83, 81);
    BusCounts counts;
    countRequests(rig, counts);
    const LocoReadOutcome out = rig.ctx.locoTransfer().ReadLocoDatabase();
    ASSERT_EQ(out.result, 0) << ResultText(out.result).toStdString();
    const LocoTable& t = rig.ctx.loco;
    for (int i = 0; i < 12; ++i) {
        const QByteArray rec = rig.station.area(Flash::Data, 7501 + i);
        EXPECT_EQ(t.status(i), 0);
        for (int c = 0; c < 80; ++c)
            ASSERT_EQ(t.value(i, c), static_cast<unsigned char>(rec[c])) << "slot " << i << " byte " << c;
        const auto f = rig.station.locoFormat(t.address(i));
        EXPECT_EQ(t.value(i, LocoTable::FormatCode), f.first);
        EXPECT_EQ(t.value(i, LocoTable::FormatParam), f.second);
        EXPECT_EQ(t.value(i, LocoTable::FormatPending), 0);
    }
    EXPECT_EQ(t.status(12), 255);
    EXPECT_EQ(counts.formatReads, 12);
    EXPECT_EQ(counts.pageReads, 500 + 1 + 12 * 4);
    EXPECT_EQ(rig.station.violations(), 0);
    const auto s = rig.station.serialBytes();
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(rig.ctx.storedSerial.value(k + 1), s[3 - k]) << "id1 is D4, id4 is D1";
    EXPECT_TRUE(rig.progress.texts.contains(" Lokdatensatz 0 lesen"));
    EXPECT_TRUE(rig.progress.texts.contains(" Lokdatensatz 499 lesen"));
    EXPECT_EQ(rig.progress.texts.last(), " fertig!");
}

TEST(LocoRead, PortThatCannotBeOpenedStillOpensTheEditorOnAnEmptyTable)
{
    SimRig rig;
    rig.port.setUnplugged(true);
    rig.ctx.loco.setStatus(4, 0);
    const LocoReadOutcome out = rig.ctx.locoTransfer().ReadLocoDatabase();
    EXPECT_EQ(out.result, 990098);
    EXPECT_TRUE(out.showEditor);
    EXPECT_EQ(rig.ctx.loco.status(4), 255);
    ASSERT_EQ(rig.dialogs.calls.size(), 1u);
    EXPECT_EQ(rig.dialogs.calls[0].title, "Fehler beim Lesen der Datenbank");
    EXPECT_EQ(rig.dialogs.calls[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(rig.dialogs.calls[0].text.startsWith(ResultText(990098))); // then the port and why
    EXPECT_TRUE(rig.controls.enabled);
}

TEST(LocoRead, TimeOutOnTheFirstFormatRequestAbortsAfterTheRecords)
{
    SimRig rig;
    rig.station.seedLocomotives(3);
    rig.bus.setMonitor([&rig](const QByteArray& m) {
        if (static_cast<unsigned char>(m[0]) == 0xED && m[1] == 0x0F)
            rig.station.faults().noAnswerEvery = 1;
    });
    const LocoReadOutcome out = rig.ctx.locoTransfer().ReadLocoDatabase();
    EXPECT_EQ(out.result, 13);
    EXPECT_FALSE(out.showEditor);
    EXPECT_EQ(rig.ctx.loco.status(2), 0) << "the records read stay in the table";
    ASSERT_FALSE(rig.dialogs.calls.empty());
    EXPECT_EQ(rig.dialogs.calls[0].text, ResultText(13));
    EXPECT_FALSE(rig.port.portOpen());
}

TEST(LocoRead, ReadyMessageThatNeverComesIsReported)
{
    sim::SimFaults faults;
    faults.readyNeverComes = true;
    SimRig rig({}, faults);
    const double start = rig.clock.now();
    const LocoReadOutcome out = rig.ctx.locoTransfer().ReadLocoDatabase();
    EXPECT_NE(out.result, 0);
    EXPECT_EQ(out.result / 10000, 11) << "names the bootloader start";
    EXPECT_LT(rig.clock.now() - start, 30.0);
    EXPECT_FALSE(rig.port.portOpen());
}

TEST(LocoSend, NothingPendingOpensNoPort)
{
    SimRig rig;
    rig.ctx.loco.markAllForDeviceRead();
    BusCounts counts;
    countRequests(rig, counts);
    EXPECT_EQ(rig.ctx.locoTransfer().SendLocoDatabase(), LocoSendOutcome::NothingPending);
    EXPECT_TRUE(rig.dialogs.calls.empty());
    EXPECT_EQ(rig.station.requestCount(), 0);
}

TEST(LocoSend, DecliningTheQuestionWritesNothing)
{
    SimRig rig;
    rig.ctx.loco.markAllForDeviceRead();
    putLoco(rig.ctx.loco, 0, 3, "V 100", 3, 1);
    rig.dialogs.answerNext(MsgAnswer::No);
    EXPECT_EQ(rig.ctx.locoTransfer().SendLocoDatabase(), LocoSendOutcome::Declined);
    ASSERT_EQ(rig.dialogs.calls.size(), 1u);
    EXPECT_EQ(rig.dialogs.calls[0].title, "Lokomotiven");
    EXPECT_EQ(rig.dialogs.calls[0].text, "Sollen die geänderten Datensätze in der TQ7 gespeichert werden?");
    EXPECT_EQ(rig.station.requestCount(), 0);
}

TEST(LocoSend, EveryFormatNameAndSymbolSurvivesSendAndReadBack)
{
    SimRig rig;
    LocoTable& t = rig.ctx.loco;
    t.markAllForDeviceRead();
    storeSerialOf(rig);
    putLoco(t, 0, 1, QStringLiteral("Größte Dampflok Ä"), 0, 0);
    putLoco(t, 1, 9999, QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVW"), 1, 29);
    putLoco(t, 2, 4711, QStringLiteral("Schienenbus ß"), 2, 58);
    putLoco(t, 3, 80, QString(), 3, 51);
    putLoco(t, 4, 1234, QStringLiteral("BR 218 €"), 4, 79 - 28);
    putLoco(t, 5, 300, QStringLiteral("Selectrix-Lok"), 5, 7);
    const LocoTable sent = t;

    LocoTransfer transfer = rig.ctx.locoTransfer();
    ASSERT_EQ(transfer.SendLocoDatabase(), LocoSendOutcome::Sent) << ResultText(transfer.lastSendResult()).toStdString();
    EXPECT_EQ(rig.station.violations(), 0) << rig.station.violationLog().join("\n").toStdString();

    LocoTable before = t;
    const LocoReadOutcome out = rig.ctx.locoTransfer().ReadLocoDatabase();
    ASSERT_EQ(out.result, 0);
    for (int i = 0; i < 6; ++i) {
        for (int c = 4; c < 80; ++c)
            EXPECT_EQ(t.value(i, c), sent.value(i, c)) << "slot " << i << " byte " << c;
        EXPECT_EQ(t.value(i, LocoTable::FormatCode), sent.value(i, LocoTable::FormatCode));
        EXPECT_EQ(t.value(i, LocoTable::FormatParam), sent.value(i, LocoTable::FormatParam));
        // The record number came from the counter.
        EXPECT_EQ(t.value(i, 0), before.value(i, 0));
        EXPECT_EQ(t.value(i, 3), 0);
    }
    EXPECT_EQ(t.ReadLokname(1), "ABCDEFGHIJKLMNOPQRSTUVW");
    EXPECT_EQ(t.ReadLokname(0), QStringLiteral("Größte Dampflok Ä"));
    EXPECT_EQ(t.address(1), 9999);
    EXPECT_EQ(rig.station.violations(), 0);
}

TEST(LocoSend, RecordNumbersFollowTheIndexCounter)
{
    SimRig rig;
    rig.station.seedLocomotives(2);
    ASSERT_EQ(rig.ctx.locoTransfer().ReadLocoDatabase().result, 0);
    LocoTable& t = rig.ctx.loco;
    uint32_t highest = 0;
    for (int i = 0; i < 2; ++i)
        highest = std::max<uint32_t>(highest, uint32_t(t.value(i, 0)) | uint32_t(t.value(i, 1)) << 8);
    t.WriteLokname(1, "Neu");
    t.setStatus(1, LocoTable::StatusChanged);
    ASSERT_EQ(rig.ctx.locoTransfer().SendLocoDatabase(), LocoSendOutcome::Sent);
    const QByteArray rec = rig.station.area(Flash::Data, 7502);
    const uint32_t id = uint8_t(rec[0]) | uint8_t(rec[1]) << 8 | uint8_t(rec[2]) << 16 | uint32_t(uint8_t(rec[3])) << 24;
    EXPECT_EQ(id, highest + 1);

    // After the send the table is what the station holds: nothing is left to write, and the
    // next change gets the next number.
    EXPECT_EQ(t.status(1), LocoTable::StatusUnchanged);
    EXPECT_EQ(rig.ctx.locoTransfer().SendLocoDatabase(), LocoSendOutcome::NothingPending);
    EXPECT_TRUE(t.renameRecord(1, "Neuer"));
    ASSERT_EQ(rig.ctx.locoTransfer().SendLocoDatabase(), LocoSendOutcome::Sent);
    const QByteArray again = rig.station.area(Flash::Data, 7502);
    EXPECT_EQ(uint8_t(again[0]) | uint8_t(again[1]) << 8, int(highest + 2));
    EXPECT_EQ(rig.station.violations(), 0);
}

TEST(LocoSend, DeletedSlotIsErasedWithOnePageAndNoNewNumber)
{
    SimRig rig;
    rig.station.seedLocomotives(3);
    ASSERT_EQ(rig.ctx.locoTransfer().ReadLocoDatabase().result, 0);
    rig.ctx.loco.deleteRecord(1);
    BusCounts counts;
    countRequests(rig, counts);
    ASSERT_EQ(rig.ctx.locoTransfer().SendLocoDatabase(), LocoSendOutcome::Sent);
    EXPECT_EQ(counts.pageWrites, 1) << "deleted slot only: no index write";
    EXPECT_EQ(counts.areaWrites, 1);
    EXPECT_EQ(rig.station.area(Flash::Data, 7502).left(16), QByteArray(16, char(0xFF)));
    EXPECT_EQ(rig.station.violations(), 0);

    ASSERT_EQ(rig.ctx.locoTransfer().ReadLocoDatabase().result, 0);
    EXPECT_EQ(rig.ctx.loco.status(1), 255);
    EXPECT_EQ(rig.ctx.loco.status(2), 0);
}

TEST(LocoSend, OnlyAFormatChangeWritesOneFormatAndNoRecord)
{
    SimRig rig;
    rig.station.seedLocomotives(2);
    ASSERT_EQ(rig.ctx.locoTransfer().ReadLocoDatabase().result, 0);
    LocoTable& t = rig.ctx.loco;
    t.set(0, LocoTable::FormatCode, 83);
    t.set(0, LocoTable::FormatParam, 81);
    t.set(0, LocoTable::FormatPending, 1);
    BusCounts counts;
    countRequests(rig, counts);
    ASSERT_EQ(rig.ctx.locoTransfer().SendLocoDatabase(), LocoSendOutcome::Sent);
    EXPECT_EQ(counts.pageWrites, 0);
    EXPECT_EQ(counts.formatWrites, 1);
    EXPECT_EQ(rig.station.locoFormat(t.address(0)), std::make_pair(83, 81));
}

TEST(LocoSend, NewLocomotiveIsWrittenAsShownWithTheNewRecordValues)
{
    // One as created (80 km/h), one whose speed and a symbol were changed in their dialogs
    // (the editor keeps it new), both in slots that held other locomotives before.
    SimRig rig;
    ASSERT_EQ(rig.ctx.locoTransfer().ReadLocoDatabase().result, 0);
    LocoTable& t = rig.ctx.loco;
    for (int slot : {0, 1}) {
        for (int c = 0; c < LocoTable::RecordBytes; ++c)
            t.set(slot, c, 0x11); // what the slot's earlier occupant left behind
        t.createRecord(slot, 62 + slot, "Neue Lok");
    }
    t.set(1, LocoTable::MaxSpeedHalf, 60);
    t.set(1, LocoTable::symbolColumn(3), 17);
    t.markEdited(1);
    ASSERT_EQ(rig.ctx.locoTransfer().SendLocoDatabase(), LocoSendOutcome::Sent);
    ASSERT_EQ(rig.ctx.locoTransfer().ReadLocoDatabase().result, 0);
    const std::pair<int, int> bookkeeping[] = {{27, 0},  {28, 255}, {31, 255}, {65, 0},  {67, 0}, {68, 3},
                                               {70, 255}, {71, 255}, {72, 0}, {75, 0}, {76, 1}, {77, 0}, {79, 255}};
    for (int slot : {0, 1}) {
        EXPECT_EQ(t.address(slot), 62 + slot);
        EXPECT_EQ(t.ReadLokname(slot), "Neue Lok");
        EXPECT_EQ(t.value(slot, LocoTable::SlotLow), slot);
        EXPECT_EQ(t.value(slot, LocoTable::SlotHigh), 0);
        for (auto [col, v] : bookkeeping)
            EXPECT_EQ(t.value(slot, col), v) << "slot " << slot << " byte " << col;
    }
    EXPECT_EQ(t.maxSpeed(0), 80) << "as the editor showed it";
    EXPECT_EQ(t.maxSpeed(1), 120);
    EXPECT_EQ(t.symbol(1, 3), 17);
    EXPECT_EQ(rig.station.violations(), 0);
}

TEST(LocoSend, OtherCommandStationIsAskedThenEverythingIsRewrittenAsNew)
{
    SimRig rig;
    rig.station.seedLocomotives(4);
    ASSERT_EQ(rig.ctx.locoTransfer().ReadLocoDatabase().result, 0);
    rig.ctx.storedSerial.set(1, 0x11); // as if loaded from another device's file
    rig.ctx.loco.setStatus(2, LocoTable::StatusChanged);
    rig.ctx.loco.set(3, 32, 255);      // a slot without a valid address goes
    rig.ctx.loco.set(3, 33, 255);

    // No: the access is closed properly and nothing is written.
    rig.dialogs.answerNext(MsgAnswer::Yes);
    rig.dialogs.answerNext(MsgAnswer::No);
    BusCounts counts;
    countRequests(rig, counts);
    EXPECT_EQ(rig.ctx.locoTransfer().SendLocoDatabase(), LocoSendOutcome::OtherDeviceDeclined);
    EXPECT_EQ(counts.pageWrites, 0);
    EXPECT_FALSE(rig.station.accessOpen());
    EXPECT_FALSE(rig.port.portOpen());
    ASSERT_EQ(rig.dialogs.calls.size(), 2u);
    EXPECT_EQ(rig.dialogs.calls[1].title, "Lokdaten");
    const QChar cr(13);
    EXPECT_EQ(rig.dialogs.calls[1].text, QString("Die Daten sind aus einer anderen TQ7!") + cr
                                             + "Sollen die Datensätze in dieser TQ7 gespeichert werden" + cr
                                             + "und alle vorhandenen Datensätze gelöscht werden!");

    // Yes: every slot with a valid address is rewritten as a new record with the user's data
    // (maximum speed included), the others are erased, and the table then belongs to this
    // station.
    const int speed0 = rig.ctx.loco.value(0, LocoTable::MaxSpeedHalf);
    ASSERT_NE(speed0, 50);
    rig.dialogs.clear();
    ASSERT_EQ(rig.ctx.locoTransfer().SendLocoDatabase(), LocoSendOutcome::Sent);
    for (int i : {0, 1, 2}) {
        EXPECT_EQ(rig.ctx.loco.status(i), LocoTable::StatusUnchanged);
        const QByteArray rec = rig.station.area(Flash::Data, 7501 + i);
        for (int c = 0; c < LocoTable::RecordBytes; ++c)
            ASSERT_EQ(uint8_t(rec[c]), rig.ctx.loco.value(i, c)) << "slot " << i << " byte " << c;
        EXPECT_EQ(uint8_t(rec[76]), 1) << "new-record bookkeeping";
    }
    EXPECT_EQ(uint8_t(rig.station.area(Flash::Data, 7501)[LocoTable::MaxSpeedHalf]), speed0);
    EXPECT_EQ(rig.ctx.loco.status(3), LocoTable::StatusEmpty);
    EXPECT_EQ(rig.station.area(Flash::Data, 7504).left(16), QByteArray(16, char(0xFF)));
    const auto ids = rig.station.serialBytes();
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(rig.ctx.storedSerial.value(k), ids[size_t(4 - k)]) << k;

    // The next send to the same station asks only whether to send, and writes only the change.
    rig.dialogs.clear();
    EXPECT_TRUE(rig.ctx.loco.renameRecord(2, "Zweite"));
    countRequests(rig, counts = BusCounts());
    ASSERT_EQ(rig.ctx.locoTransfer().SendLocoDatabase(), LocoSendOutcome::Sent);
    ASSERT_EQ(rig.dialogs.calls.size(), 1u);
    EXPECT_EQ(rig.dialogs.calls[0].title, "Lokomotiven");
    EXPECT_EQ(counts.pageWrites, 5 + 16 * 2) << "one record and the index";
    EXPECT_EQ(rig.station.violations(), 0);
}

TEST(LocoSend, RefusedRecordWriteIsReported)
{
    SimRig rig;
    rig.station.seedLocomotives(1);
    ASSERT_EQ(rig.ctx.locoTransfer().ReadLocoDatabase().result, 0);
    rig.ctx.loco.setStatus(0, LocoTable::StatusChanged);
    rig.station.faults().refusePageWrites = true;
    EXPECT_EQ(rig.ctx.locoTransfer().SendLocoDatabase(), LocoSendOutcome::Failed);
    EXPECT_EQ(rig.ctx.locoTransfer().lastSendResult(), 0) << "a new transfer object starts clean";
    const auto& last = rig.dialogs.calls.back();
    EXPECT_EQ(last.title, "Fehler beim Schreiben der Datenbank");
    EXPECT_EQ(last.text, ResultText(221611));
    EXPECT_FALSE(rig.station.accessOpen());
    EXPECT_FALSE(rig.port.portOpen());
    EXPECT_TRUE(rig.progress.visible) << "showing the step that failed";
}

TEST(LocoSend, RefusedFormatWriteIsReported)
{
    SimRig rig;
    rig.station.seedLocomotives(1);
    ASSERT_EQ(rig.ctx.locoTransfer().ReadLocoDatabase().result, 0);
    rig.ctx.loco.set(0, LocoTable::FormatPending, 1);
    rig.station.faults().refuseFormatWrites = true;
    LocoTransfer transfer = rig.ctx.locoTransfer();
    EXPECT_EQ(transfer.SendLocoDatabase(), LocoSendOutcome::Failed);
    EXPECT_EQ(transfer.lastSendResult(), 401032);
    EXPECT_EQ(rig.dialogs.calls.back().text, ResultText(401032));
    EXPECT_FALSE(rig.station.accessOpen());
}

TEST(LocoSend, PortThatCannotBeOpenedIsReported)
{
    SimRig rig;
    rig.ctx.loco.markAllForDeviceRead();
    putLoco(rig.ctx.loco, 0, 3, "V 100", 3, 1);
    rig.port.setUnplugged(true);
    LocoTransfer transfer = rig.ctx.locoTransfer();
    EXPECT_EQ(transfer.SendLocoDatabase(), LocoSendOutcome::Failed);
    EXPECT_EQ(transfer.lastSendResult(), 990098);
    EXPECT_TRUE(rig.dialogs.calls.back().text.startsWith(ResultText(990098))); // then the port and why
}

TEST(LocoSend, SlotWithAddressZeroIsReportedAndSkipped)
{
    SimRig rig;
    ASSERT_EQ(rig.ctx.locoTransfer().ReadLocoDatabase().result, 0);
    rig.ctx.loco.createRecord(0, 5, "A");
    rig.ctx.loco.createRecord(1, 6, "B");
    rig.ctx.loco.setAddress(0, 0);
    ASSERT_EQ(rig.ctx.locoTransfer().SendLocoDatabase(), LocoSendOutcome::Sent);
    bool reported = false;
    for (const auto& c : rig.dialogs.calls)
        reported |= c.text == "Lokadresse = 0 !" && c.title == "Daten werden nicht gesichert!";
    EXPECT_TRUE(reported);
    EXPECT_EQ(rig.station.area(Flash::Data, 7501).left(4), QByteArray(4, char(0xFF)));
    EXPECT_NE(rig.station.area(Flash::Data, 7502).left(4), QByteArray(4, char(0xFF)));
}
