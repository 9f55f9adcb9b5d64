// Accessories and feedback contacts: one record per address over a range, read, edited, sent
// and read back against the simulated command station; their files; their record layout.
#include "accessory/AccessoryCsv.h"
#include "accessory/AccessoryFiles.h"
#include "loco/LocoCsv.h"
#include "loco/LocoFiles.h"
#include "records/NameLines.h"
#include "records/StationImageStore.h"
#include "feedback/FeedbackFiles.h"
#include "link/ResultText.h"
#include "support/SimRig.h"

#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <gtest/gtest.h>

using namespace kx2;
using kx2::test::BusCounts;
using kx2::test::SimRig;
using Flash = kx2::sim::SimCommandStation::Flash;

namespace {

// Either database behind one face, so that one table of cases serves both.
struct Db {
    const char* name;
    RangeRecordTable& table;
    AddressRange& range;
    std::function<ReadOutcome()> read;
    std::function<SendOutcome()> send;
    int areaBase;
    int marker;
    std::function<QString(const QString&)> captionOf;
};

Db accessories(SimRig& rig)
{
    rig.station.seedAccessories(2048);
    return {"accessories", rig.ctx.accessories, rig.ctx.accessoryRange,
            [&rig] { return rig.ctx.accessoryTransfer().ReadAccessoryDatabase(); },
            [&rig] { return rig.ctx.accessoryTransfer().SendAccessoryDatabase(); }, 6400, 128,
            [](const QString& a) { return " Magnetartikeldaten ab Adr.: " + a + " lesen"; }};
}

Db feedback(SimRig& rig)
{
    rig.station.seedFeedback(4096);
    return {"feedback", rig.ctx.feedback, rig.ctx.feedbackRange,
            [&rig] { return rig.ctx.feedbackTransfer().ReadFeedbackDatabase(); },
            [&rig] { return rig.ctx.feedbackTransfer().SendFeedbackDatabase(); }, 6656, 160,
            [](const QString& a) { return " Rückmelderdaten ab Adr.: " + a + " lesen"; }};
}

QByteArray stationRecord(SimRig& rig, const Db& db, int address)
{
    return rig.station.area(Flash::Data, db.areaBase + (address - 1) / 16).mid(32 * ((address - 1) % 16), 32);
}

} // namespace

TEST(RangeDatabases, RangesAreReadEditedSentAndReadBackEqual)
{
    const struct {
        bool feedback;
        AddressRange range;
    } cases[] = {
        {false, {1, 16}}, {false, {16, 17}}, {false, {17, 20}}, {false, {2040, 2048}},
        {true, {1, 16}},  {true, {16, 17}},  {true, {4090, 4096}},
    };
    for (const auto& c : cases) {
        SimRig rig;
        const Db db = c.feedback ? feedback(rig) : accessories(rig);
        SCOPED_TRACE(std::string(db.name) + " " + std::to_string(c.range.first) + ".." + std::to_string(c.range.last));
        db.range = c.range;
        ASSERT_EQ(db.read().result, 0);
        EXPECT_EQ(rig.progress.texts.filter(db.captionOf(QString::number(c.range.first))).size(), 1);
        for (int a = 1; a < db.table.rows(); ++a) {
            const bool inRange = c.range.contains(a);
            ASSERT_EQ(db.table.status(a), inRange ? 0 : 255) << a;
            if (inRange) {
                const QByteArray rec = stationRecord(rig, db, a);
                for (int b = 0; b < 32; ++b)
                    ASSERT_EQ(db.table.value(a, b), static_cast<unsigned char>(rec[b])) << a << "/" << b;
            }
        }
        const int first = c.range.first;
        const int last = c.range.last;
        db.table.saveNames(first, QStringLiteral("Größe"), QStringLiteral("Ä-Zeile"));
        db.table.chooseSymbol(last, 9, db.table.symbolPreset(last));
        if (!c.feedback)
            rig.ctx.accessories.toggleFormat(first);
        // Feedback addresses run past the accessory table's rows.
        const int formatFirst = c.feedback ? 0 : rig.ctx.accessories.value(first, AccessoryTable::Format);
        ASSERT_EQ(db.send(), SendOutcome::Sent);
        EXPECT_EQ(stationRecord(rig, db, first).left(4), QByteArray("\x00\x00\x00", 3) + char(db.marker))
            << "the first record number after a read is 0";
        EXPECT_EQ(db.table.status(first), 0) << "sent, so unchanged";

        ASSERT_EQ(db.read().result, 0);
        EXPECT_EQ(db.table.nameLine(first, 1), QStringLiteral("Größe"));
        EXPECT_EQ(db.table.nameLine(first, 2), QStringLiteral("Ä-Zeile"));
        EXPECT_EQ(db.table.shownSymbol(last), 9);
        if (!c.feedback) {
            EXPECT_EQ(rig.ctx.accessories.value(first, AccessoryTable::Format), formatFirst);
        }
        EXPECT_EQ(rig.station.violations(), 0) << rig.station.violationLog().join("\n").toStdString();
    }
}

TEST(RangeDatabases, WhatASendWritesFollowsWhatChanged)
{
    SimRig rig;
    accessories(rig);
    AccessoryTable& t = rig.ctx.accessories;
    rig.ctx.accessoryRange = {17, 20};
    ASSERT_EQ(rig.ctx.accessoryTransfer().ReadAccessoryDatabase().result, 0);
    BusCounts n;
    n.start(rig.bus);

    // A format alone: one format, no record, no index.
    t.toggleFormat(18);
    ASSERT_EQ(rig.ctx.accessoryTransfer().SendAccessoryDatabase(), SendOutcome::Sent);
    EXPECT_EQ(std::tuple(n.pageWrites, n.samWrites, n.formatWrites), std::tuple(0, 0, 1));

    // A blanked range has nothing to send: no question, no port.
    for (int a = 17; a <= 20; ++a)
        t.Clear_MagDaten(a);
    rig.dialogs.clear();
    EXPECT_EQ(rig.ctx.accessoryTransfer().SendAccessoryDatabase(), SendOutcome::NothingPending);
    EXPECT_TRUE(rig.dialogs.calls.empty());

    // Another station, Yes: every record of the range is written; "default" formats are not.
    // (A format toggled to what the station holds would be nothing to send: 20 holds Motorola.)
    n.start(rig.bus);
    t.toggleFormat(20);
    rig.ctx.storedSerial.set(1, 0x11);
    rig.dialogs.clear();
    ASSERT_EQ(rig.ctx.accessoryTransfer().SendAccessoryDatabase(), SendOutcome::Sent);
    ASSERT_EQ(rig.dialogs.calls.size(), 2u);
    EXPECT_EQ(rig.dialogs.calls[0].question, Question::StoreChanges);
    EXPECT_EQ(rig.dialogs.calls[1].question, Question::ReplaceOtherStation);
    EXPECT_EQ(rig.dialogs.calls[1].title, "Magnetartikel");
    EXPECT_EQ(n.pageWrites, 4 * 2 + 2 * 16) << "four records of two pages, and the index";
    EXPECT_EQ(n.formatWrites, 1) << "only the one format that is not \"default\"";
    EXPECT_EQ(rig.station.accessoryFormat(20), 15);
    EXPECT_EQ(rig.ctx.storedSerial.value(4), rig.station.serialBytes()[0]) << "the table is this station's now";
    EXPECT_EQ(rig.station.violations(), 0);
}

TEST(RangeDatabases, FilesRoundTripAndAreTakenWholeOrNotAtAll)
{
    QTemporaryDir dir;
    SimRig rig;
    accessories(rig);
    AccessoryTable& t = rig.ctx.accessories;
    ASSERT_EQ(rig.ctx.accessoryTransfer().ReadAccessoryDatabase().result, 0);
    t.Clear_MagDaten(5);
    const QString path = dir.filePath("mag.ISD");
    const IsdWriter file = rangeTableFile(accessoryFileFormat(), t, rig.ctx.storedSerial, {1, 16});
    EXPECT_EQ(file.lineCount(), 567);
    ASSERT_EQ(file.saveTo(path), QString());

    AccessoryTable loaded;
    StoredSerial serial;
    AddressRange range{100, 200};
    ASSERT_TRUE(loadRangeTableFile(path, accessoryFileFormat(), loaded, serial, range).ok());
    EXPECT_EQ(range, (AddressRange{1, 16}));
    EXPECT_EQ(serial, rig.ctx.storedSerial);
    for (int a = 1; a <= 16; ++a) {
        for (int col = 0; col < 32; ++col)
            ASSERT_EQ(loaded.cell(a, col), t.cell(a, col)) << a << "/" << col;
        EXPECT_EQ(loaded.cell(a, AccessoryTable::Format), t.cell(a, AccessoryTable::Format));
        EXPECT_EQ(loaded.status(a), 1) << "every loaded record is sent";
        EXPECT_EQ(loaded.value(a, AccessoryTable::FormatStatus), 1);
    }

    // A file of the other kind, a cut file, a range the database does not have: nothing changes.
    FeedbackTable fb;
    const QString fbPath = dir.filePath("rm.ISD");
    const IsdWriter fbFile = rangeTableFile(feedbackFileFormat(), fb, serial, {1, 16});
    ASSERT_EQ(fbFile.saveTo(fbPath), QString());
    QByteArray cut = file.data();
    cut.truncate(cut.size() / 2);
    const auto withRange = [&file](const char* lines) { return QByteArray(file.data()).replace("\r\n1\r\n16\r\n", lines); };
    const auto withLine = [](const IsdWriter& f, int lineNo, const char* value) {
        QList<QByteArray> lines = f.data().split('\n');
        lines[lineNo - 1] = QByteArray(value) + '\r';
        return lines.join('\n');
    };
    struct {
        const char* what;
        QByteArray data;
        IsdError error;
        const char* detail; // how the reader's where and why starts
        bool feedback = false;
    } bad[] = {
        {"a feedback file", {}, IsdError::WrongHeader, "Erwartet: \"KX2-Magnetartikeldaten Version 1.0\", gefunden: \"KX2-Rückmelderdaten"},
        {"a file that ends early", cut, IsdError::Read, "Datei endet nach Zeile "},
        {"addresses beyond 2048", withRange("\r\n2040\r\n2055\r\n"), IsdError::Read, "Zeile 7: Adressbereich 2040 bis 2055"},
        {"a first address of 0", withRange("\r\n0\r\n16\r\n"), IsdError::Read, "Zeile 6: Adressbereich 0 bis 16"},
        {"an accessory byte of 256", withLine(file, 11, "256"), IsdError::Read, "Zeile 11: Wert 256 passt nicht in Spalte 3"},
        {"a feedback byte of 300", withLine(fbFile, 48, "300"), IsdError::Read, "Zeile 48: Wert 300 passt nicht in Spalte 5", true},
    };
    serial.set(1, 0x55); // not the file's: a load that fails must not take the file's either
    for (const auto& b : bad) {
        SCOPED_TRACE(b.what);
        QString p = fbPath;
        if (!b.data.isEmpty()) {
            p = dir.filePath("bad.ISD");
            QFile f(p);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(b.data);
        }
        const AccessoryTable before = loaded;
        const FeedbackTable fbBefore = fb;
        const AddressRange rangeBefore = range;
        const StoredSerial serialBefore = serial;
        const IsdLoadResult r = b.feedback ? loadRangeTableFile(p, feedbackFileFormat(), fb, serial, range)
                                           : loadRangeTableFile(p, accessoryFileFormat(), loaded, serial, range);
        EXPECT_EQ(r.error, b.error);
        EXPECT_TRUE(r.detail.startsWith(QString::fromUtf8(b.detail))) << r.detail.toStdString();
        EXPECT_TRUE(loaded == before);
        EXPECT_TRUE(fb == fbBefore);
        EXPECT_EQ(range, rangeBefore);
        EXPECT_EQ(serial, serialBefore);
    }
}

TEST(RangeDatabases, RecordLayoutOfNamesAndSymbols)
{
    AccessoryTable t;
    // Names: the two lines never leave bytes 4..27, whatever their length.
    const struct {
        QString line1, line2, read1, read2;
    } names[] = {
        {"Weiche", "Süd", "Weiche", "Süd"},
        {QString(30, 'a'), "b", QString(23, 'a'), ""},
        {QString(20, 'a'), QString(10, 'b'), QString(20, 'a'), QString(3, 'b')},
    };
    for (const auto& n : names) {
        for (int b = 0; b < 32; ++b)
            t.set(1, b, 0x77);
        t.saveNames(1, n.line1, n.line2);
        EXPECT_EQ(t.nameLine(1, 1), n.read1);
        EXPECT_EQ(t.nameLine(1, 2), n.read2);
        EXPECT_EQ(t.value(1, 28), 0x77) << "byte 28 untouched";
        EXPECT_EQ(t.status(1), 1);
    }
    t.set(2, 4, 'x');
    t.set(2, 5, 0);
    EXPECT_EQ(t.nameLine(2, 2), "") << "no 13: no line 2";

    // Symbols: codes 6..56 show symbols 1..26; the chooser's preset stays within 1..26.
    const struct {
        int code, shown, preset;
    } symbols[] = {{0, 0, 1}, {5, 0, 1}, {6, 1, 1}, {10, 3, 3}, {56, 26, 26}, {57, 0, 26}, {255, 0, 26}};
    for (const auto& s : symbols) {
        t.set(3, AccessoryTable::SymbolCode, s.code);
        EXPECT_EQ(t.shownSymbol(3), s.shown) << s.code;
        EXPECT_EQ(t.symbolPreset(3), s.preset) << s.code;
    }
}

// What is marked tells what differs from the station: an edit undone by hand, a CSV import or a
// file that puts back what the station holds leaves nothing to send. What the station holds is
// known from the read and from every send; a file of another station knows nothing of it.
TEST(StationImage, OnlyWhatDiffersFromTheStationIsMarked)
{
    using Edit = std::function<void(SimRig&)>;
    const auto name = [](const char* line) {
        return [line](SimRig& r) { r.ctx.accessories.saveNames(3, QString::fromUtf8(line), QString()); };
    };
    const auto rename = [](const char* loco) { return [loco](SimRig& r) { r.ctx.loco.renameRecord(6, loco); }; };
    const auto send = [](SimRig& r) { ASSERT_EQ(r.ctx.accessoryTransfer().SendAccessoryDatabase(), SendOutcome::Sent); };
    const Edit formatAndBack = [](SimRig& r) {
        const std::optional<int> code = r.ctx.loco.cell(1, LocoTable::FormatCode);
        for (const std::optional<int> c : {std::optional<int>(72), code}) {
            r.ctx.loco.set(1, LocoTable::FormatCode, c);
            r.ctx.loco.markFormatEdited(1);
        }
    };
    const Edit csvPutsBack = [&](SimRig& r) {
        const QByteArray locos = writeCsv(locoCsv(r.ctx.locoData));
        const QByteArray accs = writeCsv(accessoryCsv(r.ctx.accessories, r.ctx.accessoryRange));
        rename("BR 218 Zwei")(r);
        name("Anders")(r);
        r.ctx.accessories.toggleFormat(4);
        ASSERT_TRUE(readCsv(locoCsv(r.ctx.locoData), locos).ok());
        ASSERT_TRUE(readCsv(accessoryCsv(r.ctx.accessories, r.ctx.accessoryRange), accs).ok());
    };
    // Both tables saved with one record each changed and loaded again, the files saying `serial`.
    const auto reload = [&](int serial) {
        return [=](SimRig& r) {
            QTemporaryDir dir;
            rename("Neu")(r);
            name("Neu")(r);
            StoredSerial s = r.ctx.storedSerial;
            s.set(1, serial >= 0 ? std::optional<int>(serial) : s.value(1));
            ASSERT_EQ(locoTableFile(r.ctx.loco, s).saveTo(dir.filePath("l.ISD")), QString());
            ASSERT_EQ(rangeTableFile(accessoryFileFormat(), r.ctx.accessories, s, {1, 16}).saveTo(dir.filePath("m.ISD")), QString());
            ASSERT_TRUE(loadLocoTableFile(dir.filePath("l.ISD"), r.ctx.loco, r.ctx.storedSerial).ok());
            ASSERT_TRUE(loadRangeTableFile(dir.filePath("m.ISD"), accessoryFileFormat(), r.ctx.accessories,
                                           r.ctx.storedSerial, r.ctx.accessoryRange).ok());
        };
    };
    const struct {
        const char* what;
        std::vector<Edit> edits;
        int marked;
    } cases[] = {
        {"loco name and back", {rename("Anders"), rename("BR 218")}, 0},
        {"loco name made longer and back", {rename("BR 218 Zwei"), rename("BR 218")}, 0},
        {"loco format and back", {formatAndBack}, 0},
        {"accessory name, sent, then edited and back", {name("Gesendet"), send, name("Anders"), name("Gesendet")}, 0},
        {"a CSV import of what the station holds", {csvPutsBack}, 0},
        {"files of this station reloaded", {reload(-1)}, 2},
        {"files of another station loaded", {reload(0x11)}, 7 + 16},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SimRig rig;
        rig.station.seedLocomotives(7);
        rig.station.seedAccessories(16);
        rig.ctx.accessoryRange = {1, 16};
        ASSERT_EQ(rig.ctx.locoTransfer().ReadLocoDatabase().result, 0);
        ASSERT_EQ(rig.ctx.accessoryTransfer().ReadAccessoryDatabase().result, 0);
        for (const Edit& edit : c.edits)
            edit(rig);
        int marked = 0;
        for (int i = 0; i < LocoTable::SlotCount; ++i)
            marked += rig.ctx.loco.holdsRecord(i)
                      && (rig.ctx.loco.status(i) != 0 || rig.ctx.loco.value(i, LocoTable::FormatPending) != 0);
        for (int a = 1; a <= 16; ++a)
            marked += rig.ctx.accessories.status(a) != 0 || rig.ctx.accessories.value(a, AccessoryTable::FormatStatus) != 0;
        EXPECT_EQ(marked, c.marked);
    }
}

// A run knows what the last one read from a station, unless what it kept is broken.
TEST(StationImage, ARunKnowsWhatTheLastRunRead)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("m.ISD");
    StationImageStore kept(dir.filePath("Zentralen"));
    StoredSerial serial;
    {
        SimRig last;
        last.station.seedAccessories(16);
        last.ctx.rememberStationsIn(kept);
        ASSERT_EQ(last.ctx.accessoryTransfer().ReadAccessoryDatabase().result, 0);
        serial = last.ctx.storedSerial;
        ASSERT_EQ(rangeTableFile(accessoryFileFormat(), last.ctx.accessories, serial, {1, 16}).saveTo(file), QString());
    }
    for (const bool broken : {false, true}) {
        QFile image(kept.fileOf(QStringLiteral("magnetartikel"), serial));
        if (broken) {
            ASSERT_TRUE(image.open(QIODevice::ReadWrite) && image.resize(image.size() - 9));
        }
        SimRig next;
        StationImageStore store(dir.filePath("Zentralen"));
        next.ctx.rememberStationsIn(store);
        AddressRange range;
        ASSERT_TRUE(loadRangeTableFile(file, accessoryFileFormat(), next.ctx.accessories, next.ctx.storedSerial, range).ok());
        for (int a = 1; a <= 16; ++a)
            ASSERT_EQ(next.ctx.accessories.status(a), broken ? 1 : 0) << a;
    }
}

// A send writes the records marked and nothing else: the other records of their area keep what the
// station holds, whatever the table shows of them or whether they were ever read.
TEST(RangeDatabases, ASendChangesOnTheStationOnlyTheMarkedRecords)
{
    for (const bool fb : {false, true}) {
        SimRig rig;
        const Db db = fb ? feedback(rig) : accessories(rig);
        SCOPED_TRACE(db.name);
        db.range = {30, 40};
        ASSERT_EQ(db.read().result, 0);
        std::vector<QByteArray> before;
        for (int a = 17; a <= 48; ++a)
            before.push_back(stationRecord(rig, db, a));
        // "alle löschen" over 28..40, of which 28 and 29 were never read; then one name.
        db.range = {28, 40};
        for (int a = 28; a <= 40; ++a)
            db.table.blankRecord(a);
        db.table.saveNames(32, QStringLiteral("Neu"), QString());
        BusCounts n;
        n.start(rig.bus);
        ASSERT_EQ(db.send(), SendOutcome::Sent);
        EXPECT_EQ(n.pageWrites, 2 + 2 * 16) << "one record of two pages, and the index";
        for (int a = 17; a <= 48; ++a) {
            if (a != 32) {
                EXPECT_EQ(stationRecord(rig, db, a), before[size_t(a - 17)]) << a;
            }
        }
        EXPECT_EQ(db.table.nameLine(32, 1), QStringLiteral("Neu"));
        ASSERT_EQ(db.read().result, 0);
        EXPECT_EQ(db.table.nameLine(32, 1), QStringLiteral("Neu"));
        // A record a file holds as never written stays never written, with no number of its own.
        for (int b = 0; b < db.table.layout().recordBytes(); ++b)
            db.table.set(33, b, 255);
        db.table.set(33, db.table.layout().statusColumn, status::Changed);
        ASSERT_EQ(db.send(), SendOutcome::Sent);
        EXPECT_EQ(stationRecord(rig, db, 33), QByteArray(32, char(0xFF)));
        EXPECT_EQ(rig.station.violations(), 0);
    }
}
