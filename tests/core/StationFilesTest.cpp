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
#include "shell/FileErrors.h"
#include "support/SimRig.h"

#include <QDirIterator>
#include <system_error>

#include <gtest/gtest.h>

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

} // namespace

// A backup of a seeded station restored to an empty one, backed up again: every file equal.
TEST(StationBackup, RestoredToAnotherStationBacksUpTheSame)
{
    SimRig from;
    from.station.seedLocomotives(6);
    from.station.seedAccessories(40);
    from.station.seedFeedback(40);
    from.station.seedRoutes(10); // route 10 holds a name and no entries
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a"));
    const QString b = dir.filePath(QStringLiteral("b"));
    ASSERT_TRUE(BackupStation(from.ctx, a, QStringLiteral("test")).ok());
    QFile manifest(QDir(a).filePath(StationBackupManifestName()));
    ASSERT_TRUE(manifest.open(QIODevice::ReadOnly));
    const QByteArray text = manifest.readAll();
    EXPECT_TRUE(text.startsWith("seriennummer=1200066051\n"));
    EXPECT_TRUE(text.contains("\nloco=6\nacc=40\nfb=40\nroutes=10\ndatei=lokdaten.isd ")) << text.toStdString();

    SimRig to;
    const StationRunOutcome restored = RestoreStation(to.ctx, a);
    ASSERT_TRUE(restored.ok()) << restored.text.toStdString();
    ASSERT_TRUE(BackupStation(to.ctx, b, QStringLiteral("test")).ok());
    for (const StationDatabase& db : StationDatabases()) {
        const IsdDiff diff = DiffIsdFiles(QDir(a).filePath(db.fileName), QDir(b).filePath(db.fileName));
        EXPECT_TRUE(diff.ok() && diff.differences.isEmpty()) << db.word << ": " << diff.differences.join('\n').toStdString();
    }
    EXPECT_EQ(to.ctx.routes.ReadFSname(1, 3), from.ctx.routes.ReadFSname(1, 3));
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
        ASSERT_EQ(WriteBackupFolder(old, {{"a.isd", "alt a"}, {kept, "alt"}}, "seriennummer=1\n"), QString());
        const QStringList before = contentsOf(dir.path());
        const bool taken = WriteBackupFolder(old, {{"a.isd", "neu a"}, {"b.isd", "b"}, {third, "c"}, {"d.isd", "d"}}, "").isEmpty();
        EXPECT_EQ(taken, &kept == &cases[0].first) << "the first case only";
        if (taken)
            EXPECT_EQ(std::pair(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                                readAll(old + QStringLiteral("/a.isd"))),
                      std::pair(QStringList{"alt"}, QByteArray("neu a")));
        else
            EXPECT_EQ(contentsOf(dir.path()), before);
    }
}

// A restore sends nothing of a backup whose files its manifest does not vouch for, and compares
// each database with the station its own file comes from.
TEST(StationBackup, RestoreSendsOnlyWhatItsManifestVouchesForEachFileWithItsOwnStation)
{
    QTemporaryDir dir;
    SimRig from;
    from.station.seedLocomotives(2);
    ASSERT_TRUE(BackupStation(from.ctx, dir.path(), QStringLiteral("test")).ok());
    std::vector<BackupFile> files;
    for (const StationDatabase& db : StationDatabases())
        files.push_back({db.fileName, readAll(QDir(dir.path()).filePath(db.fileName))});
    from.ctx.storedSerial.set(1, 17);
    files[1].bytes = StationDatabases()[1].file(from.ctx).data(); // accessories of another station
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
        {"checked, a byte stored wrongly", "sicherung.txt", "-", "-", "", "Fehler beim Senden oder Prüfen: Lokomotiven; vollständig gesendet: keine"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString folder = dir.filePath(QString::fromUtf8(c.name));
        ASSERT_EQ(WriteBackupFolder(folder, files, "seriennummer=1200066051\n"), QString());
        QFile f(QDir(folder).filePath(c.file));
        const QByteArray bytes = readAll(f.fileName()).replace(c.from, c.to);
        ASSERT_TRUE(c.from.isEmpty() ? f.remove() : f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush());
        SimRig to;
        to.station.faults().corruptWritesEvery = c.failed ? 2 : 0;
        to.ctx.settings.VerifyAfterSend = c.failed != nullptr;
        const StationRunOutcome restored = RestoreStation(to.ctx, folder);
        QStringList asked;
        for (const FakeDialogs::Call& call : to.dialogs.calls)
            asked << (call.question == Question::ReplaceOtherStation ? call.title : QString());
        if (c.failed) {
            EXPECT_EQ(restored.text, QString::fromUtf8(c.failed));
            continue;
        }
        if (c.refused.isEmpty()) {
            EXPECT_TRUE(restored.ok()) << restored.text.toStdString();
            EXPECT_EQ(asked.join(QString()), QStringLiteral("Magnetartikel")) << "no other database asked";
            continue;
        }
        EXPECT_EQ(restored.text, QStringLiteral("Sicherung unvollständig oder verändert: ") + c.refused);
        EXPECT_EQ(std::tuple(asked.size(), to.progress.shows), std::tuple(0, 0)) << "nothing sent";
    }
}

// File errors in German words where the system's reason is known.
TEST(FileErrors, SayWhatTheSystemSaidInGerman)
{
    QTemporaryDir dir;
    const auto words = [&](const QString& system) { return FileErrorWords(dir.filePath("x"), system, FileAccess::Write); };
    EXPECT_EQ(words(QString::fromLocal8Bit(std::generic_category().message(ENOSPC))), QStringLiteral("Datenträger voll"));
    EXPECT_EQ(words(QString::fromLocal8Bit(std::generic_category().message(EROFS))), QStringLiteral("Datenträger schreibgeschützt"));
    EXPECT_EQ(words(QString::fromLocal8Bit(std::generic_category().message(ENOTDIR))), QStringLiteral("ein Teil des Pfads ist kein Ordner"));
    EXPECT_EQ(words(QStringLiteral("Unknown error")), QStringLiteral("Fehler des Systems ohne nähere Angabe"));
    EXPECT_EQ(SaveFileWhole(dir.path(), QByteArray()), QStringLiteral("ist ein Ordner"));
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
        FillLocoFormatTables(formats);
        int loaded = 1;
        LocoData data{table, formats, loaded};
        putLoco(table, 3, 38, QStringLiteral("Köf II"));
        table.setStatus(3, LocoTable::StatusUnchanged);
        const LocoTable before = table;
        const QByteArray exported = WriteCsv(LocoCsv(data));
        ASSERT_TRUE(exported.startsWith("\xEF\xBB\xBF" "Adresse;Name;Datenformat;Höchstgeschwindigkeit;f0;"));
        EXPECT_EQ(ReadCsv(LocoCsv(data), exported).changedRecords, 0) << "unchanged file, nothing to send";
        const QString edited = c.from.isEmpty() ? c.to : QString::fromUtf8(exported).replace(c.from, c.to);
        const CsvImport taken = ReadCsv(LocoCsv(data), edited.toUtf8());
        if (!c.error.isEmpty()) {
            EXPECT_TRUE(taken.error.startsWith(c.error)) << taken.error.toStdString();
            EXPECT_TRUE(table == before);
            continue;
        }
        ASSERT_TRUE(taken.ok()) << taken.error.toStdString();
        EXPECT_EQ(taken.changedRecords, 1);
        EXPECT_EQ(QString::fromUtf8(WriteCsv(LocoCsv(data))), edited);
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
    EXPECT_EQ(ReadCsv(RangeCsv(rig.ctx.accessories, {1, 3}), file).error,
              QStringLiteral("Zeile 2: die beiden Namenszeilen haben zusammen 30 Zeichen, Platz ist für 23"));
    EXPECT_TRUE(ReadCsv(RangeCsv(rig.ctx.accessories, {1, 3}), "Adresse;Name Zeile1\r\n2;\"A\rB\"\r\n").error.startsWith("Zeile 2: ein Zeilenumbruch (CR)"));
    EXPECT_EQ(rig.ctx.accessories.nameLine(2, 1), QString());
    // A 0 character after a number makes no number of it.
    for (const CsvTable& csv : {RangeCsv(rig.ctx.accessories, {1, 3}), RouteCsv(rig.ctx.routes)})
        EXPECT_EQ(ReadCsv(csv, csv.keyTitle.toUtf8() + QByteArray(";Name Zeile1\r\n2\0;A\r\n", 20)).error,
                  QStringLiteral("Zeile 2: %1 2\u2400 ist nicht in der Tabelle").arg(csv.keyTitle));
    rig.ctx.accessories.saveNames(3, QStringLiteral("Weiche links Bahnhof"), QStringLiteral("Ost"));
    ASSERT_TRUE(ReadCsv(RangeCsv(rig.ctx.accessories, {1, 3}), "Adresse;Name Zeile2;Name Zeile1\r\n3;Weiche links Bahnhof;Ost\r\n").ok());
    EXPECT_EQ(rig.ctx.accessories.nameLine(3, 2), QStringLiteral("Weiche links Bahnhof"));
    rig.ctx.routes.RouteData[2][2] = 1011;
    EXPECT_EQ(ReadCsv(RouteCsv(rig.ctx.routes), "Fahrstraße;Befehl 1\r\n2;Pause\r\n").error,
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
        [&](int k) { return LocoCsv(locoData[k]); }, [&](int k) { return AccessoryCsv(acc[k], {1, 9}); },
        [&](int k) { return RouteCsv(routes[k]); }};
    for (const auto& csv : kinds) {
        const QByteArray exported = WriteCsv(csv(0));
        EXPECT_EQ(ReadCsv(csv(1), exported).error, QString());
        EXPECT_EQ(QString::fromUtf8(WriteCsv(csv(1))), QString::fromUtf8(exported));
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
        {"loco name", IsdHeaderLocoTable(), [](AppContext& c) { c.loco.WriteLokname(3, QStringLiteral("Köf III")); },
         "Lok 38: Name in A 'Köf II', in B 'Köf III'"},
        {"loco address", IsdHeaderLocoTable(), [](AppContext& c) { c.loco.setAddress(3, 39); }, "Lok 38: nur in A ('Köf II')"},
        {"loco format", IsdHeaderLocoTable(), [](AppContext& c) { c.loco.set(3, LocoTable::FormatCode, 80); },
         "Lok 38: Datenformat in A 'DCC 28', in B 'DCC 14'"},
        {"loco speed", IsdHeaderLocoTable(), [](AppContext& c) { c.loco.set(3, LocoTable::MaxSpeedHalf, 50); },
         "Lok 38: Höchstgeschwindigkeit in A 80, in B 100"},
        {"loco symbol", IsdHeaderLocoTable(), [](AppContext& c) { c.loco.set(3, LocoTable::symbolColumn(2), 9); },
         "Lok 38: Symbol f2 in A 5, in B 9"},
        {"accessory symbol", IsdHeaderAccessory(), [](AppContext& c) { c.accessories.chooseSymbol(2, 7, 1); },
         "Magnetartikel 2: Symbol in A 1, in B 7"},
        {"accessory format", IsdHeaderAccessory(), [](AppContext& c) { c.accessories.toggleFormat(2); },
         "Magnetartikel 2: Datenformat in A 'default', in B 'DCC'"},
        // A byte behind a name's end shows nowhere.
        {"behind the name", IsdHeaderAccessory(), [](AppContext& c) { c.accessories.set(1, 20, 0x41); }, "="},
        {"route entry", IsdHeaderRoutes(), [](AppContext& c) { c.routes.RouteData[2][2] = 8; }, ""},
        {"two kinds", IsdHeaderLocoTable(), nullptr, ""},
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
        const StationDatabase* db = StationDatabaseOfHeader(c.header);
        QTemporaryDir dir;
        const QString a = dir.filePath(QStringLiteral("a.isd"));
        const QString b = dir.filePath(QStringLiteral("b.isd"));
        ASSERT_EQ(db->file(ctx).saveTo(a), QString());
        const QString before = FS_Befehl_to_Text(ctx.routes, 2, 2);
        if (c.change) {
            c.change(ctx);
            ASSERT_EQ(db->file(ctx).saveTo(b), QString());
        } else {
            ASSERT_EQ(RouteTableFile(ctx.routes, ctx.storedSerial).saveTo(b), QString());
        }
        const QString line = c.header == IsdHeaderRoutes()
                                 ? QStringLiteral("Fahrstraße 2: Befehl 1 in A '%1', in B '%2'").arg(before, FS_Befehl_to_Text(ctx.routes, 2, 2))
                                 : c.line;
        const IsdDiff diff = DiffIsdFiles(a, b);
        if (line.isEmpty()) {
            EXPECT_TRUE(diff.error.startsWith("Verschiedene Dateiarten")) << diff.error.toStdString();
            continue;
        }
        EXPECT_TRUE(line == "=" ? diff.differences.isEmpty() : diff.differences.contains(line))
            << diff.differences.join('\n').toStdString();
        EXPECT_TRUE(DiffIsdFiles(a, a).differences.isEmpty());
    }
}

} // namespace kx2
