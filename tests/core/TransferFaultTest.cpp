// The transfer drivers against a command station, a bus and a port that misbehave, on virtual
// time. One line per fault: what the user is told (one critical box with ResultText of the code
// under the transfer's title), how many requests the transfer made, that no wait outlasts its
// bound, that no progress window stays behind, that the access is closed where the station can
// still hear it and the port released, and that the table keeps what was read or edited.
#include "link/ResultText.h"
#include "loco/LocoTransfer.h"
#include "support/SimRig.h"

#include <QBuffer>
#include <functional>
#include <set>
#include <gtest/gtest.h>

using namespace kx2;
using kx2::test::SimRig;
using Flash = kx2::sim::SimCommandStation::Flash;

namespace {

enum class Run { LocoRead, LocoSend, AccessoryRead, FeedbackSend };

// The pause after opening the access, the ready message and, after success, the two half-second
// pauses at the end: what a transfer waits on purpose.
constexpr double kFixedWaits = 1.0 + 0.3 + 1.0;
constexpr double kSlack = 0.5;
constexpr int kSeeded = 4;

// Counts the tool's requests from the transfer's start; the station loses those in `lost`.
// Those in `garbled` it answers with a bit changed on the way.
struct FaultRig : SimRig {
    int requests = 0;
    std::set<int> lost;
    std::set<int> garbled;
    FaultRig()
    {
        bus.setMonitor([this](const QByteArray& m) {
            if (static_cast<unsigned char>(m[0]) != 0xED)
                return; // an answer of the command station
            ++requests;
            if (!lost.empty())
                station.faults().noAnswerEvery = lost.count(requests) ? 1 : 0;
            if (!garbled.empty())
                station.faults().garbleEvery = garbled.count(requests) ? 1 : 0;
        });
    }
};

sim::SimFaults& faults(SimRig& rig) { return rig.station.faults(); }
void silent(FaultRig& rig) { faults(rig).noAnswerEvery = 1; }

// After a read of the seeded locomotives: slot 0 renamed, slot 1 deleted, slot 2 a new format and
// a new locomotive in the first free slot.
void editLocomotives(LocoTable& t)
{
    t.renameRecord(0, QStringLiteral("Umbenannt"));
    t.deleteRecord(1);
    t.set(2, LocoTable::FormatCode, 83);
    t.set(2, LocoTable::FormatParam, 81);
    t.set(2, LocoTable::FormatPending, 1);
    t.createRecord(*t.firstReusableSlot(), 4321, QStringLiteral("Neue Lok"));
}

// What the user edited is still there. (A send stamps record numbers into bytes 0..3 and gives
// new records their fixed bytes: those are the send's own doing.)
void expectEditsKept(const LocoTable& t, const LocoTable& before)
{
    for (int i = 0; i <= 500; ++i) {
        ASSERT_EQ(t.status(i), before.status(i)) << "slot " << i;
        ASSERT_EQ(t.ReadLokname(i), before.ReadLokname(i)) << "slot " << i;
        ASSERT_EQ(t.address(i), before.address(i)) << "slot " << i;
        for (int c = LocoTable::FormatCode; c <= LocoTable::FormatPending; ++c)
            ASSERT_EQ(t.cell(i, c), before.cell(i, c)) << "slot " << i << " column " << c;
    }
}

struct Fault {
    const char* what;
    Run run;
    std::function<void(FaultRig&)> fault; // applied when the transfer starts
    std::set<int> lost;                   // requests lost, counted from the transfer's start
    int code;
    int requests;       // the tool's requests; -1: not counted
    double maxSeconds;  // the transfer's whole length
    int slotsRead;      // a locomotive read: slots equal to the station afterwards
};

} // namespace

TEST(TransferFaults, EachFaultIsReportedOnceWithinItsBoundAndTheTableKeepsItsState)
{
    const auto unplugAfter = [](int n) { return [n](FaultRig& r) { faults(r).unplugAfterMessages = r.station.requestCount() + n; }; };
    // Requests 1 and 2 open the access, 3 to 5 write the display, 6 and 7 read the serial number;
    // a read then selects each slot's area and reads its pages (8 and 9 for slot 0), a send reads
    // the index (8..26) and writes the changed slots' pages (27 and 28 the first two of slot 0).
    // A whole read of the four locomotives: 2 + 3 + 2, 500 areas and first pages, 4 x 4 further
    // pages, 4 formats and the close, 1028 requests.
    const Fault cases[] = {
        // --- no answer ---
        {"silent station", Run::LocoRead, silent, {}, 110013, 1, 2 + kSlack, 0},
        {"one page answer lost is asked for again", Run::LocoRead, {}, {9}, 0, 1029, 2 + kFixedWaits + kSlack, kSeeded},
        {"an area answer lost twice", Run::LocoRead, {}, {8, 9}, 0, 1030, 4 + kFixedWaits + kSlack, kSeeded},
        {"the serial number lost three times", Run::LocoRead, {}, {6, 7, 8}, 100013, 9, 6 + kFixedWaits + kSlack, 0},
        {"a page lost three times", Run::LocoRead, {}, {9, 10, 11}, 210013, 12, 6 + kFixedWaits + kSlack, 0},
        {"every answer after 1.5 s", Run::LocoRead, [](FaultRig& r) { faults(r).answerDelay = 1.5; }, {}, 0, 1028, 1600, kSeeded},
        {"the first format request unanswered", Run::LocoRead,
         [](FaultRig& r) { r.bus.setMonitor([&r](const QByteArray& m) { faults(r).noAnswerEvery = m[1] == 0x0F; }); }, {}, 13, -1,
         6 + kFixedWaits + kSlack, kSeeded},
        {"silent station", Run::LocoSend, silent, {}, 110013, 1, 2 + kSlack, 0},
        {"the serial number lost three times: nothing written, no question", Run::LocoSend, {}, {6, 7, 8}, 100013, 9,
         6 + kFixedWaits + kSlack, 0},
        {"a lost write answer is not repeated", Run::LocoSend, {}, {28}, 220013, 29, 2 + kFixedWaits + kSlack, 0},
        // --- the display and the close change no database: asked again too ---
        {"the display text's answer lost", Run::LocoRead, {}, {5}, 0, 1029, 2 + kFixedWaits + kSlack, kSeeded},
        {"the close's answer garbled: asked again, the station closed already agrees", Run::LocoRead,
         [](FaultRig& r) { r.garbled = {1028}; }, {}, 0, 1029, kFixedWaits + kSlack, kSeeded},
        {"the close refused after every record: the records stay", Run::LocoRead,
         [](FaultRig& r) { faults(r).refuseClose = true; }, {}, 121011, 1028, kFixedWaits + kSlack, kSeeded},
        // --- answers garbled on the line: dropped, and waited for no longer ---
        {"a page answer garbled twice is asked for again", Run::LocoRead, [](FaultRig& r) { r.garbled = {9, 10}; }, {}, 0,
         1030, kFixedWaits + kSlack, kSeeded},
        {"a garbled write answer fails the write", Run::LocoSend, [](FaultRig& r) { r.garbled = {28}; }, {}, 220013, 29,
         kFixedWaits + kSlack, 0},
        {"silent station", Run::AccessoryRead, silent, {}, 110013, 1, 2 + kSlack, 0},
        // --- refusals ---
        {"page writes refused", Run::LocoSend, [](FaultRig& r) { faults(r).refusePageWrites = true; }, {}, 221611, 28,
         kFixedWaits + kSlack, 0},
        {"page writes refused with another code", Run::LocoSend,
         [](FaultRig& r) { faults(r).refusePageWrites = true; faults(r).refusedCode = 0x3C; }, {}, 221611, 28,
         kFixedWaits + kSlack, 0},
        {"format writes refused, after the records", Run::LocoSend, [](FaultRig& r) { faults(r).refuseFormatWrites = true; },
         {}, 401032, -1, kFixedWaits + kSlack, 0},
        {"page writes refused", Run::FeedbackSend, [](FaultRig& r) { faults(r).refusePageWrites = true; }, {}, 261611, -1,
         kFixedWaits + kSlack, 0},
        // --- the port and the interface ---
        {"the port cannot be opened", Run::LocoRead, [](FaultRig& r) { r.port.setUnplugged(true); }, {}, 990098, 0, 0, 0},
        {"the port cannot be opened", Run::LocoSend, [](FaultRig& r) { r.port.setUnplugged(true); }, {}, 990098, 0, 0, 0},
        {"the interface unplugged in slot 1", Run::LocoRead, unplugAfter(16), {}, 210013, 17, kFixedWaits + kSlack, 1},
        {"the interface unplugged among the record writes", Run::LocoSend, unplugAfter(30), {}, 220013, 31,
         kFixedWaits + kSlack, 0},
        // --- unwanted bytes and other devices on the bus: no hindrance ---
        {"stray data bytes before every answer", Run::LocoRead, [](FaultRig& r) { faults(r).strayBytes = true; }, {}, 0, 1028,
         kFixedWaits + kSlack, kSeeded},
        {"messages longer than a slot before every answer", Run::LocoRead,
         [](FaultRig& r) {
             QByteArray claims80 = QByteArray::fromHex("E750") + QByteArray(78, 0x11);
             QByteArray claims127 = QByteArray::fromHex("EF7F") + QByteArray(125, 0x33);
             r.bus.setMonitor([&r, claims80, claims127](const QByteArray& m) {
                 if (static_cast<unsigned char>(m[0]) != 0xED)
                     r.bus.injectRaw(r.station.requestCount() % 2 ? claims80 : claims127);
             });
         },
         {}, 0, -1, kFixedWaits + kSlack, kSeeded},
        {"other devices talking throughout, at the LocoNet rate", Run::LocoRead,
         [](FaultRig& r) { r.bus.setBaudPace(16666); r.station.setChatter(0.04); }, {}, 0, 1028, 60, kSeeded},
        {"other devices talking throughout, at the LocoNet rate", Run::LocoSend,
         [](FaultRig& r) { r.bus.setBaudPace(16666); r.station.setChatter(0.04); }, {}, 0, -1, 60, 0},
        {"byte by byte through the serial LocoNet interface at the LocoNet rate", Run::LocoSend,
         [](FaultRig& r) {
             r.ctx.settings.UseUsbInterface = false;
             r.ctx.settings.ComPortNumber = QStringLiteral("2");
             r.ctx.settings.BaudRate = 16666;
             r.bus.setBaudPace(16666);
         },
         {}, 0, -1, 60, 0},
    };
    for (const Fault& c : cases) {
        SCOPED_TRACE(testing::Message() << c.what << (c.run == Run::LocoSend ? " (send)" : ""));
        FaultRig rig;
        rig.station.seedLocomotives(kSeeded);
        rig.station.seedFeedback(16);
        const bool send = c.run == Run::LocoSend || c.run == Run::FeedbackSend;
        if (c.run == Run::LocoSend) {
            ASSERT_EQ(rig.ctx.locoTransfer().ReadLocoDatabase().result, 0);
            editLocomotives(rig.ctx.loco);
        } else if (c.run == Run::FeedbackSend) {
            ASSERT_EQ(rig.ctx.feedbackTransfer().ReadFeedbackDatabase().result, 0);
            rig.ctx.feedback.saveNames(3, QStringLiteral("Gleis 3"), QStringLiteral("Süd"));
        }
        const LocoTable edited = rig.ctx.loco;
        const QByteArray slot0 = rig.station.area(Flash::Data, 7501);
        const auto format2 = rig.station.locoFormat(rig.ctx.loco.address(2));
        rig.dialogs.clear();
        rig.progress.texts.clear();
        rig.requests = 0;
        rig.lost = c.lost;
        if (c.fault)
            c.fault(rig);

        const double start = rig.clock.now();
        int code = 0;
        switch (c.run) {
        case Run::LocoRead: {
            const ReadOutcome out = rig.ctx.locoTransfer().ReadLocoDatabase();
            code = out.result;
            EXPECT_EQ(out.opensEditor(), code == 0 || code == 990098 || code == dbrc::BootEndNoAnswer);
            break;
        }
        case Run::AccessoryRead:
            code = rig.ctx.accessoryTransfer().ReadAccessoryDatabase().result;
            break;
        case Run::LocoSend: {
            LocoTransfer transfer = rig.ctx.locoTransfer();
            const LocoSendOutcome outcome = transfer.SendLocoDatabase();
            code = transfer.lastSendResult();
            EXPECT_EQ(outcome, code == 0 ? LocoSendOutcome::Sent : LocoSendOutcome::Failed);
            break;
        }
        case Run::FeedbackSend: {
            FeedbackTransfer transfer = rig.ctx.feedbackTransfer();
            transfer.SendFeedbackDatabase();
            code = transfer.lastSendResult();
            break;
        }
        }
        EXPECT_EQ(code, c.code) << ResultText(code).toStdString();
        if (c.requests >= 0) {
            EXPECT_EQ(rig.requests, c.requests);
        }
        EXPECT_LE(rig.clock.now() - start, c.maxSeconds);
        EXPECT_FALSE(rig.port.portOpen());
        EXPECT_TRUE(rig.controls.enabled);
        EXPECT_FALSE(rig.ctx.link.watchingForReady()) << "nobody waits for the ready message any more";
        if (!rig.bus.vanished() && !faults(rig).refuseClose) {
            EXPECT_FALSE(rig.station.accessOpen());
        }
        EXPECT_FALSE(rig.progress.visible);

        const bool unclosed = c.run == Run::LocoRead && code == dbrc::BootEndNoAnswer;
        std::vector<FakeDialogs::Call> critical;
        for (const auto& call : rig.dialogs.calls)
            if (call.icon == (unclosed ? MsgIcon::Exclamation : MsgIcon::Critical))
                critical.push_back(call);
        if (code == 0) {
            EXPECT_TRUE(critical.empty());
            EXPECT_EQ(rig.station.violations(), 0) << rig.station.violationLog().join("\n").toStdString();
        } else {
            ASSERT_EQ(critical.size(), 1u);
            EXPECT_EQ(rig.dialogs.calls.size(), send ? 2u : 1u) << "the send's first question, then only the failure";
            EXPECT_EQ(critical[0].title, unclosed ? "Datenbank nicht geschlossen" : send ? "Fehler beim Schreiben der Datenbank"
                                                                                       : "Fehler beim Lesen der Datenbank");
            EXPECT_EQ(critical[0].buttons, MsgButtons::Ok);
            EXPECT_TRUE(critical[0].text.startsWith(ResultText(code))) << "then the port and why, if it names one";
            EXPECT_EQ(critical[0].text.endsWith(QStringLiteral("\rDie Datensätze wurden vollständig gelesen; der Datenbankzugriff "
                                                               "der Zentrale ist aber möglicherweise noch offen.")), unclosed);
        }

        const LocoTable& t = rig.ctx.loco;
        if (c.run == Run::LocoRead) {
            for (int i = 0; i < c.slotsRead; ++i) {
                const QByteArray rec = rig.station.area(Flash::Data, 7501 + i);
                ASSERT_EQ(t.status(i), 0) << "slot " << i;
                for (int b = 0; b < 80; ++b)
                    ASSERT_EQ(t.value(i, b), static_cast<unsigned char>(rec[b])) << "slot " << i << " byte " << b;
            }
            for (int i = c.slotsRead; i <= 500; ++i) {
                ASSERT_EQ(t.status(i), 255) << "a slot read in part or not at all is not taken: " << i;
                for (int b = 0; i > c.slotsRead && b < LocoTable::RecordBytes; ++b)
                    ASSERT_EQ(t.value(i, b), 255) << "nothing of an earlier read remains: " << i;
                ASSERT_FALSE(t.cell(i, LocoTable::FormatCode)) << i;
            }
        } else if (c.run == Run::LocoSend && code != 0) {
            expectEditsKept(t, edited);
            if (code == 401032) {
                LocoTable written; // the records went before the formats and are on the station
                for (int b = 0; b < 80; ++b)
                    written.set(0, b, static_cast<unsigned char>(rig.station.area(Flash::Data, 7501)[b]));
                EXPECT_EQ(written.ReadLokname(0), "Umbenannt");
                EXPECT_EQ(rig.station.locoFormat(t.address(2)), format2) << "the old format";
            }
            if (c.requests >= 0 && c.requests < 28) {
                EXPECT_TRUE(t == edited) << "nothing written, so not even a record number changed";
                EXPECT_EQ(rig.station.area(Flash::Data, 7501), slot0);
            }
        } else if (c.run == Run::FeedbackSend && code != 0) {
            EXPECT_EQ(rig.ctx.feedback.status(3), 1) << "still to be sent";
        }
    }
}
