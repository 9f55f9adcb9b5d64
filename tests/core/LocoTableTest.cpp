// The locomotive record: its name area, address and data-format texts, and how its status moves.
#include "loco/LocoTable.h"

#include <functional>
#include <gtest/gtest.h>

using namespace kx2;

namespace {

void fillRow(LocoTable& t, int row, int v)
{
    for (int col = 0; col < LocoTable::Cols; ++col)
        t.set(row, col, v);
}

// A slot as a read leaves a record in use.
void putRecord(LocoTable& t, int row, int address)
{
    fillRow(t, row, 0);
    t.setAddress(row, address);
    t.WriteLokname(row, QStringLiteral("Lok"));
}

QString nameBytes(const LocoTable& t, int row)
{
    QString s;
    for (int col = LocoTable::NameFirst; col <= LocoTable::NameLast + 1; ++col)
        s += t.value(row, col) == 0 ? QChar('0') : QChar(t.value(row, col));
    return s;
}

} // namespace

// Each line: the name written into a row of 'q' bytes, bytes 4..28 afterwards ('0' the terminator)
// and the name read back. At most 23 characters are kept so that the terminator falls at byte 27
// at the latest; a shorter name leaves what follows its terminator; "" stores a 0 at byte 4 only.
TEST(LocoName, WrittenIntoTheNameAreaAndReadBack)
{
    const QString q23(23, QChar('q'));
    const struct {
        QString written, bytes, read;
    } rows[] = {
        {"BR 218", "BR 2180" + QString(17, 'q') + "q", "BR 218"},
        {"123456789012345678901234567890", "123456789012345678901230q", "12345678901234567890123"},
        {"ABCDEFGHIJKLMNOPQRSTUVWX", "ABCDEFGHIJKLMNOPQRSTUVW0q", "ABCDEFGHIJKLMNOPQRSTUVW"},
        {"", "0" + q23 + "q", ""},
        {"Bär Größe", "Bär Größe0" + QString(14, 'q') + "q", "Bär Größe"},
        {QString(30, QChar(0xDC)), QString(23, QChar(0xDC)) + "0q", QString(23, QChar(0xDC))},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.written.toStdString());
        LocoTable t;
        fillRow(t, 0, 'q');
        t.WriteLokname(0, row.written);
        EXPECT_EQ(nameBytes(t, 0), row.bytes);
        EXPECT_EQ(t.ReadLokname(0), row.read);
    }
    // A record whose name area holds no terminator shows all 24 bytes.
    LocoTable t;
    fillRow(t, 3, 'Z');
    for (int col = 4; col <= 27; ++col)
        t.set(3, col, 'A' + (col - 4));
    EXPECT_EQ(t.ReadLokname(3), QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWX"));
}

TEST(LocoAddress, LittleEndianAndFoundOnlyInSlotsThatHoldARecord)
{
    LocoTable t;
    for (const auto& [a, low, high] : {std::tuple(9999, 0x0F, 0x27), std::tuple(256, 0, 1), std::tuple(255, 255, 0)}) {
        t.setAddress(5, a);
        EXPECT_EQ(std::tuple(a, t.value(5, 32), t.value(5, 33)), std::tuple(t.address(5), low, high));
    }
    t.clearTable();
    EXPECT_EQ(t.address(0), 65535) << "an empty slot";
    putRecord(t, 4, 3);
    putRecord(t, 9, 3);
    putRecord(t, 500, 77); // row 500 never holds a record
    t.setAddress(12, 5);   // an empty slot that still carries an address
    putRecord(t, 13, 6);
    t.setStatus(13, LocoTable::StatusDeleted);
    EXPECT_EQ(t.findSlotByAddress(3), 4);
    EXPECT_EQ(t.findSlotByAddress(3, 4), 9);
    EXPECT_EQ(t.findSlotByAddress(3, 9), 4);
    for (int a : {77, 5, 6, 1, 9999})
        EXPECT_FALSE(t.findSlotByAddress(a)) << a;

    const std::pair<const char*, std::optional<int>> typed[] = {
        {"1", 1}, {" 9999 ", 9999}, {"0042", 42}, {"0", {}}, {"10000", {}}, {"-5", {}}, {"12abc", {}},
        {"abc", {}}, {"", {}}, {"1 2", {}}, {"99999999999", {}}};
    for (const auto& [text, address] : typed)
        EXPECT_EQ(parseLocoAddress(QString::fromLatin1(text)), address) << text;
}

TEST(LocoFormats, OnlyTheSixKnownCodesHaveATextAndOnlyAnExactTextHasAnIndex)
{
    for (int i = 0; i < LocoFormatCount; ++i) {
        const QString text = FormatCodeToText(kLocoFormats[size_t(i)].code);
        EXPECT_FALSE(text.isEmpty());
        EXPECT_EQ(FormatTextToIndex(text), i);
    }
    for (std::optional<int> code : {std::optional<int>(), std::optional<int>(0), std::optional<int>(81), std::optional<int>(255)})
        EXPECT_EQ(FormatCodeToText(code), QString());
    for (const char* text : {"dcc 14", "DCC 14 ", "Motorala alt"})
        EXPECT_FALSE(FormatTextToIndex(QString::fromLatin1(text))) << text;
    EXPECT_EQ(FormatTextToIndex(FormatCodeToText(std::nullopt)).value_or(0), 0) << "the dialog's first option";
    LocoFormatTables tables;
    fillLocoFormatTables(tables);
    EXPECT_FALSE(tables.LocoFormatCodes[6]) << "a seventh entry stays empty";
}

// Each line: a row's state, what happens to it, and its status and pending-format flag afterwards
// (-1: an empty cell). Byte 3 of a record in use is below 4.
TEST(LocoStatus, EveryEventMovesTheStatusAsTheTableDemands)
{
    const auto record = [](int status, int address) {
        return [=](LocoTable& t) {
            putRecord(t, 0, address);
            t.setStatus(0, status);
            t.set(0, LocoTable::FormatPending, 0);
        };
    };
    const struct {
        const char* what;
        std::function<void(LocoTable&)> before, event;
        int status, pending;
    } rows[] = {
        {"renamed to the same name", record(0, 3), [](LocoTable& t) { EXPECT_FALSE(t.renameRecord(0, "Lok")); }, 0, 0},
        {"renamed", record(0, 3), [](LocoTable& t) { EXPECT_TRUE(t.renameRecord(0, "V200")); }, 1, 0},
        {"a new record renamed", record(2, 3), [](LocoTable& t) { t.renameRecord(0, "anders"); }, 2, 0},
        {"a stored record edited", record(0, 3), [](LocoTable& t) { t.markEdited(0); }, 1, 0},
        {"a new record edited", record(2, 3), [](LocoTable& t) { t.markEdited(0); }, 2, 0},
        {"sent", record(2, 3), [](LocoTable& t) { t.markStored(0); }, 0, 0},
        {"a deleted record sent", record(0, 3), [](LocoTable& t) { t.deleteRecord(0); t.markStored(0); }, 255, 0},
        {"loaded with a valid address", record(0, 9999), [](LocoTable& t) { t.markLoaded(0); }, 1, 1},
        {"loaded with address 0", record(2, 0), [](LocoTable& t) { t.clear(0, LocoTable::FormatPending); t.markLoaded(0); }, 2, -1},
        {"loaded empty", record(255, 3), [](LocoTable& t) { t.markSlotEmpty(0); t.markLoaded(0); }, 255, 0},
        {"another station, a valid address", record(0, 5), [](LocoTable& t) { t.prepareForOtherDevice(); }, 2, 1},
        {"another station, address 0", record(0, 0), [](LocoTable& t) { t.set(0, 83, 1); t.prepareForOtherDevice(); }, 240, 0},
        {"deleted", record(0, 5), [](LocoTable& t) { t.deleteRecord(0); }, 240, 0},
        {"read: byte 3 is 3", record(0, 5), [](LocoTable& t) { t.set(0, 3, 3); EXPECT_TRUE(t.recordInUse(0)); }, 0, 0},
        {"read: byte 3 is 4", record(0, 5), [](LocoTable& t) { t.set(0, 3, 4); EXPECT_FALSE(t.recordInUse(0)); t.markSlotEmpty(0); }, 255, 0},
        {"read: an accessory record", record(0, 5), [](LocoTable& t) { t.set(0, 3, 128); EXPECT_FALSE(t.recordInUse(0)); }, 0, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        LocoTable t;
        t.clearTable();
        row.before(t);
        row.event(t);
        EXPECT_EQ(t.status(0), row.status);
        EXPECT_EQ(t.cell(0, LocoTable::FormatPending).value_or(-1), row.pending);
        if (row.status == 240 || row.status == 255) {
            for (int col = 4; col < 80; ++col)
                ASSERT_EQ(t.value(0, col), 255) << col;
        }
    }
}

// A read, a clear and an emptied slot set their columns to 255; the data-format columns stay
// except where the read begins, which empties every row so that nothing old remains.
TEST(LocoStatus, ReadClearAndEmptySlotLeaveNothingOfTheRecord)
{
    LocoTable t;
    for (int row = 0; row < LocoTable::Rows; ++row)
        fillRow(t, row, 1);
    t.markSlotEmpty(8);
    EXPECT_EQ(std::pair(t.value(8, 79), t.value(8, LocoTable::FormatCode)), std::pair(255, 1));
    t.clearTable();
    for (int row = 0; row < LocoTable::Rows; ++row) {
        for (int col = 0; col <= 80; ++col)
            ASSERT_EQ(t.value(row, col), 255) << row << "/" << col;
        for (int col = 81; col <= 83; ++col)
            ASSERT_EQ(t.value(row, col), 1);
    }
    t.markAllForDeviceRead();
    for (int row = 0; row < LocoTable::Rows; ++row) {
        ASSERT_EQ(std::pair(t.status(row), t.value(row, LocoTable::FormatPending)), std::pair(255, 0));
        ASSERT_FALSE(t.cell(row, LocoTable::FormatCode));
        ASSERT_FALSE(t.cell(row, LocoTable::FormatParam));
    }
}

// A new record goes into the first empty or deleted slot, 80 km/h and no symbols, nothing of the
// slot's earlier occupant; when it is first written it gets the new-record values in the bytes the
// user does not edit. With every slot taken there is none to offer.
TEST(LocoStatus, NewRecordsTakeTheFirstFreeSlotAndTheNewRecordValues)
{
    LocoTable t;
    t.clearTable();
    putRecord(t, 0, 1);
    putRecord(t, 1, 2);
    t.deleteRecord(1);
    t.set(1, LocoTable::FormatPending, 1);
    EXPECT_EQ(std::pair(t.firstReusableSlot(), t.firstEmptySlot()), std::pair(std::optional<int>(1), std::optional<int>(2)));
    t.createRecord(1, 44, QStringLiteral("Köf"));
    EXPECT_EQ(std::tuple(t.address(1), t.ReadLokname(1), t.maxSpeed(1), t.status(1)), std::tuple(44, QString("Köf"), 80, 2));
    for (int f = 0; f < LocoTable::FunctionCount; ++f)
        EXPECT_EQ(t.symbol(1, f), 0);
    EXPECT_FALSE(t.cell(1, LocoTable::FormatCode));
    EXPECT_EQ(t.value(1, LocoTable::FormatPending), 0);

    fillRow(t, 300, 7);
    t.applyNewRecordValues(300);
    const std::pair<int, int> values[] = {{27, 0}, {28, 255}, {29, 255}, {30, 255}, {31, 255}, {34, 300 & 255}, {35, 1},
                                          {65, 0}, {66, 0}, {67, 0}, {68, 3}, {70, 255}, {71, 255}, {72, 0}, {73, 0},
                                          {74, 0}, {75, 0}, {76, 1}, {77, 0}, {78, 255}, {79, 255}};
    for (auto [col, v] : values)
        EXPECT_EQ(t.value(300, col), v) << col;
    for (int col : {26, 32, 36, 64, 69})
        EXPECT_EQ(t.value(300, col), 7) << "the user's: " << col;

    for (int i = 0; i < LocoTable::SlotCount; ++i)
        putRecord(t, i, i + 1);
    t.setStatus(500, 255);
    EXPECT_FALSE(t.firstEmptySlot());
    EXPECT_FALSE(t.firstReusableSlot());
}
