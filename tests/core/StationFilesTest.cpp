#include "accessory/AccessoryFiles.h"
#include "app/IsdDiff.h"
#include "app/StationBackup.h"
#include "app/StationDatabases.h"
#include "dbproto/RangeCsv.h"
#include "loco/LocoCsv.h"
#include "loco/LocoFiles.h"
#include "routes/RouteCommand.h"
#include "routes/RouteFiles.h"
#include "support/SimRig.h"

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
    EXPECT_TRUE(manifest.readAll().startsWith("seriennummer=1200066051\n"));

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

// A CSV exported and edited comes back as edits marked for sending; a malformed one is refused
// with its line and changes nothing.
TEST(TableCsv, EditedFileIsTakenMalformedFileChangesNothing)
{
    struct Case {
        const char* name;
        QString from, to;  // replaced in the exported text
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
        const QString edited = QString::fromUtf8(exported).replace(c.from, c.to);
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

// The two name lines of an accessory share one area: together too long is refused, nothing stored.
TEST(TableCsv, TwoNameLinesMustFitTheirAreaTogether)
{
    SimRig rig;
    for (int a = 1; a <= 3; ++a)
        rig.ctx.accessories.Clear_MagDaten(a);
    const QByteArray file = "Adresse;Name Zeile1;Name Zeile2\r\n2;AAAAAAAAAAAAAAA;BBBBBBBBBBBBBBB\r\n";
    EXPECT_EQ(ReadCsv(RangeCsv(rig.ctx.accessories, {1, 3}), file).error,
              QStringLiteral("Zeile 2: die beiden Namenszeilen haben zusammen 30 Zeichen, Platz ist für 23"));
    EXPECT_EQ(rig.ctx.accessories.nameLine(2, 1), QString());
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
        EXPECT_TRUE(diff.differences.contains(line)) << diff.differences.join('\n').toStdString();
        EXPECT_TRUE(DiffIsdFiles(a, a).differences.isEmpty());
    }
}

} // namespace kx2
