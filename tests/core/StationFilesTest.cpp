#include "accessory/AccessoryCsv.h"
#include "accessory/AccessoryFiles.h"
#include "app/IsdDiff.h"
#include "app/StationBackup.h"
#include "app/StationDatabases.h"
#include "records/NameLines.h"
#include "records/RangeCsv.h"
#include "loco/LocoCsv.h"
#include "loco/LocoFiles.h"
#include "routes/RouteCommand.h"
#include "routes/RouteCsv.h"
#include "routes/RouteFiles.h"
#include "support/SimRig.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <random>

#include <gtest/gtest.h>

using kx2::test::BusCounts;
using kx2::test::SimRig;

namespace kx2 {

namespace {

void putLoco(LocoTable& t, int slot, int address, const QString& name)
{
    t.createRecord(slot, address, name);
    t.set(slot, LocoTable::FormatCode, 82);
    t.set(slot, LocoTable::FormatParam, 17);
    t.set(slot, LocoTable::symbolColumn(2), 5);
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every entry under `folder`, a file with its bytes.
QStringList contentsOf(const QString& folder)
{
    QStringList out;
    for (QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        out << path + "=" + QString::fromLatin1(readAll(path).toHex());
    }
    return out;
}


// The lines of a backup's four files with the record numbers (bytes 0..3 of every record) left
// blank: a restore renews them, everything else must come back.
QStringList withoutRecordNumbers(const QString& folder)
{
    // File, first line of the first record's cells (0-based), cells per record.
    const struct {
        const char* file;
        int first, cells;
    } files[] = {{"lokdaten.isd", 5, 84}, {"magnetartikel.isd", 7, 35}, {"rueckmelder.isd", 7, 35}, {"fahrstrassen.isd", 2005, 51}};
    QStringList out;
    for (const auto& f : files) {
        QList<QByteArray> lines = readAll(QDir(folder).filePath(f.file)).split('\n');
        for (int i = f.first; i < lines.size(); ++i)
            if ((i - f.first) % f.cells < 4)
                lines[i].clear();
        for (const QByteArray& line : lines)
            out << QString::fromLatin1(line);
    }
    return out;
}

// An accessory record as the station's flash holds it; `bytes` empty: never written.
void putAccessory(SimRig& rig, int address, const QByteArray& bytes)
{
    const int area = sim::SimCommandStation::AccessoryAreaBase + (address - 1) / 16;
    QByteArray memory = rig.station.area(sim::SimCommandStation::Flash::Data, area);
    memory.replace(32 * ((address - 1) % 16), 32, bytes.isEmpty() ? QByteArray(32, char(0xFF)) : bytes.leftJustified(32, char(0xFF)));
    rig.station.setArea(sim::SimCommandStation::Flash::Data, area, memory);
}

const QByteArray kWrittenEmpty("\x1f\x00\x00\x80", 4); // a record number and nothing else

} // namespace

// A backup restored and backed up again gives the same records, their numbers aside: only what
// differs is written, a record the backup holds as never written is erased, one it holds as
// written empty is written. The question names per database what is written and erased.
TEST(StationBackup, RestoreWritesWhatDiffersAndTheNextBackupEqualsTheRestoredOne)
{
    const auto typical = [](SimRig& r) {
        r.station.seedLocomotives(3), r.station.seedAccessories(5), r.station.seedFeedback(4), r.station.seedRoutes(3);
    };
    const auto full = [](SimRig& r) {
        r.station.seedLocomotives(500), r.station.seedAccessories(2048), r.station.seedFeedback(4096), r.station.seedRoutes(80);
    };
    const auto nothing = [](SimRig&) {};
    const struct Case {
        const char* name;
        std::function<void(SimRig&)> backedUp;
        std::function<void(SimRig&)> change; // of the station after the backup
        bool fresh;                          // the restore goes to a new, empty station
        const char* plan;                    // the question's lines; "": nothing written
    } cases[] = {
        {"empty onto typical", nothing, typical, false,
         "Lokomotiven: 0 Datensätze schreiben, 3 löschen|Magnetartikel: 0 Datensätze schreiben, 5 löschen, 2 Datenformate schreiben|"
         "Rückmelder: 0 Datensätze schreiben, 4 löschen|Fahrstraßen: 0 Datensätze schreiben, 3 löschen, 3 Fahrstraßeneinträge schreiben"},
        {"typical onto itself", typical, nothing, false, ""},
        {"full onto empty", full, nothing, true,
         "Lokomotiven: 500 Datensätze schreiben, 0 löschen, 500 Datenformate schreiben|"
         "Magnetartikel: 2048 Datensätze schreiben, 0 löschen, 1024 Datenformate schreiben|"
         "Rückmelder: 4096 Datensätze schreiben, 0 löschen|"
         "Fahrstraßen: 80 Datensätze schreiben, 0 löschen, 1006 Fahrstraßeneinträge schreiben"},
        {"written empty onto never written", [](SimRig& r) { putAccessory(r, 31, kWrittenEmpty); },
         [](SimRig& r) { putAccessory(r, 31, {}); }, false,
         "Lokomotiven: 0 Datensätze schreiben, 0 löschen|Magnetartikel: 1 Datensätze schreiben, 0 löschen|"
         "Rückmelder: 0 Datensätze schreiben, 0 löschen|Fahrstraßen: 0 Datensätze schreiben, 0 löschen"},
        {"a symbol changed on the station", typical,
         [](SimRig& r) {
             QByteArray record = r.station.area(sim::SimCommandStation::Flash::Data, 6400).mid(32, 32);
             record[31] = char(record[31] + 2);
             putAccessory(r, 2, record);
         },
         false,
         "Lokomotiven: 0 Datensätze schreiben, 0 löschen|Magnetartikel: 1 Datensätze schreiben, 0 löschen|"
         "Rückmelder: 0 Datensätze schreiben, 0 löschen|Fahrstraßen: 0 Datensätze schreiben, 0 löschen"},
        {"never written onto written empty", nothing, [](SimRig& r) { putAccessory(r, 31, kWrittenEmpty + "x"); }, false,
         "Lokomotiven: 0 Datensätze schreiben, 0 löschen|Magnetartikel: 0 Datensätze schreiben, 1 löschen|"
         "Rückmelder: 0 Datensätze schreiben, 0 löschen|Fahrstraßen: 0 Datensätze schreiben, 0 löschen"},
        {"a route longer on the station", typical,
         [](SimRig& r) {
             // Route 1 ends after its eighth command in the backup; on the station two more follow.
             sim::SimRouteModule& m = r.station.routeModule();
             const int end = RouteTables::variableOf(1, 10);
             ASSERT_EQ(m.variable(end), RouteTables::EndOfRoute);
             m.setVariable(end, 1011), m.setVariable(end + 1, 1021), m.setVariable(end + 2, RouteTables::EndOfRoute);
         },
         false,
         "Lokomotiven: 0 Datensätze schreiben, 0 löschen|Magnetartikel: 0 Datensätze schreiben, 0 löschen|"
         "Rückmelder: 0 Datensätze schreiben, 0 löschen|Fahrstraßen: 0 Datensätze schreiben, 0 löschen, 1 Fahrstraßeneinträge schreiben"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString a = dir.filePath(QStringLiteral("a")), b = dir.filePath(QStringLiteral("b"));
        SimRig from;
        c.backedUp(from);
        ASSERT_TRUE(backupStation(from.ctx, a, QStringLiteral("test")).ok());
        SimRig fresh;
        SimRig& to = c.fresh ? fresh : from;
        c.change(to);
        BusCounts counts;
        counts.start(to.bus);
        to.dialogs.calls.clear();
        const StationRunOutcome restored = restoreStation(to.ctx, a);
        ASSERT_TRUE(restored.ok()) << restored.text.toStdString();
        EXPECT_EQ(counts.accessOpens, 1) << "one database access for reading and writing";
        const QString plan = QString::fromUtf8(c.plan).replace('|', QChar(13));
        if (plan.isEmpty()) {
            EXPECT_EQ(restored.text, QStringLiteral("Die Zentrale entspricht der Sicherung; nichts geschrieben."));
            EXPECT_EQ(std::tuple(counts.pageWrites, counts.formatWrites, int(to.dialogs.calls.size())), std::tuple(0, 0, 0));
        } else {
            ASSERT_EQ(to.dialogs.calls.size(), 1u);
            EXPECT_TRUE(to.dialogs.calls[0].text.endsWith(QChar(13) + plan)) << to.dialogs.calls[0].text.toStdString();
            // The status line names every database written, and only those.
            for (const QString& line : plan.split(QChar(13))) {
                const QString db = line.section(QLatin1Char(':'), 0, 0);
                const bool written = QRegularExpression(QStringLiteral("[1-9]")).match(line).hasMatch();
                EXPECT_EQ(to.controls.transferDone.contains(QLatin1Char(' ') + db), written)
                    << db.toStdString() << ": " << to.controls.transferDone.toStdString();
            }
        }
        ASSERT_TRUE(backupStation(to.ctx, b, QStringLiteral("test")).ok());
        EXPECT_EQ(withoutRecordNumbers(b), withoutRecordNumbers(a));
        // Every record written got a new number.
        const bool renumbered = QRegularExpression(QStringLiteral(": [1-9]\\d* Datensätze schreiben")).match(plan).hasMatch();
        EXPECT_EQ(readAll(QDir(b).filePath("magnetartikel.isd")) + readAll(QDir(b).filePath("lokdaten.isd"))
                      != readAll(QDir(a).filePath("magnetartikel.isd")) + readAll(QDir(a).filePath("lokdaten.isd")),
                  renumbered);
        for (const BackupFolderDiff& d : diffBackupFolders(a, b))
            EXPECT_TRUE(d.diff.ok() && d.diff.differences.isEmpty()) << d.diff.differences.join('\n').toStdString();
        EXPECT_EQ(to.station.violations(), 0) << to.station.violationLog().join('\n').toStdString();
    }
}

// A dry run reads and names what a restore would write, and writes nothing; diff sees the record
// written empty where the station never wrote one. Neither changes the user's address ranges.
TEST(StationBackup, DryRunWritesNothingAndDiffTellsNeverWrittenFromWrittenEmpty)
{
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a")), b = dir.filePath(QStringLiteral("b"));
    SimRig rig;
    const AddressRange accessories{30, 40}, feedback{5, 9};
    rig.ctx.accessoryRange = accessories, rig.ctx.feedbackRange = feedback;
    ASSERT_TRUE(backupStation(rig.ctx, a, QStringLiteral("test")).ok());
    EXPECT_EQ(std::pair(rig.ctx.accessoryRange, rig.ctx.feedbackRange), std::pair(accessories, feedback));
    putAccessory(rig, 31, kWrittenEmpty);
    ASSERT_TRUE(backupStation(rig.ctx, b, QStringLiteral("test")).ok());
    // A record written only with its number is in use; one never written is not.
    EXPECT_TRUE(readAll(QDir(b).filePath(stationBackupManifestName())).contains("\nloco=0\nacc=1\nfb=0\nroutes=0\n"));
    const std::vector<BackupFolderDiff> diff = diffBackupFolders(a, b);
    EXPECT_EQ(diff[1].diff.differences, QStringList{QStringLiteral("Magnetartikel 31: in A nie geschrieben, in B geschrieben")});
    BusCounts counts;
    counts.start(rig.bus);
    RestoreOptions dry;
    dry.dryRun = true;
    const StationRunOutcome outcome = restoreStation(rig.ctx, a, dry);
    EXPECT_TRUE(outcome.text.startsWith(QStringLiteral("Probelauf, nichts geschrieben. Zurückspielen würde:")));
    EXPECT_TRUE(outcome.text.contains(QStringLiteral("Magnetartikel: 0 Datensätze schreiben, 1 löschen")));
    EXPECT_EQ(std::tuple(counts.pageWrites, counts.areaWrites, int(rig.dialogs.calls.size())), std::tuple(0, 0, 0));
    EXPECT_EQ(std::pair(rig.ctx.accessoryRange, rig.ctx.feedbackRange), std::pair(accessories, feedback));
}

// Whatever this program's sends leave in a station, the quick backup reads the same files as the
// full one: random edits of every database sent, some restores between, then both backups.
TEST(StationBackup, QuickBackupEqualsTheFullOneAfterRandomSends)
{
    for (unsigned seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        const auto pick = [&random](int n) { return int(random() % unsigned(n)); };
        SimRig rig;
        rig.station.seedLocomotives(pick(4)), rig.station.seedAccessories(pick(40)), rig.station.seedRoutes(pick(6));
        QTemporaryDir dir;
        AppContext& c = rig.ctx;
        for (int step = 0; step < 12; ++step) {
            const int first = 1 + pick(60), name = pick(1000);
            c.accessoryRange = {first, first + pick(20)};
            c.feedbackRange = {first, first + pick(20)};
            const StationDatabase& db = stationDatabases()[size_t(pick(5) % 4)];
            if (pick(6) == 0) { // an earlier state of the station brought back
                const QString folder = dir.filePath(QString::number(step));
                ASSERT_TRUE(backupStation(c, folder, QStringLiteral("test")).ok());
                ASSERT_NE(restoreStation(c, dir.filePath(QString::number(step - 3))).end, StationRunOutcome::End::Cancelled);
                continue;
            }
            ASSERT_EQ(db.read(c).result, 0);
            for (int k = pick(4); k >= 0; --k) {
                const int a = c.accessoryRange.first + pick(c.accessoryRange.last - c.accessoryRange.first + 1);
                const QString n = QStringLiteral("N%1").arg(name + k);
                if (db.word == QByteArray("loco")) {
                    if (const std::optional<int> slot = c.loco.firstReusableSlot(); slot && pick(3))
                        c.loco.createRecord(*slot, 1 + pick(9999), n);
                    else
                        c.loco.deleteRecord(pick(3));
                } else if (db.word == QByteArray("acc")) {
                    pick(3) ? c.accessories.saveNames(a, n, QString()) : c.accessories.chooseSymbol(a, 1 + pick(26), 0);
                } else if (db.word == QByteArray("fb")) {
                    c.feedback.saveNames(a, QString(), n);
                } else {
                    const int r = 1 + pick(RouteTables::RouteCount);
                    NameLines::write(c.routes.RouteNames, r, n, QString());
                    c.routes.RouteNames.set(r, RouteTables::State, status::Changed);
                    c.routes.RouteData[size_t(r)][1] = pick(2) ? 0 : 1039;
                    c.routes.RouteDataChanged[size_t(r)].fill(true);
                }
            }
            ASSERT_NE(db.send(c), SendOutcome::Failed);
        }
        BackupOptions quick;
        quick.quick = true;
        ASSERT_TRUE(backupStation(c, dir.filePath("full"), QStringLiteral("test")).ok());
        ASSERT_TRUE(backupStation(c, dir.filePath("quick"), QStringLiteral("test"), quick).ok());
        for (const StationDatabase& db : stationDatabases())
            EXPECT_EQ(readAll(dir.filePath(QStringLiteral("quick/") + db.fileName)),
                      readAll(dir.filePath(QStringLiteral("full/") + db.fileName)))
                << db.word;
    }
}

// A new backup takes the place of the old one only once every file is written; a folder that
// holds anything else is not replaced. Nothing is left beside it.
TEST(StationBackup, ReplacesTheOldFolderWholeOrNotAtAll)
{
    const std::pair<const char*, const char*> cases[] = {{"b.isd", "c.isd"}, {"b.isd", "fehlt/c.isd"}, {"notiz.txt", "c.isd"}};
    for (const auto& [kept, third] : cases) {
        SCOPED_TRACE(std::string(kept) + " " + third);
        QTemporaryDir dir;
        const QString old = dir.filePath(QStringLiteral("alt"));
        ASSERT_EQ(writeBackupFolder(old, {{"a.isd", "alt a"}, {kept, "alt"}}, "seriennummer=1\n"), QString());
        const QStringList before = contentsOf(dir.path());
        const bool taken = writeBackupFolder(old, {{"a.isd", "neu a"}, {"b.isd", "b"}, {third, "c"}, {"d.isd", "d"}}, "").isEmpty();
        EXPECT_EQ(taken, &kept == &cases[0].first) << "the first case only";
        if (taken)
            EXPECT_EQ(std::pair(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                                readAll(old + QStringLiteral("/a.isd"))),
                      std::pair(QStringList{"alt"}, QByteArray("neu a")));
        else
            EXPECT_EQ(contentsOf(dir.path()), before);
    }
}

// A restore sends nothing of a backup whose files its manifest does not vouch for; a file of
// another station is asked about once.
TEST(StationBackup, RestoreSendsOnlyWhatItsManifestVouchesForAndAsksOnceAboutAnotherStation)
{
    QTemporaryDir dir;
    SimRig from;
    from.station.seedLocomotives(2);
    ASSERT_TRUE(backupStation(from.ctx, dir.path(), QStringLiteral("test")).ok());
    std::vector<BackupFile> files;
    for (const StationDatabase& db : stationDatabases())
        files.push_back({db.fileName, readAll(QDir(dir.path()).filePath(db.fileName))});
    from.ctx.storedSerial.set(1, 17);
    files[1].bytes = stationDatabases()[1].file(from.ctx).data(); // accessories of another station
    const struct {
        const char* name;
        const char* file; // spoiled: `from` replaced by `to`, or removed when `from` is empty
        QByteArray from, to;
        QString refused; // the file named; "" : sent
        const char* failed = nullptr; // to a station that stores a byte wrongly, checked: what the run says
    } cases[] = {
        {"as written", "sicherung.txt", "-", "-", ""},
        {"a file missing", "rueckmelder.isd", "", "", "rueckmelder.isd"},
        {"a byte changed", "rueckmelder.isd", "Version 1.0", "Version 1.1", "rueckmelder.isd"},
        {"not listed", "sicherung.txt", "datei=rueckmelder", "datei=rueckmeldex", "rueckmelder.isd"},
        {"without file lines", "sicherung.txt", "datei=", "alt=", "lokdaten.isd"},
        {"checked, a byte stored wrongly", "sicherung.txt", "-", "-", "", "Fehler beim Zurückspielen."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString folder = dir.filePath(QString::fromUtf8(c.name));
        ASSERT_EQ(writeBackupFolder(folder, files, "seriennummer=1200066051\n"), QString());
        QFile f(QDir(folder).filePath(c.file));
        const QByteArray bytes = readAll(f.fileName()).replace(c.from, c.to);
        ASSERT_TRUE(c.from.isEmpty() ? f.remove() : f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush());
        SimRig to;
        to.station.faults().corruptWritesEvery = c.failed ? 2 : 0;
        to.ctx.settings.VerifyAfterSend = c.failed != nullptr;
        const StationRunOutcome restored = restoreStation(to.ctx, folder);
        QStringList asked;
        for (const FakeDialogs::Call& call : to.dialogs.calls)
            asked << (call.question == Question::ReplaceOtherStation ? call.title : QString());
        if (c.failed) {
            EXPECT_EQ(restored.text, QString::fromUtf8(c.failed));
            EXPECT_TRUE(to.dialogs.calls.back().text.contains(QStringLiteral(": gelesen anders als geschrieben")));
            continue;
        }
        if (c.refused.isEmpty()) {
            EXPECT_TRUE(restored.ok()) << restored.text.toStdString();
            EXPECT_EQ(asked.join(QString()), QStringLiteral("Sicherung zurückspielen")) << "asked once";
            continue;
        }
        EXPECT_EQ(restored.text, QStringLiteral("Sicherung unvollständig oder verändert: ") + c.refused);
        EXPECT_EQ(std::tuple(asked.size(), to.progress.shows), std::tuple(0, 0)) << "nothing sent";
    }
}

// A CSV exported and edited comes back as edits marked for sending; a malformed one is refused
// with its line and changes nothing.
TEST(TableCsv, EditedFileIsTakenMalformedFileChangesNothing)
{
    struct Case {
        const char* name;
        QString from, to;  // replaced in the exported text; without `from`, `to` is the whole file
        QString error;     // "" : taken
    };
    const Case cases[] = {
        {"name, format, speed, symbol", "38;Köf II;DCC 28;80;0;0;5", "38;Köf III;DCC 14;100;0;0;7", ""},
        {"unknown address", "38;Köf II", "39;Köf II", "Zeile 2: Adresse 39 ist nicht in der Tabelle"},
        {"odd speed", ";80;", ";81;", "Zeile 2: Höchstgeschwindigkeit: 81 ist ungerade"},
        {"format unknown", "DCC 28", "DCC 29", "Zeile 2: Datenformat: \"DCC 29\" ist keins von"},
        {"symbol out of range", ";80;0;0;5", ";80;0;0;80", "Zeile 2: f2: \"80\" ist keine Zahl von 0 bis 79"},
        {"a field missing", ";80;0;0;5;", ";80;0;0;5", "Zeile 2: 32 Felder statt 33"},
        {"unknown column", "f28", "f29", "Zeile 1: unbekannte Spalte \"f29\""},
        {"open quote", "Köf II", "\"Köf II", "Zeile 2: Anführungszeichen nicht geschlossen"},
        {"name too long", "Köf II", "Köf II der Baureihe 323 a", "Zeile 2: Name: \"Köf II der Baureihe 323 a\" ist länger als 23"},
        {"one address twice", "", "Adresse;Name\r\n38;Köf II\r\n\r\n38;Köf III\r\n", "Zeile 4: Adresse 38 steht schon in Zeile 2"},
        {"a key of 40 characters, quoted whole", "38;Köf II", QString(40, '9') + ";Köf II", "Zeile 2: Adresse " + QString(40, '9') + " ist nicht"},
        {"one of 41, cut", "38;Köf II", QString(41, '9') + ";Köf II", "Zeile 2: Adresse " + QString(39, '9') + "… ist nicht"},
        {"a name of 10 MB, cut", "Köf II", QString(10'000'000, 'x'), "Zeile 2: Name: \"" + QString(39, 'x') + "…\" ist länger"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LocoTable table;
        table.markAllForDeviceRead();
        LocoFormatTables formats;
        fillLocoFormatTables(formats);
        int loaded = 1;
        LocoData data{table, formats, loaded};
        putLoco(table, 3, 38, QStringLiteral("Köf II"));
        table.setStatus(3, LocoTable::StatusUnchanged);
        const LocoTable before = table;
        const QByteArray exported = writeCsv(locoCsv(data));
        ASSERT_TRUE(exported.startsWith("\xEF\xBB\xBF" "Adresse;Name;Datenformat;Höchstgeschwindigkeit;f0;"));
        EXPECT_EQ(readCsv(locoCsv(data), exported).changedRecords, 0) << "unchanged file, nothing to send";
        const QString edited = c.from.isEmpty() ? c.to : QString::fromUtf8(exported).replace(c.from, c.to);
        const CsvImport taken = readCsv(locoCsv(data), edited.toUtf8());
        if (!c.error.isEmpty()) {
            EXPECT_TRUE(taken.error.startsWith(c.error)) << taken.error.toStdString();
            EXPECT_TRUE(table == before);
            continue;
        }
        ASSERT_TRUE(taken.ok()) << taken.error.toStdString();
        EXPECT_EQ(taken.changedRecords, 1);
        EXPECT_EQ(QString::fromUtf8(writeCsv(locoCsv(data))), edited);
        EXPECT_EQ(std::tuple(table.status(3), table.value(3, LocoTable::FormatPending)), std::tuple(LocoTable::StatusChanged, 1));
    }
}

// The two name lines of an accessory share one area: together too long, or one holding the 13
// that separates them, is refused, nothing stored; swapped in a file whose columns are swapped
// too, neither is cut. A route command edited in the file is refused: commands are not read.
TEST(TableCsv, NameLinesTooLongTogetherAndEditedCommandsAreRefused)
{
    SimRig rig;
    for (int a = 1; a <= 3; ++a)
        rig.ctx.accessories.Clear_MagDaten(a);
    const QByteArray file = "Adresse;Name Zeile1;Name Zeile2\r\n2;AAAAAAAAAAAAAAA;BBBBBBBBBBBBBBB\r\n";
    EXPECT_EQ(readCsv(rangeCsv(rig.ctx.accessories, {1, 3}), file).error,
              QStringLiteral("Zeile 2: die beiden Namenszeilen haben zusammen 30 Zeichen, Platz ist für 23"));
    EXPECT_TRUE(readCsv(rangeCsv(rig.ctx.accessories, {1, 3}), "Adresse;Name Zeile1\r\n2;\"A\rB\"\r\n").error.startsWith("Zeile 2: ein Zeilenumbruch (CR)"));
    EXPECT_EQ(rig.ctx.accessories.nameLine(2, 1), QString());
    // A 0 character after a number makes no number of it.
    for (const CsvTable& csv : {rangeCsv(rig.ctx.accessories, {1, 3}), routeCsv(rig.ctx.routes)})
        EXPECT_EQ(readCsv(csv, csv.keyTitle.toUtf8() + QByteArray(";Name Zeile1\r\n2\0;A\r\n", 20)).error,
                  QStringLiteral("Zeile 2: %1 2\u2400 ist nicht in der Tabelle").arg(csv.keyTitle));
    rig.ctx.accessories.saveNames(3, QStringLiteral("Weiche links Bahnhof"), QStringLiteral("Ost"));
    ASSERT_TRUE(readCsv(rangeCsv(rig.ctx.accessories, {1, 3}), "Adresse;Name Zeile2;Name Zeile1\r\n3;Weiche links Bahnhof;Ost\r\n").ok());
    EXPECT_EQ(rig.ctx.accessories.nameLine(3, 2), QStringLiteral("Weiche links Bahnhof"));
    rig.ctx.routes.RouteData[2][2] = 1011;
    EXPECT_EQ(readCsv(routeCsv(rig.ctx.routes), "Fahrstraße;Befehl 1\r\n2;Pause\r\n").error,
              QStringLiteral("Zeile 2: Befehl 1: wird nicht eingelesen, nur Name Zeile1, Name Zeile2 (\"Pause\" statt \"%1\")")
                  .arg(FS_Befehl_to_Text(rig.ctx.routes, 2, 2)));
}

// Names holding the separator, quotes, line ends, blanks at their ends and characters beyond
// ASCII, exported and imported into tables that hold the same records under other names, come
// back exactly: the second table's export equals the first's. (Feedback contacts share the
// accessories' name columns.)
TEST(TableCsv, EveryNameComesBackExactlyIntoATableOfOtherNames)
{
    const QStringList lines = {"a;b", "\"Zitat\" \"\"", "LF\nmitten", " Blank ", "Größe € ½", QStringLiteral("C1 ") + QChar(0x81)};
    const QStringList locoNames = lines + QStringList{"CR\rallein", "CRLF\r\nmitten", ";\"\r\n"};
    LocoTable loco[2];
    AccessoryTable acc[2];
    RouteTables routes[2];
    LocoFormatTables formats;
    int loaded = 1;
    LocoData locoData[2] = {{loco[0], formats, loaded}, {loco[1], formats, loaded}};
    for (int k = 0; k < 2; ++k) {
        loco[k].markAllForDeviceRead();
        for (int i = 0; i < locoNames.size(); ++i) {
            const QString one = k ? QString() : lines[i % 6], two = k ? QStringLiteral("x") : lines[(i + 1) % 6];
            putLoco(loco[k], i, 10 + i, k ? two : locoNames[i]);
            acc[k].Clear_MagDaten(i + 1), acc[k].saveNames(i + 1, one, two);
            NameLines::write(routes[k].RouteNames, i + 1, one, two);
        }
    }
    const std::function<CsvTable(int k)> kinds[] = {
        [&](int k) { return locoCsv(locoData[k]); }, [&](int k) { return accessoryCsv(acc[k], {1, 9}); },
        [&](int k) { return routeCsv(routes[k]); }};
    for (const auto& csv : kinds) {
        const QByteArray exported = writeCsv(csv(0));
        EXPECT_EQ(readCsv(csv(1), exported).error, QString());
        EXPECT_EQ(QString::fromUtf8(writeCsv(csv(1))), QString::fromUtf8(exported));
    }
}

// kx2ctl diff names each kind of field in words; files of two kinds are not compared.
TEST(IsdDiff, NamesEveryFieldKindInWords)
{
    struct Case {
        const char* name;
        QString header;
        std::function<void(AppContext&)> change;
        QString line; // expected among the differences; "" : an error
    };
    const Case cases[] = {
        {"loco name", isdHeaderLocoTable(), [](AppContext& c) { c.loco.WriteLokname(3, QStringLiteral("Köf III")); },
         "Lok 38: Name in A 'Köf II', in B 'Köf III'"},
        {"loco address", isdHeaderLocoTable(), [](AppContext& c) { c.loco.setAddress(3, 39); }, "Lok 38: nur in A ('Köf II')"},
        {"loco format", isdHeaderLocoTable(), [](AppContext& c) { c.loco.set(3, LocoTable::FormatCode, 80); },
         "Lok 38: Datenformat in A 'DCC 28', in B 'DCC 14'"},
        {"loco speed", isdHeaderLocoTable(), [](AppContext& c) { c.loco.set(3, LocoTable::MaxSpeedHalf, 50); },
         "Lok 38: Höchstgeschwindigkeit in A 80, in B 100"},
        {"loco symbol", isdHeaderLocoTable(), [](AppContext& c) { c.loco.set(3, LocoTable::symbolColumn(2), 9); },
         "Lok 38: Symbol f2 in A 5, in B 9"},
        {"accessory symbol", isdHeaderAccessory(), [](AppContext& c) { c.accessories.chooseSymbol(2, 7, 1); },
         "Magnetartikel 2: Symbol in A 1, in B 7"},
        {"accessory format", isdHeaderAccessory(), [](AppContext& c) { c.accessories.toggleFormat(2); },
         "Magnetartikel 2: Datenformat in A 'default', in B 'DCC'"},
        // A byte behind a name's end shows nowhere.
        {"behind the name", isdHeaderAccessory(), [](AppContext& c) { c.accessories.set(1, 20, 0x41); }, "="},
        {"route entry", isdHeaderRoutes(), [](AppContext& c) { c.routes.RouteData[2][2] = 8; }, ""},
        {"two kinds", isdHeaderLocoTable(), nullptr, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimRig rig;
        AppContext& ctx = rig.ctx;
        ctx.loco.markAllForDeviceRead();
        putLoco(ctx.loco, 3, 38, QStringLiteral("Köf II"));
        ctx.accessoryRange = {1, 3};
        for (int a = 1; a <= 3; ++a)
            ctx.accessories.Clear_MagDaten(a);
        ctx.accessories.chooseSymbol(2, 1, 1);
        ctx.routes.RouteData[2][1] = 1234;
        ctx.routes.RouteData[2][2] = 1011;
        const StationDatabase* db = stationDatabaseOfHeader(c.header);
        QTemporaryDir dir;
        const QString a = dir.filePath(QStringLiteral("a.isd"));
        const QString b = dir.filePath(QStringLiteral("b.isd"));
        ASSERT_EQ(db->file(ctx).saveTo(a), QString());
        const QString before = FS_Befehl_to_Text(ctx.routes, 2, 2);
        if (c.change) {
            c.change(ctx);
            ASSERT_EQ(db->file(ctx).saveTo(b), QString());
        } else {
            ASSERT_EQ(routeTableFile(ctx.routes, ctx.storedSerial).saveTo(b), QString());
        }
        const QString line = c.header == isdHeaderRoutes()
                                 ? QStringLiteral("Fahrstraße 2: Befehl 1 in A '%1', in B '%2'").arg(before, FS_Befehl_to_Text(ctx.routes, 2, 2))
                                 : c.line;
        const IsdDiff diff = diffIsdFiles(a, b);
        if (line.isEmpty()) {
            EXPECT_TRUE(diff.error.startsWith("Verschiedene Dateiarten")) << diff.error.toStdString();
            continue;
        }
        EXPECT_TRUE(line == "=" ? diff.differences.isEmpty() : diff.differences.contains(line))
            << diff.differences.join('\n').toStdString();
        EXPECT_TRUE(diffIsdFiles(a, a).differences.isEmpty());
    }
}

} // namespace kx2
