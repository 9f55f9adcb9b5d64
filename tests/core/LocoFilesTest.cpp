#include "loco/LocoFiles.h"

#include "shell/Settings.h"
#include "support/LocoFakes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

using namespace kx2;
using kx2::test::LocoScriptedDialogs;
using kx2::test::LocoScriptedFileDialog;

namespace {

// Every kind of cell a table can hold: record bytes 0..255, empty cells, every status,
// format values and pending flags; addresses valid, 0 and 65535 (in empty and deleted slots,
// where a device can take it); names with their terminator.
void fillPattern(LocoTable& t)
{
    const std::optional<int> statuses[] = {0, 1, 2, 240, 255, std::nullopt};
    const std::optional<int> pendings[] = {0, 1, std::nullopt};
    for (int row = 0; row < LocoTable::Rows; ++row) {
        for (int col = 0; col < LocoTable::RecordBytes; ++col) {
            if ((row * 7 + col) % 13 == 0)
                t.clear(row, col);
            else
                t.set(row, col, (row * 31 + col * 7) % 256);
        }
        switch (row % 4) {
        case 0: t.setAddress(row, row + 1); break;
        case 1: t.setAddress(row, 0); break;
        case 2: t.setAddress(row, 65535); break;
        default: t.setAddress(row, 9999 - row); break;
        }
        t.set(row, LocoTable::RecordStatus, statuses[row % 6]);
        if (row % 4 == 2)
            t.set(row, LocoTable::RecordStatus, row % 8 == 2 ? 240 : 255);
        t.set(row, LocoTable::NameFirst + row % 24, 0);
        if (row % 5 == 0)
            t.clear(row, LocoTable::FormatCode);
        else
            t.set(row, LocoTable::FormatCode, (row * 3) % 256);
        t.set(row, LocoTable::FormatParam, (row * 5) % 256);
        t.set(row, LocoTable::FormatPending, pendings[row % 3]);
    }
}

void putRecord(LocoTable& t, int row, int address, const char* name)
{
    for (int col = 0; col < LocoTable::RecordBytes; ++col)
        t.set(row, col, 0);
    t.setAddress(row, address);
    t.WriteLokname(row, QString::fromUtf8(name));
    t.set(row, LocoTable::MaxSpeedHalf, 60);
    t.setStatus(row, LocoTable::StatusUnchanged);
    t.set(row, LocoTable::FormatCode, 82);
    t.set(row, LocoTable::FormatParam, 17);
    t.set(row, LocoTable::FormatPending, 0);
}

// The table after a device read: three locomotives, the other slots empty.
void readTable(LocoTable& t)
{
    t.clearTable();
    t.markAllForDeviceRead();
    putRecord(t, 0, 3, "BR 218");
    putRecord(t, 1, 44, "V 60");
    putRecord(t, 2, 1234, "Köf II");
}

QByteArray readAll(const QString& p)
{
    QFile f(p);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QList<QByteArray> linesOf(const QByteArray& data)
{
    QList<QByteArray> lines = data.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

class LocoFilesTest : public ::testing::Test {
protected:
    LocoFilesTest()
    {
        settings.LastFileName = QStringLiteral("zuletzt.ISD");
        serial.set(1, 11);
        serial.set(2, 22);
        serial.set(3, 33);
        serial.set(4, 44);
    }

    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QString write(const char* name, const QByteArray& bytes) const
    {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    // Saves a single-record file of the given row through the menu.
    QString saveRecordOf(const LocoTable& source, int row, const char* name)
    {
        const QString p = path(name);
        EXPECT_EQ(LocoRecordFile(source, row).saveTo(p), QString());
        return p;
    }

    QTemporaryDir dir;
    LocoTable table;
    StoredSerial serial;
    LocoScriptedDialogs dialogs;
    LocoScriptedFileDialog files;
    Settings settings;
    std::vector<double> pauses;
    LocoFileContext ctx{table, serial, dialogs, files, settings, [this](double s) { pauses.push_back(s); }};
};

} // namespace

// --- table file ---

TEST_F(LocoFilesTest, SaveAndLoadRestoreEveryCellAndMarkValidRowsForSending)
{
    fillPattern(table);
    const LocoTable saved = table;
    const StoredSerial savedSerial = serial;
    files.names = {path("alle.ISD")};
    ASSERT_TRUE(SpeichernMenu(ctx));
    EXPECT_EQ(pauses, std::vector<double>{0.1});

    LocoTable expected = saved;
    for (int row = 0; row < LocoTable::Rows; ++row)
        expected.markLoaded(row);

    table.clearTable();
    table.markAllForDeviceRead();
    serial = StoredSerial();
    pauses.clear();
    files.names = {path("alle.ISD")};
    EXPECT_EQ(LadenMenu(ctx), AfterFileOp::RebuildGrid);
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(pauses, std::vector<double>{0.3});
    EXPECT_EQ(serial, savedSerial);
    for (int row = 0; row < LocoTable::Rows; ++row)
        for (int col = 0; col < LocoTable::Cols; ++col)
            ASSERT_EQ(table.cell(row, col), expected.cell(row, col)) << row << "/" << col;

    // Spot checks of the marking: valid address -> 1/1, others keep the file's values.
    EXPECT_EQ(table.status(0), 1);
    EXPECT_EQ(table.value(0, LocoTable::FormatPending), 1);
    EXPECT_EQ(table.cell(1, LocoTable::RecordStatus), saved.cell(1, LocoTable::RecordStatus));
    EXPECT_EQ(table.status(500), 1); // row 500 goes through the file like every row
}

TEST_F(LocoFilesTest, EmptySlotsKeepStatus255AfterReload)
{
    readTable(table);
    files.names = {path("a.ISD"), path("a.ISD")};
    ASSERT_TRUE(SpeichernMenu(ctx));
    ASSERT_EQ(LadenMenu(ctx), AfterFileOp::RebuildGrid);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(table.status(row), 1);
        EXPECT_EQ(table.value(row, LocoTable::FormatPending), 1);
    }
    for (int row = 3; row < LocoTable::Rows; ++row) {
        ASSERT_EQ(table.status(row), 255);
        ASSERT_EQ(table.value(row, LocoTable::FormatPending), 0);
    }
}

TEST_F(LocoFilesTest, TableFileHas42089CrlfLinesWithSerialReversed)
{
    readTable(table);
    table.clear(7, 10);
    files.names = {path("z.ISD")};
    ASSERT_TRUE(SpeichernMenu(ctx));
    const QByteArray data = readAll(path("z.ISD"));
    const QList<QByteArray> lines = linesOf(data);
    ASSERT_EQ(lines.size(), 42089);
    EXPECT_EQ(LocoTableFileLines, 42089);
    for (const QByteArray& l : lines)
        ASSERT_TRUE(l.endsWith('\r'));
    EXPECT_TRUE(data.startsWith("\"KX2-Lokdaten Version 1.0\"\r\n44\r\n33\r\n22\r\n11\r\n"));
    // Row 0 starts at line 6: record number bytes 0, 0, 0, 0, then the name.
    EXPECT_EQ(lines[5], QByteArray("0\r"));
    EXPECT_EQ(lines[5 + 4], QByteArray("66\r")); // 'B'
    EXPECT_EQ(lines[5 + 7 * 84 + 10], QByteArray("\r")); // an empty cell is an empty line
    EXPECT_EQ(lines[5 + 84 + 80], QByteArray("0\r"));     // status of row 1
    EXPECT_TRUE(data.endsWith("\r\n255\r\n\r\n\r\n0\r\n")); // row 500: status, no format, nothing pending
}

TEST_F(LocoFilesTest, FileDialogsAskWithTheProgramsTitlesAndFilter)
{
    files.names = {QString(), QString()};
    EXPECT_FALSE(SpeichernMenu(ctx));
    EXPECT_EQ(LadenMenu(ctx), AfterFileOp::Nothing);
    ASSERT_EQ(files.asked.size(), 2u);
    EXPECT_TRUE(files.asked[0].save);
    EXPECT_EQ(files.asked[0].title, QStringLiteral("Sicherungsdatei speichern..."));
    EXPECT_FALSE(files.asked[1].save);
    EXPECT_EQ(files.asked[1].title, QStringLiteral("Sicherungsdatei öffnen..."));
    for (const auto& a : files.asked) {
        EXPECT_EQ(a.filter, QStringLiteral("KX2 Datenflash (*.ISD)|*.ISD|"));
        EXPECT_EQ(a.initialName, QStringLiteral("zuletzt.ISD"));
    }
}

TEST_F(LocoFilesTest, CancelledDialogsWriteNothingAndChangeNothing)
{
    readTable(table);
    const LocoTable before = table;
    const StoredSerial serialBefore = serial;
    files.names = {QString(), QString(), QString(), QString()};
    EXPECT_FALSE(SpeichernMenu(ctx));
    EXPECT_EQ(LadenMenu(ctx), AfterFileOp::Nothing);
    EXPECT_FALSE(save_daten_satz(ctx, 44));
    EXPECT_EQ(DS_LadenMenu(ctx), AfterFileOp::Nothing);
    EXPECT_EQ(files.asked.size(), 4u);
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_TRUE(pauses.empty());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(table == before);
    EXPECT_EQ(serial, serialBefore);
}

TEST_F(LocoFilesTest, WrongHeaderLeavesTableAndSerialUnchanged)
{
    readTable(table);
    const LocoTable before = table;
    const StoredSerial serialBefore = serial;
    // A single-record file offered to the table load.
    const QString p = saveRecordOf(table, 0, "eins.ISD");
    files.names = {p};
    EXPECT_EQ(LadenMenu(ctx), AfterFileOp::Nothing);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, QStringLiteral("Falsches Fileformat"));
    EXPECT_EQ(dialogs.boxes[0].title, QStringLiteral("Fehler"));
    EXPECT_EQ(dialogs.boxes[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(table == before);
    EXPECT_EQ(serial, serialBefore);
}

TEST_F(LocoFilesTest, MissingFileShowsTheOpenError)
{
    readTable(table);
    const LocoTable before = table;
    files.names = {path("fehlt.ISD")};
    EXPECT_EQ(LadenMenu(ctx), AfterFileOp::Nothing);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_TRUE(dialogs.boxes[0].text.startsWith(QStringLiteral("Fehler beim Öffnen des Files")));
    EXPECT_EQ(dialogs.boxes[0].title, QStringLiteral("Fehler"));
    EXPECT_TRUE(table == before);
}

TEST_F(LocoFilesTest, FileThatEndsEarlyChangesNothing)
{
    // The file: rows 0..2 of another table, then half of row 3.
    LocoTable other;
    readTable(other);
    putRecord(other, 3, 77, "Teil");
    StoredSerial otherSerial;
    otherSerial.set(1, 1);
    otherSerial.set(2, 2);
    otherSerial.set(3, 3);
    otherSerial.set(4, 4);
    QList<QByteArray> lines = linesOf(LocoTableFile(other, otherSerial).data());
    lines = lines.mid(0, 5 + 3 * 84 + 40);
    const QString p = write("kurz.ISD", lines.join('\n') + '\n');

    fillPattern(table);
    const LocoTable before = table;
    files.names = {p};
    const StoredSerial serialBefore = serial;
    EXPECT_EQ(LadenMenu(ctx), AfterFileOp::Nothing); // the grid keeps the previous contents
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, QStringLiteral("Fehler beim Öffnen des Files\rDatei endet nach Zeile 297\r")
                                         + IsdFileLine(p));
    EXPECT_EQ(serial, serialBefore);
    EXPECT_TRUE(table == before);
}

TEST_F(LocoFilesTest, ValueThatDoesNotFitItsCellIsAReadError)
{
    LocoTable other;
    readTable(other);
    const QList<QByteArray> good = linesOf(LocoTableFile(other, serial).data());
    // line index of (row, col) in the file
    const auto at = [](int row, int col) { return 5 + row * 84 + col; };
    const struct {
        int line;
        QByteArray value;
    } cases[] = {
        {at(1, 10), "300\r"},   // record byte beyond 255
        {at(1, 10), "-1\r"},    // negative record byte
        {at(1, 80), "7\r"},     // a status the program does not know
        {at(1, 81), "256\r"},   // format code
        {at(1, 82), "999\r"},   // format value
        {at(1, 83), "2\r"},     // pending is 0 or 1
        {at(1, 33), "abc\r"},   // text where a number belongs
        {at(1, 33), "\"12\"\r"}, // quoted number
    };
    for (const auto& c : cases) {
        QList<QByteArray> lines = good;
        lines[c.line] = c.value;
        const QString p = write("wert.ISD", lines.join('\n') + '\n');
        fillPattern(table);
        const LocoTable before = table;
        dialogs.boxes.clear();
        files.names = {p};
        EXPECT_EQ(LadenMenu(ctx), AfterFileOp::Nothing) << c.value.constData();
        ASSERT_EQ(dialogs.boxes.size(), 1u);
        EXPECT_TRUE(dialogs.boxes[0].text.startsWith(
            QStringLiteral("Fehler beim Öffnen des Files\rZeile %1: ").arg(c.line + 1)))
            << c.value.constData();
        EXPECT_TRUE(table == before) << c.value.constData();
    }
}

// A record the send would write but no command station can take: refused by both files with
// the line that holds it, and nothing of the file reaches the table.
TEST_F(LocoFilesTest, RowsNoDeviceCanTakeAreRefusedWithTheirLine)
{
    const auto unterminated = [](LocoTable& t) {
        for (int c = LocoTable::NameFirst; c <= LocoTable::NameLast; ++c)
            t.set(1, c, 'A');
    };
    const struct {
        const char* what;
        std::function<void(LocoTable&)> spoil;
        int column; // where the line named lies
        const char* reason;
    } cases[] = {
        {"address beyond 9999", [](LocoTable& t) { t.setAddress(1, 12000); }, 32, "Lokadresse 12000"},
        {"address 65535 in a record", [](LocoTable& t) { t.setAddress(1, 65535); }, 32, "Lokadresse 65535"},
        {"a name without its 0 byte", unterminated, 27, "Name ohne Endezeichen"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        LocoTable other;
        readTable(other);
        c.spoil(other);
        readTable(table);
        table.WriteLokname(0, QStringLiteral("bleibt"));
        const LocoTable before = table;
        dialogs.boxes.clear();
        files.names = {path("alle.ISD"), path("eine.ISD")};
        ASSERT_EQ(LocoTableFile(other, serial).saveTo(path("alle.ISD")), QString());
        ASSERT_EQ(LocoRecordFile(other, 1).saveTo(path("eine.ISD")), QString());
        EXPECT_EQ(LadenMenu(ctx), AfterFileOp::Nothing);
        EXPECT_EQ(DS_LadenMenu(ctx), AfterFileOp::Nothing);
        ASSERT_EQ(dialogs.boxes.size(), 2u);
        EXPECT_TRUE(dialogs.boxes[0].text.startsWith(
            QStringLiteral("Fehler beim Öffnen des Files\rZeile %1: %2").arg(6 + 84 + c.column).arg(QLatin1String(c.reason))))
            << dialogs.boxes[0].text.toStdString();
        EXPECT_TRUE(dialogs.boxes[1].text.startsWith(
            QStringLiteral("Fehler beim Öffnen des Files\rZeile %1: ").arg(2 + c.column)))
            << dialogs.boxes[1].text.toStdString();
        EXPECT_TRUE(table == before);
    }
}

TEST_F(LocoFilesTest, ExtraLinesAfterTheBodyAreIgnored)
{
    readTable(table);
    QByteArray data = LocoTableFile(table, serial).data();
    data += "Anhang\r\n12\r\n";
    const QString p = write("mehr.ISD", data);
    files.names = {p};
    EXPECT_EQ(LadenMenu(ctx), AfterFileOp::RebuildGrid);
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(LocoFilesTest, FileWithLfLineEndsLoadsToo)
{
    readTable(table);
    QByteArray data = LocoTableFile(table, serial).data();
    data.replace("\r\n", "\n");
    data.chop(1); // no line end after the last value
    const QString p = write("lf.ISD", data);
    LocoTable loaded;
    StoredSerial s;
    const IsdLoadResult r = LoadLocoTableFile(p, loaded, s);
    EXPECT_TRUE(r.ok()) << r.detail.toStdString();
    EXPECT_EQ(loaded.ReadLokname(2), QStringLiteral("Köf II"));
    EXPECT_EQ(s, serial);
}

TEST_F(LocoFilesTest, FailedSaveReportsAndKeepsTableAndPreviousFile)
{
    readTable(table);
    const LocoTable before = table;
    const QString blocker = write("datei", "kein Ordner");
    files.names = {blocker + QStringLiteral("/alle.ISD")};
    EXPECT_FALSE(SpeichernMenu(ctx));
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_TRUE(dialogs.boxes[0].text.startsWith(QStringLiteral("Fehler beim Speichern des Files")));
    EXPECT_EQ(dialogs.boxes[0].title, QStringLiteral("Fehler"));
    EXPECT_EQ(dialogs.boxes[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(table == before);

}

TEST_F(LocoFilesTest, ClearSetsColumns0To80AndKeepsFormatColumns)
{
    readTable(table);
    ClrTabMenu(table);
    for (int row = 0; row < LocoTable::Rows; ++row)
        for (int col = 0; col <= 80; ++col)
            ASSERT_EQ(table.value(row, col), 255);
    EXPECT_EQ(table.value(0, LocoTable::FormatCode), 82);
    EXPECT_EQ(table.value(0, LocoTable::FormatParam), 17);
}

// --- single-record file ---

TEST_F(LocoFilesTest, RecordFileHas85LinesOfTheFirstSlotWithTheAddress)
{
    readTable(table);
    putRecord(table, 5, 44, "zweite V 60"); // a later slot with the same address is not taken
    files.names = {path("v60.ISD")};
    ASSERT_TRUE(save_daten_satz(ctx, 44));
    const QByteArray data = readAll(path("v60.ISD"));
    const QList<QByteArray> lines = linesOf(data);
    ASSERT_EQ(lines.size(), 85);
    EXPECT_EQ(LocoRecordFileLines, 85);
    EXPECT_TRUE(data.startsWith("\"KX2-Lokdatensatz Version 1.0\"\r\n0\r\n0\r\n0\r\n0\r\n86\r\n")); // 'V'
    EXPECT_EQ(lines[1 + 32], QByteArray("44\r"));
    EXPECT_EQ(lines[1 + 80], QByteArray("0\r"));
    EXPECT_EQ(lines[1 + 81], QByteArray("82\r"));
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(LocoFilesTest, SavingAnUnknownAddressSaysDatensatzNichtGefunden)
{
    readTable(table);
    EXPECT_FALSE(save_daten_satz(ctx, 45));
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, QStringLiteral("Datensatz nicht gefunden!"));
    EXPECT_EQ(dialogs.boxes[0].title, QStringLiteral("Achtung!"));
    EXPECT_EQ(dialogs.boxes[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(files.asked.empty());
}

TEST_F(LocoFilesTest, RecordLoadGoesIntoTheFirstEmptySlotMarkedForSending)
{
    LocoTable source;
    readTable(source);
    putRecord(source, 9, 500, "Ae 6/6");
    source.set(9, LocoTable::FormatPending, 0);
    const QString p = saveRecordOf(source, 9, "ae.ISD");

    readTable(table);
    table.deleteRecord(1); // a deleted slot is not reused by the record load
    files.names = {p};
    EXPECT_EQ(DS_LadenMenu(ctx), AfterFileOp::RebuildGrid);
    EXPECT_EQ(pauses, std::vector<double>{0.3});
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(table.address(3), 500);
    EXPECT_EQ(table.ReadLokname(3), QStringLiteral("Ae 6/6"));
    EXPECT_EQ(table.maxSpeed(3), 120);
    EXPECT_EQ(table.status(3), LocoTable::StatusChanged);
    EXPECT_EQ(table.value(3, LocoTable::FormatPending), 1);
    EXPECT_EQ(table.value(3, LocoTable::FormatCode), 82);
    EXPECT_EQ(table.status(1), LocoTable::StatusDeleted);
}

TEST_F(LocoFilesTest, RecordWithAddress0IsInsertedWithItsFileStatus)
{
    LocoTable source;
    readTable(source);
    putRecord(source, 0, 0, "ohne Adresse");
    source.set(0, LocoTable::FormatPending, 0);
    const QString p = saveRecordOf(source, 0, "null.ISD");

    readTable(table);
    files.names = {p};
    EXPECT_EQ(DS_LadenMenu(ctx), AfterFileOp::RebuildGrid);
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(table.address(3), 0);
    EXPECT_EQ(table.status(3), LocoTable::StatusUnchanged);
    EXPECT_EQ(table.value(3, LocoTable::FormatPending), 0);
    EXPECT_TRUE(table.holdsRecord(3));
}

TEST_F(LocoFilesTest, FullTableTakesNoRecordAndSaysNothing)
{
    for (int i = 0; i < LocoTable::SlotCount; ++i)
        putRecord(table, i, i + 1, "X");
    table.setStatus(500, 255);
    const LocoTable before = table;
    LocoTable source;
    readTable(source);
    files.names = {saveRecordOf(source, 0, "x.ISD")};
    EXPECT_EQ(DS_LadenMenu(ctx), AfterFileOp::RebuildGrid);
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_TRUE(table == before);
}

TEST_F(LocoFilesTest, BrokenRecordFileInsertsNothing)
{
    LocoTable source;
    readTable(source);
    QList<QByteArray> lines = linesOf(LocoRecordFile(source, 1).data());
    lines = lines.mid(0, 50);
    const QString shortFile = write("kurz.ISD", lines.join('\n') + '\n');
    readTable(table);
    const LocoTable before = table;
    files.names = {shortFile, path("fehlt.ISD")};
    EXPECT_EQ(DS_LadenMenu(ctx), AfterFileOp::Nothing);
    EXPECT_EQ(DS_LadenMenu(ctx), AfterFileOp::Nothing);
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_TRUE(dialogs.boxes[0].text.startsWith(QStringLiteral("Fehler beim Öffnen des Files")));
    EXPECT_TRUE(dialogs.boxes[1].text.startsWith(QStringLiteral("Fehler beim Öffnen des Files")));
    EXPECT_TRUE(table == before);
}

TEST_F(LocoFilesTest, TableFileOfferedAsRecordIsTheWrongFormat)
{
    readTable(table);
    const LocoTable before = table;
    files.names = {path("alle.ISD")};
    ASSERT_EQ(LocoTableFile(table, serial).saveTo(path("alle.ISD")), QString());
    EXPECT_EQ(DS_LadenMenu(ctx), AfterFileOp::Nothing);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, QStringLiteral("Falsches Fileformat"));
    EXPECT_TRUE(table == before);
}

class RecordConflictTest : public LocoFilesTest {
protected:
    void SetUp() override
    {
        LocoTable source;
        readTable(source);
        source.set(1, LocoTable::FormatCode, 64);
        source.set(1, LocoTable::FormatPending, 0);
        files.names = {saveRecordOf(source, 1, "v60.ISD")}; // address 44, present in the table
        readTable(table);
        table.set(3, LocoTable::FormatCode, 5); // leftovers in the empty slot the load takes
        before = table;
    }
    void expectConflictBox(size_t k)
    {
        ASSERT_LT(k, dialogs.boxes.size());
        EXPECT_EQ(dialogs.boxes[k].text, QStringLiteral("Bitte ändern Sie die Lokadresse!"));
        EXPECT_EQ(dialogs.boxes[k].title, QStringLiteral("Lokadresse des Datensatzes schon vorhanden!"));
        EXPECT_EQ(dialogs.boxes[k].buttons, MsgButtons::OkCancel);
        EXPECT_EQ(dialogs.boxes[k].icon, MsgIcon::Critical);
    }
    void expectNotInserted(size_t k)
    {
        ASSERT_LT(k, dialogs.boxes.size());
        EXPECT_EQ(dialogs.boxes[k].text, QStringLiteral("Datensatz wurde nicht eingefügt!"));
        EXPECT_EQ(dialogs.boxes[k].title, QStringLiteral("Lokadresse des Datensatzes schon vorhanden!"));
        EXPECT_EQ(dialogs.boxes[k].buttons, MsgButtons::Ok);
        EXPECT_EQ(dialogs.boxes[k].icon, MsgIcon::None);
    }
    void expectInvalidBox(size_t k)
    {
        ASSERT_LT(k, dialogs.boxes.size());
        EXPECT_EQ(dialogs.boxes[k].text,
                  QStringLiteral("          Lokadresse ungültig!Bitte eine andere Lokadresse eingeben."));
        EXPECT_EQ(dialogs.boxes[k].title, QStringLiteral("Achtung!"));
        EXPECT_EQ(dialogs.boxes[k].icon, MsgIcon::Critical);
    }
    LocoTable before;
};

TEST_F(RecordConflictTest, CancelLeavesTheTableAsBefore)
{
    dialogs.answers = {MsgAnswer::Cancel};
    EXPECT_EQ(DS_LadenMenu(ctx), AfterFileOp::Nothing);
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    expectConflictBox(0);
    expectNotInserted(1);
    EXPECT_TRUE(dialogs.inputs.empty());
    EXPECT_TRUE(table == before);
}

TEST_F(RecordConflictTest, OkWithAFreeAddressInsertsTheRecordUnderIt)
{
    dialogs.answers = {MsgAnswer::Ok};
    dialogs.typed = {QStringLiteral("45")};
    EXPECT_EQ(DS_LadenMenu(ctx), AfterFileOp::RebuildGrid);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    expectConflictBox(0);
    ASSERT_EQ(dialogs.inputs.size(), 1u);
    EXPECT_EQ(dialogs.inputs[0].prompt, QStringLiteral("Lokadresse:"));
    EXPECT_EQ(dialogs.inputs[0].title, QStringLiteral("Lokadresse ändern"));
    EXPECT_EQ(dialogs.inputs[0].defaultText, QStringLiteral("44"));
    EXPECT_EQ(table.address(3), 45);
    EXPECT_EQ(table.ReadLokname(3), QStringLiteral("V 60"));
    EXPECT_EQ(table.status(3), LocoTable::StatusChanged);
    EXPECT_EQ(table.value(3, LocoTable::FormatPending), 1);
    EXPECT_EQ(table.value(3, LocoTable::FormatCode), 64);
    EXPECT_EQ(table.address(1), 44);
}

TEST_F(RecordConflictTest, CancelOfTheAddressInputIsLikeCancelOfTheConflict)
{
    dialogs.answers = {MsgAnswer::Ok};
    dialogs.typed = {std::nullopt};
    EXPECT_EQ(DS_LadenMenu(ctx), AfterFileOp::Nothing);
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    expectConflictBox(0);
    expectNotInserted(1);
    EXPECT_TRUE(table == before);
}

TEST_F(RecordConflictTest, EmptyAnswerIsLikeCancel)
{
    dialogs.answers = {MsgAnswer::Ok};
    dialogs.typed = {QStringLiteral("  ")};
    EXPECT_EQ(DS_LadenMenu(ctx), AfterFileOp::Nothing);
    expectNotInserted(1);
    EXPECT_TRUE(table == before);
}

TEST_F(RecordConflictTest, InvalidTypedAddressesAreAskedAgain)
{
    dialogs.answers = {MsgAnswer::Ok};
    dialogs.typed = {QStringLiteral("abc"), QStringLiteral("10000"), QStringLiteral("0"), QStringLiteral("12x"),
                     QStringLiteral(" 46 ")};
    EXPECT_EQ(DS_LadenMenu(ctx), AfterFileOp::RebuildGrid);
    ASSERT_EQ(dialogs.boxes.size(), 5u);
    expectConflictBox(0);
    for (size_t k = 1; k < 5; ++k)
        expectInvalidBox(k);
    EXPECT_EQ(dialogs.inputs.size(), 5u);
    EXPECT_EQ(table.address(3), 46);
    EXPECT_EQ(table.status(3), LocoTable::StatusChanged);
}

TEST_F(RecordConflictTest, TypedAddressThatIsTakenAsksAgain)
{
    // 1234 and 3 are taken too: the conflict box comes back each time.
    dialogs.answers = {MsgAnswer::Ok, MsgAnswer::Ok, MsgAnswer::Ok};
    dialogs.typed = {QStringLiteral("1234"), QStringLiteral("3"), QStringLiteral("47")};
    EXPECT_EQ(DS_LadenMenu(ctx), AfterFileOp::RebuildGrid);
    ASSERT_EQ(dialogs.boxes.size(), 3u);
    expectConflictBox(0);
    expectConflictBox(1);
    expectConflictBox(2);
    ASSERT_EQ(dialogs.inputs.size(), 3u);
    EXPECT_EQ(dialogs.inputs[1].defaultText, QStringLiteral("1234"));
    EXPECT_EQ(dialogs.inputs[2].defaultText, QStringLiteral("3"));
    EXPECT_EQ(table.address(3), 47);
}

TEST_F(RecordConflictTest, RecordWithAddress0AndFileStatusGetsMarkedOnceRenamed)
{
    // Address 0 of the file collides with another record of address 0; under the typed
    // address the record must reach the device like any other loaded one.
    LocoTable source;
    readTable(source);
    putRecord(source, 0, 0, "null");
    files.names = {saveRecordOf(source, 0, "null.ISD")};
    putRecord(table, 4, 0, "auch null");
    dialogs.answers = {MsgAnswer::Ok};
    dialogs.typed = {QStringLiteral("48")};
    EXPECT_EQ(DS_LadenMenu(ctx), AfterFileOp::RebuildGrid);
    EXPECT_EQ(table.address(3), 48);
    EXPECT_EQ(table.status(3), LocoTable::StatusChanged);
    EXPECT_EQ(table.value(3, LocoTable::FormatPending), 1);
}
