// The locomotive editor's file menu without its window: the table file and the single-record file.
#include "loco/LocoFiles.h"

#include "shell/Settings.h"
#include "support/FakeDialogs.h"
#include "support/FakeFileDialog.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace kx2;

namespace {

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
    t.markAllForDeviceRead();
    putRecord(t, 0, 3, "BR 218");
    putRecord(t, 1, 44, "V 60");
    putRecord(t, 2, 1234, "Köf II");
}

QList<QByteArray> linesOf(const QByteArray& data)
{
    QList<QByteArray> lines = data.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

struct LocoFiles : ::testing::Test {
    LocoFiles()
    {
        settings.LastFileName = QStringLiteral("zuletzt.ISD");
        for (int k = 1; k <= 4; ++k)
            serial.set(k, 11 * k);
        readTable(table);
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QString write(const char* name, const QByteArray& bytes) const
    {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    QByteArray read(const QString& p) const
    {
        QFile f(p);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    LocoTable table;
    StoredSerial serial;
    FakeDialogs dialogs;
    FakeFileDialog files;
    Settings settings;
    std::vector<double> pauses;
    LocoFileContext ctx{table, serial, dialogs, files, settings, [this](double s) { pauses.push_back(s); }};
};

} // namespace

// Every kind of cell (bytes 0..255, empty cells, every status, format values, pending flags,
// addresses valid, 0 and 65535) goes through the file; a load marks each row with an address
// 1..9999 changed with its format pending and leaves the others as they were saved.
TEST_F(LocoFiles, SaveAndLoadRestoreEveryCellAndMarkValidRowsForSending)
{
    const std::optional<int> statuses[] = {0, 1, 2, 240, 255, std::nullopt};
    for (int row = 0; row < LocoTable::Rows; ++row) {
        for (int col = 0; col < LocoTable::RecordBytes; ++col)
            (row * 7 + col) % 13 ? table.set(row, col, (row * 31 + col * 7) % 256) : table.clear(row, col);
        table.setAddress(row, row % 4 == 0 ? row + 1 : row % 4 == 1 ? 0 : row % 4 == 2 ? 65535 : 9999 - row);
        table.set(row, LocoTable::RecordStatus, row % 4 == 2 ? std::optional<int>(row % 8 == 2 ? 240 : 255) : statuses[row % 6]);
        table.set(row, LocoTable::NameFirst + row % 24, 0);
        row % 5 ? table.set(row, LocoTable::FormatCode, (row * 3) % 256) : table.clear(row, LocoTable::FormatCode);
        table.set(row, LocoTable::FormatParam, (row * 5) % 256);
        table.set(row, LocoTable::FormatPending, row % 3 == 2 ? std::nullopt : std::optional<int>(row % 3));
    }
    LocoTable expected = table;
    for (int row = 0; row < LocoTable::Rows; ++row)
        expected.markLoaded(row);
    const StoredSerial saved = serial;
    files.chooseNext(path("alle.ISD"));
    ASSERT_TRUE(saveLocoTable(ctx));
    table.clearTable();
    serial = StoredSerial();
    files.chooseNext(path("alle.ISD"));
    EXPECT_EQ(loadLocoTable(ctx), AfterFileOp::RebuildGrid);
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_EQ(pauses, (std::vector<double>{0.1, 0.3}));
    EXPECT_EQ(serial, saved);
    for (int row = 0; row < LocoTable::Rows; ++row)
        for (int col = 0; col < LocoTable::Cols; ++col)
            ASSERT_EQ(table.cell(row, col), expected.cell(row, col)) << row << "/" << col;
    EXPECT_EQ(std::pair(table.status(0), table.value(0, LocoTable::FormatPending)), std::pair(1, 1));
    EXPECT_EQ(table.status(500), 1) << "row 500 goes through the file like every row";
}

// 42 089 CRLF lines: the header, the serial D1..D4 (id4 first), then 84 values per row 0..500; an
// empty cell is an empty line. Lines after the body and bare LF line ends are no hindrance.
TEST_F(LocoFiles, TableFileLayout)
{
    table.clear(7, 10);
    const QByteArray data = locoTableFile(table, serial).data();
    const QList<QByteArray> lines = linesOf(data);
    ASSERT_EQ(lines.size(), LocoTableFileLines);
    EXPECT_EQ(LocoTableFileLines, 42089);
    for (const QByteArray& l : lines)
        ASSERT_TRUE(l.endsWith('\r'));
    EXPECT_TRUE(data.startsWith("\"KX2-Lokdaten Version 1.0\"\r\n44\r\n33\r\n22\r\n11\r\n0\r\n0\r\n0\r\n0\r\n66\r\n"));
    EXPECT_EQ(lines[5 + 7 * 84 + 10], QByteArray("\r"));
    EXPECT_EQ(lines[5 + 84 + 80], QByteArray("0\r")) << "the status of row 1";
    EXPECT_TRUE(data.endsWith("\r\n255\r\n\r\n\r\n0\r\n")) << "row 500: status, no format, nothing pending";

    QByteArray loose = data + "Anhang\r\n12\r\n";
    loose.replace("\r\n", "\n");
    loose.chop(1);
    files.chooseNext(write("lose.ISD", loose));
    table.clearTable();
    EXPECT_EQ(loadLocoTable(ctx), AfterFileOp::RebuildGrid);
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_EQ(table.ReadLokname(2), QStringLiteral("Köf II"));
    for (int row = 3; row < LocoTable::Rows; ++row)
        ASSERT_EQ(std::pair(table.status(row), table.value(row, LocoTable::FormatPending)), std::pair(255, 0)) << row;
}

// A cancelled file dialog leaves everything as it was; what each dialog is asked with is
// AskFileName's.
TEST_F(LocoFiles, CancelDoesNothing)
{
    const LocoTable before = table;
    EXPECT_FALSE(saveLocoTable(ctx));
    EXPECT_EQ(loadLocoTable(ctx), AfterFileOp::Nothing);
    EXPECT_FALSE(saveLocoRecord(ctx, 44));
    EXPECT_EQ(loadLocoRecord(ctx), AfterFileOp::Nothing);
    EXPECT_EQ(files.calls.size(), 4u);
    EXPECT_TRUE(dialogs.calls.empty() && pauses.empty());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(table == before);
}

// Each line: a file that cannot be taken, which load gets it, and the start of the message. The
// file is taken whole or not at all: table and serial number stay as they were. A row the send
// would write but no station can take is refused with its line.
TEST_F(LocoFiles, AFileThatCannotBeTakenChangesNothing)
{
    LocoTable other;
    readTable(other);
    const QList<QByteArray> good = linesOf(locoTableFile(other, serial).data());
    const auto changed = [&good](int row, int col, const QByteArray& value) {
        QList<QByteArray> lines = good;
        lines[5 + row * 84 + col] = value + '\r';
        return lines.join('\n') + '\n';
    };
    const auto spoiled = [&](const std::function<void(LocoTable&)>& spoil, bool record) {
        LocoTable t = other;
        spoil(t);
        return (record ? locoRecordFile(t, 1) : locoTableFile(t, serial)).data();
    };
    const auto unterminated = [](LocoTable& t) {
        for (int c = LocoTable::NameFirst; c <= LocoTable::NameLast; ++c)
            t.set(1, c, 'A');
    };
    const QString wrong = QStringLiteral("Falsches Fileformat") + QChar(13) + "Erwartet: \"";
    const QString broken = QStringLiteral("Fehler beim Öffnen des Files") + QChar(13);
    const struct {
        const char* what;
        QByteArray data; // empty: no file at all
        bool record;
        QString message;
    } cases[] = {
        {"a single-record file as the table", locoRecordFile(other, 0).data(), false,
         wrong + "KX2-Lokdaten Version 1.0\", gefunden: \"KX2-Lokdatensatz Version 1.0\""},
        {"the table file as a single record", good.join('\n') + '\n', true,
         wrong + "KX2-Lokdatensatz Version 1.0\", gefunden: \"KX2-Lokdaten Version 1.0\""},
        {"no file", {}, false, broken.left(28)},
        {"no file", {}, true, broken.left(28)},
        {"three rows and a half", good.mid(0, 5 + 3 * 84 + 40).join('\n') + '\n', false, broken + "Datei endet nach Zeile 297"},
        {"half a record", linesOf(locoRecordFile(other, 1).data()).mid(0, 50).join('\n') + '\n', true, broken},
        {"a record byte beyond 255", changed(1, 10, "300"), false, broken + "Zeile 100: "},
        {"a negative record byte", changed(1, 10, "-1"), false, broken + "Zeile 100: "},
        {"a status the program does not know", changed(1, 80, "7"), false, broken + "Zeile 170: "},
        {"a format code beyond 255", changed(1, 81, "256"), false, broken + "Zeile 171: "},
        {"a format value beyond 255", changed(1, 82, "999"), false, broken + "Zeile 172: "},
        {"pending neither 0 nor 1", changed(1, 83, "2"), false, broken + "Zeile 173: "},
        {"text where a number belongs", changed(1, 33, "abc"), false, broken + "Zeile 123: "},
        {"a quoted number", changed(1, 33, "\"12\""), false, broken + "Zeile 123: "},
        {"address 12000", spoiled([](LocoTable& t) { t.setAddress(1, 12000); }, false), false, broken + "Zeile 122: Lokadresse 12000"},
        {"address 65535 in a record", spoiled([](LocoTable& t) { t.setAddress(1, 65535); }, false), false,
         broken + "Zeile 122: Lokadresse 65535"},
        {"a name without its 0 byte", spoiled(unterminated, false), false, broken + "Zeile 117: Name ohne Endezeichen"},
        {"address 12000 in a single record", spoiled([](LocoTable& t) { t.setAddress(1, 12000); }, true), true, broken + "Zeile 34: "},
        {"a single record's name without its 0 byte", spoiled(unterminated, true), true, broken + "Zeile 29: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        table.WriteLokname(0, QStringLiteral("bleibt"));
        const LocoTable before = table;
        const StoredSerial serialBefore = serial;
        dialogs.clear();
        files.chooseNext(c.data.isEmpty() ? path("fehlt.ISD") : write("datei.ISD", c.data));
        EXPECT_EQ(c.record ? loadLocoRecord(ctx) : loadLocoTable(ctx), AfterFileOp::Nothing);
        ASSERT_EQ(dialogs.messageCount(), 1);
        EXPECT_TRUE(dialogs.last().text.startsWith(c.message)) << dialogs.last().text.toStdString();
        EXPECT_EQ(dialogs.last().title, QStringLiteral("Fehler"));
        EXPECT_EQ(dialogs.last().icon, MsgIcon::Critical);
        EXPECT_TRUE(table == before);
        EXPECT_EQ(serial, serialBefore);
    }
}

// 85 CRLF lines: the header and the 84 values of the first slot with the address.
TEST_F(LocoFiles, OneRecordIsSavedFromTheFirstSlotWithItsAddress)
{
    putRecord(table, 5, 44, "zweite V 60");
    files.chooseNext(path("v60.ISD"));
    ASSERT_TRUE(saveLocoRecord(ctx, 44));
    const QByteArray data = read(path("v60.ISD"));
    const QList<QByteArray> lines = linesOf(data);
    ASSERT_EQ(lines.size(), LocoRecordFileLines);
    EXPECT_EQ(LocoRecordFileLines, 85);
    EXPECT_TRUE(data.startsWith("\"KX2-Lokdatensatz Version 1.0\"\r\n0\r\n0\r\n0\r\n0\r\n86\r\n")); // 'V'
    EXPECT_EQ(std::tuple(lines[33], lines[81], lines[82]), std::tuple(QByteArray("44\r"), QByteArray("0\r"), QByteArray("82\r")));
    EXPECT_TRUE(dialogs.calls.empty());

    EXPECT_FALSE(saveLocoRecord(ctx, 45));
    ASSERT_EQ(dialogs.messageCount(), 1);
    EXPECT_EQ(std::tuple(dialogs.last().text, dialogs.last().title, dialogs.last().icon),
              std::tuple(QString("Datensatz nicht gefunden!"), QString("Achtung!"), MsgIcon::Critical));
    EXPECT_EQ(files.calls.size(), 1u) << "no file asked for";
}

// A record goes into the first empty slot (a deleted one is not reused), marked for sending when
// its address is valid and with the status its file holds when it is 0; a full table takes none
// and says nothing.
TEST_F(LocoFiles, OneRecordIsLoadedIntoTheFirstEmptySlot)
{
    LocoTable source;
    readTable(source);
    putRecord(source, 9, 500, "Ae 6/6");
    putRecord(source, 8, 0, "ohne Adresse");
    ASSERT_EQ(locoRecordFile(source, 9).saveTo(path("ae.ISD")), QString());
    ASSERT_EQ(locoRecordFile(source, 8).saveTo(path("null.ISD")), QString());
    table.deleteRecord(1);
    files.chooseNext(path("ae.ISD"));
    files.chooseNext(path("null.ISD"));
    EXPECT_EQ(loadLocoRecord(ctx), AfterFileOp::RebuildGrid);
    EXPECT_EQ(loadLocoRecord(ctx), AfterFileOp::RebuildGrid);
    EXPECT_EQ(pauses, (std::vector<double>{0.3, 0.3}));
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_EQ(std::tuple(table.address(3), table.ReadLokname(3), table.maxSpeed(3), table.status(3)),
              std::tuple(500, QString("Ae 6/6"), 120, int(LocoTable::StatusChanged)));
    EXPECT_EQ(std::pair(table.value(3, LocoTable::FormatPending), table.value(3, LocoTable::FormatCode)), std::pair(1, 82));
    EXPECT_EQ(std::tuple(table.address(4), table.status(4), table.value(4, LocoTable::FormatPending)), std::tuple(0, 0, 0));
    EXPECT_EQ(table.status(1), LocoTable::StatusDeleted);

    for (int i = 0; i < LocoTable::SlotCount; ++i)
        putRecord(table, i, i + 1, "X");
    table.setStatus(500, 255);
    const LocoTable full = table;
    files.chooseNext(path("ae.ISD"));
    EXPECT_EQ(loadLocoRecord(ctx), AfterFileOp::RebuildGrid);
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_TRUE(table == full);
}

// A record whose address the table holds already: each line gives the user's answers to the
// conflict box (Ok or Cancel) and to the address question that follows Ok (nullopt: cancelled),
// the boxes shown ("K" conflict, "U" invalid address, "N" not inserted, "?" address question),
// and the address the record got in slot 3 (0: not inserted).
TEST_F(LocoFiles, ARecordWhoseAddressIsTakenGetsAnotherOrIsNotInserted)
{
    LocoTable source;
    readTable(source);
    source.set(1, LocoTable::FormatCode, 64);
    putRecord(source, 8, 0, "null");
    ASSERT_EQ(locoRecordFile(source, 1).saveTo(path("v60.ISD")), QString()); // address 44
    ASSERT_EQ(locoRecordFile(source, 8).saveTo(path("null.ISD")), QString());
    using A = MsgAnswer;
    const struct {
        const char* what;
        const char* file;
        std::vector<MsgAnswer> answers;
        std::vector<std::optional<QString>> typed;
        QString boxes;
        int address;
    } cases[] = {
        {"Cancel", "v60.ISD", {A::Cancel}, {}, "KN", 0},
        {"a free address", "v60.ISD", {A::Ok}, {"45"}, "K?", 45},
        {"the address question cancelled", "v60.ISD", {A::Ok}, {std::nullopt}, "K?N", 0},
        {"blanks answered", "v60.ISD", {A::Ok}, {"  "}, "K?N", 0},
        {"invalid addresses asked again", "v60.ISD", {A::Ok}, {"abc", "10000", "0", "12x", " 46 "}, "K?U?U?U?U?", 46},
        {"taken addresses asked again", "v60.ISD", {A::Ok, A::Ok, A::Ok}, {"1234", "3", "47"}, "K?K?K?", 47},
        {"address 0 against another 0, renamed", "null.ISD", {A::Ok}, {"48"}, "K?", 48},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        readTable(table);
        putRecord(table, 4, 0, "auch null");
        table.set(3, LocoTable::FormatCode, 5); // a leftover in the empty slot the load takes
        const LocoTable before = table;
        dialogs.clear();
        for (MsgAnswer a : c.answers)
            dialogs.answerNext(a);
        for (const auto& t : c.typed)
            dialogs.inputNext(t);
        files.chooseNext(path(c.file));
        EXPECT_EQ(loadLocoRecord(ctx), c.address ? AfterFileOp::RebuildGrid : AfterFileOp::Nothing);
        QString shown;
        for (const auto& call : dialogs.calls) {
            if (call.kind == FakeDialogs::Kind::Input) {
                shown += '?';
                EXPECT_EQ(std::pair(call.text, call.title), std::pair(QString("Lokadresse:"), QString("Lokadresse ändern")));
            } else if (call.text == "Bitte ändern Sie die Lokadresse!") {
                shown += 'K';
                EXPECT_EQ(std::tuple(call.title, call.buttons, call.icon),
                          std::tuple(QString("Lokadresse des Datensatzes schon vorhanden!"), MsgButtons::OkCancel, MsgIcon::Critical));
            } else if (call.text == "Datensatz wurde nicht eingefügt!") {
                shown += 'N';
                EXPECT_EQ(std::tuple(call.title, call.buttons, call.icon),
                          std::tuple(QString("Lokadresse des Datensatzes schon vorhanden!"), MsgButtons::Ok, MsgIcon::None));
            } else if (call.text == "          Lokadresse ungültig!\nBitte eine andere Lokadresse eingeben.") {
                shown += 'U';
                EXPECT_EQ(std::pair(call.title, call.icon), std::pair(QString("Achtung!"), MsgIcon::Critical));
            }
        }
        EXPECT_EQ(shown, c.boxes);
        if (!c.typed.empty()) {
            EXPECT_EQ(dialogs.calls[1].defaultText, c.file == QByteArray("v60.ISD") ? "44" : "0");
        }
        if (c.answers.size() > 1) {
            EXPECT_EQ(dialogs.calls[3].defaultText, *c.typed[0]) << "a taken address typed is offered again";
        }
        if (c.address) {
            EXPECT_EQ(std::tuple(table.address(3), table.status(3), table.value(3, LocoTable::FormatPending)),
                      std::tuple(c.address, int(LocoTable::StatusChanged), 1));
            EXPECT_EQ(table.address(1), 44);
        } else {
            EXPECT_TRUE(table == before);
        }
    }
}
