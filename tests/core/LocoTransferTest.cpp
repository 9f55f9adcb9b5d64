// Reading and sending the locomotive database against the simulated command station: what goes
// over the bus and what the table and the station hold afterwards. Faults: TransferFaultTest.
#include "loco/LocoTransfer.h"
#include "link/ResultText.h"
#include "support/SimRig.h"

#include <gtest/gtest.h>

using namespace kx2;
using kx2::test::BusCounts;
using kx2::test::SimRig;
using Flash = kx2::sim::SimCommandStation::Flash;

namespace {

uint32_t recordNumber(const QByteArray& rec)
{
    return uint8_t(rec[0]) | uint8_t(rec[1]) << 8 | uint8_t(rec[2]) << 16 | uint32_t(uint8_t(rec[3])) << 24;
}

} // namespace

TEST(LocoRead, EveryRecordAndFormatComesInAndEmptySlotsCostOnePage)
{
    for (int seeded : {0, 12}) {
        SCOPED_TRACE(seeded);
        SimRig rig;
        rig.station.seedLocomotives(seeded);
        if (seeded)
            rig.station.setLocoFormat(rig.station.area(Flash::Data, 7501 + 3)[32], 83, 81);
        BusCounts counts;
        counts.start(rig.bus);
        const ReadOutcome out = rig.ctx.locoTransfer().ReadLocoDatabase();
        ASSERT_EQ(out.result, 0) << ResultText(out.result).toStdString();
        EXPECT_TRUE(out.opensEditor());
        const LocoTable& t = rig.ctx.loco;
        for (int i = 0; i <= 500; ++i) {
            const QByteArray rec = rig.station.area(Flash::Data, 7501 + i);
            ASSERT_EQ(t.status(i), i < seeded ? 0 : 255) << i;
            for (int c = 0; c < 80; ++c)
                ASSERT_EQ(t.value(i, c), i < seeded ? static_cast<unsigned char>(rec[c]) : 255) << i << "/" << c;
            if (i < seeded) {
                EXPECT_EQ(std::pair(t.value(i, LocoTable::FormatCode), t.value(i, LocoTable::FormatParam)),
                          rig.station.locoFormat(t.address(i)));
                EXPECT_EQ(t.value(i, LocoTable::FormatPending), 0);
            }
        }
        EXPECT_EQ(counts.areaReads, 500);
        EXPECT_EQ(counts.pageReads, 500 + 1 + seeded * 4) << "and the serial-number record";
        EXPECT_EQ(counts.formatReads, seeded);
        const auto s = rig.station.serialBytes();
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(rig.ctx.storedSerial.value(k + 1), s[size_t(3 - k)]) << "id1 is D4, id4 is D1";
        EXPECT_TRUE(rig.progress.texts.contains(" Lokdatensatz 0 lesen"));
        EXPECT_TRUE(rig.progress.texts.contains(" Lokdatensatz 499 lesen"));
        EXPECT_EQ(rig.progress.texts.last(), " fertig!");
        EXPECT_FALSE(rig.progress.visible);
        EXPECT_TRUE(rig.dialogs.calls.empty());
        EXPECT_FALSE(rig.station.accessOpen());
        EXPECT_FALSE(rig.port.portOpen());
        EXPECT_EQ(rig.station.violations(), 0) << rig.station.violationLog().join("\n").toStdString();
    }
}

TEST(LocoSend, NothingPendingOpensNoPortAndNoDeclinesTheQuestion)
{
    SimRig rig;
    rig.ctx.loco.markAllForDeviceRead();
    EXPECT_EQ(rig.ctx.locoTransfer().SendLocoDatabase(), LocoSendOutcome::NothingPending);
    EXPECT_TRUE(rig.dialogs.calls.empty());
    rig.ctx.loco.createRecord(0, 3, "V 100");
    rig.dialogs.answerNext(MsgAnswer::No);
    EXPECT_EQ(rig.ctx.locoTransfer().SendLocoDatabase(), LocoSendOutcome::Declined);
    ASSERT_EQ(rig.dialogs.calls.size(), 1u);
    EXPECT_EQ(rig.dialogs.calls[0].title, "Lokomotiven");
    EXPECT_EQ(rig.dialogs.calls[0].text, "Sollen die geänderten Datensätze in der TQ7 gespeichert werden?");
    EXPECT_EQ(rig.station.requestCount(), 0);
}

// Names with umlauts and the longest name, the lowest and highest address, every data format and
// symbols across the range go to the station and come back as they were sent.
TEST(LocoSend, EveryFormatNameAndSymbolSurvivesSendAndReadBack)
{
    SimRig rig;
    ASSERT_EQ(rig.ctx.locoTransfer().ReadLocoDatabase().result, 0);
    LocoTable& t = rig.ctx.loco;
    const QString names[] = {"Größte Dampflok Ä", "ABCDEFGHIJKLMNOPQRSTUVW", "Schienenbus ß", "", "BR 218 €", "Selectrix-Lok"};
    const int addresses[] = {1, 9999, 4711, 80, 1234, 300};
    for (int slot = 0; slot < 6; ++slot) {
        t.createRecord(slot, addresses[slot], names[slot]);
        for (int f = 0; f < LocoTable::FunctionCount; ++f)
            t.set(slot, LocoTable::symbolColumn(f), (slot * 29 + f) % 80);
        t.set(slot, LocoTable::MaxSpeedHalf, 40 + slot);
        t.set(slot, LocoTable::FormatCode, kLocoFormats[size_t(slot)].code);
        t.set(slot, LocoTable::FormatParam, kLocoFormats[size_t(slot)].param);
        t.set(slot, LocoTable::FormatPending, 1);
    }
    ASSERT_EQ(rig.ctx.locoTransfer().SendLocoDatabase(), LocoSendOutcome::Sent);
    const LocoTable sent = t;
    ASSERT_EQ(rig.ctx.locoTransfer().ReadLocoDatabase().result, 0);
    for (int slot = 0; slot < 6; ++slot) {
        for (int c = 0; c <= LocoTable::FormatParam; ++c)
            EXPECT_EQ(t.cell(slot, c), sent.cell(slot, c)) << "slot " << slot << " column " << c;
        EXPECT_EQ(t.ReadLokname(slot), names[slot]);
    }
    EXPECT_EQ(rig.station.violations(), 0) << rig.station.violationLog().join("\n").toStdString();
}

// A record gets the next number of the index counter; a deleted slot is erased with one page and
// gets none (so the index is not written); a format alone writes one format and no record.
TEST(LocoSend, WritesOnlyWhatChangedWithTheNextRecordNumbers)
{
    SimRig rig;
    rig.station.seedLocomotives(3);
    ASSERT_EQ(rig.ctx.locoTransfer().ReadLocoDatabase().result, 0);
    LocoTable& t = rig.ctx.loco;
    ASSERT_TRUE(t.renameRecord(1, "Neu"));
    ASSERT_EQ(rig.ctx.locoTransfer().SendLocoDatabase(), LocoSendOutcome::Sent);
    EXPECT_EQ(recordNumber(rig.station.area(Flash::Data, 7502)), 4u) << "the seeded index counter is 3";
    EXPECT_EQ(t.status(1), LocoTable::StatusUnchanged) << "sent: the table is what the station holds";
    EXPECT_EQ(rig.ctx.locoTransfer().SendLocoDatabase(), LocoSendOutcome::NothingPending);
    ASSERT_TRUE(t.renameRecord(1, "Neuer"));
    ASSERT_EQ(rig.ctx.locoTransfer().SendLocoDatabase(), LocoSendOutcome::Sent);
    EXPECT_EQ(recordNumber(rig.station.area(Flash::Data, 7502)), 5u);

    t.deleteRecord(2);
    BusCounts counts;
    counts.start(rig.bus);
    ASSERT_EQ(rig.ctx.locoTransfer().SendLocoDatabase(), LocoSendOutcome::Sent);
    EXPECT_EQ(std::pair(counts.pageWrites, counts.areaWrites), std::pair(1, 1));
    EXPECT_EQ(rig.station.area(Flash::Data, 7503).left(16), QByteArray(16, char(0xFF)));

    t.set(0, LocoTable::FormatCode, 83);
    t.set(0, LocoTable::FormatParam, 81);
    t.set(0, LocoTable::FormatPending, 1);
    counts.start(rig.bus);
    ASSERT_EQ(rig.ctx.locoTransfer().SendLocoDatabase(), LocoSendOutcome::Sent);
    EXPECT_EQ(std::pair(counts.pageWrites, counts.formatWrites), std::pair(0, 1));
    EXPECT_EQ(rig.station.locoFormat(t.address(0)), std::make_pair(83, 81));
    ASSERT_EQ(rig.ctx.locoTransfer().ReadLocoDatabase().result, 0);
    EXPECT_EQ(t.status(2), 255);
    EXPECT_EQ(t.ReadLokname(1), "Neuer");
    EXPECT_EQ(rig.station.violations(), 0);
}

// One as created (80 km/h), one whose speed and a symbol were changed in their dialogs (it stays
// new), both in slots that held other locomotives before: written with the new-record values.
TEST(LocoSend, NewLocomotiveIsWrittenAsShownWithTheNewRecordValues)
{
    SimRig rig;
    ASSERT_EQ(rig.ctx.locoTransfer().ReadLocoDatabase().result, 0);
    LocoTable& t = rig.ctx.loco;
    for (int slot : {0, 1}) {
        for (int c = 0; c < LocoTable::RecordBytes; ++c)
            t.set(slot, c, 0x11);
        t.createRecord(slot, 62 + slot, "Neue Lok");
    }
    t.set(1, LocoTable::MaxSpeedHalf, 60);
    t.set(1, LocoTable::symbolColumn(3), 17);
    t.markEdited(1);
    ASSERT_EQ(rig.ctx.locoTransfer().SendLocoDatabase(), LocoSendOutcome::Sent);
    ASSERT_EQ(rig.ctx.locoTransfer().ReadLocoDatabase().result, 0);
    const std::pair<int, int> bookkeeping[] = {{27, 0}, {28, 255}, {31, 255}, {34, -1}, {35, 0}, {65, 0}, {67, 0},
                                               {68, 3}, {70, 255}, {71, 255}, {72, 0}, {75, 0}, {76, 1}, {77, 0}, {79, 255}};
    for (int slot : {0, 1}) {
        EXPECT_EQ(t.address(slot), 62 + slot);
        EXPECT_EQ(t.ReadLokname(slot), "Neue Lok");
        for (auto [col, v] : bookkeeping)
            EXPECT_EQ(t.value(slot, col), v < 0 ? slot : v) << "slot " << slot << " byte " << col;
    }
    EXPECT_EQ(std::pair(t.maxSpeed(0), t.maxSpeed(1)), std::pair(80, 120));
    EXPECT_EQ(t.symbol(1, 3), 17);
}

TEST(LocoSend, AnotherStationIsAskedThenEverythingIsRewrittenAsNew)
{
    SimRig rig;
    rig.station.seedLocomotives(5);
    ASSERT_EQ(rig.ctx.locoTransfer().ReadLocoDatabase().result, 0);
    LocoTable& t = rig.ctx.loco;
    rig.ctx.storedSerial.set(1, 0x11); // as if loaded from another station's file
    t.setStatus(2, LocoTable::StatusChanged);
    t.setAddress(3, 65535); // no valid address: erased

    // No: the access is closed properly and nothing is written.
    rig.dialogs.answerNext(MsgAnswer::Yes);
    rig.dialogs.answerNext(MsgAnswer::No);
    BusCounts counts;
    counts.start(rig.bus);
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

    // Yes: every slot with a valid address is rewritten as a new record with the user's data,
    // the others erased; the table then belongs to this station.
    const int speed0 = t.value(0, LocoTable::MaxSpeedHalf);
    rig.dialogs.clear();
    ASSERT_EQ(rig.ctx.locoTransfer().SendLocoDatabase(), LocoSendOutcome::Sent);
    for (int i : {0, 1, 2}) {
        EXPECT_EQ(t.status(i), LocoTable::StatusUnchanged);
        const QByteArray rec = rig.station.area(Flash::Data, 7501 + i);
        for (int c = 0; c < LocoTable::RecordBytes; ++c)
            ASSERT_EQ(uint8_t(rec[c]), t.value(i, c)) << "slot " << i << " byte " << c;
        EXPECT_EQ(uint8_t(rec[76]), 1) << "new-record bookkeeping";
    }
    EXPECT_EQ(uint8_t(rig.station.area(Flash::Data, 7501)[LocoTable::MaxSpeedHalf]), speed0);
    EXPECT_EQ(t.status(3), LocoTable::StatusEmpty);
    EXPECT_EQ(rig.station.area(Flash::Data, 7504).left(16), QByteArray(16, char(0xFF)));
    const auto ids = rig.station.serialBytes();
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(rig.ctx.storedSerial.value(k), ids[size_t(4 - k)]) << k;

    // The next send to the same station asks only whether to send, and writes only the change.
    rig.dialogs.clear();
    EXPECT_TRUE(t.renameRecord(2, "Zweite"));
    counts.start(rig.bus);
    ASSERT_EQ(rig.ctx.locoTransfer().SendLocoDatabase(), LocoSendOutcome::Sent);
    ASSERT_EQ(rig.dialogs.calls.size(), 1u);
    EXPECT_EQ(rig.dialogs.calls[0].title, "Lokomotiven");
    EXPECT_EQ(counts.pageWrites, 5 + 16 * 2) << "one record and the index";

    // A new record whose address became 0 is reported and not written.
    t.createRecord(3, 7, "Null");
    t.setAddress(3, 0);
    rig.dialogs.clear();
    ASSERT_EQ(rig.ctx.locoTransfer().SendLocoDatabase(), LocoSendOutcome::Sent);
    ASSERT_EQ(rig.dialogs.calls.size(), 2u);
    EXPECT_EQ(rig.dialogs.calls[1].text, "Lokadresse = 0 !");
    EXPECT_EQ(rig.dialogs.calls[1].title, "Daten werden nicht gesichert!");
    EXPECT_EQ(rig.station.area(Flash::Data, 7504).left(4), QByteArray(4, char(0xFF)));
    EXPECT_EQ(rig.station.violations(), 0);
}
