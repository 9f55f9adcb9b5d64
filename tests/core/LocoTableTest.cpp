#include "loco/LocoTable.h"

#include <gtest/gtest.h>

using namespace kx2;

namespace {

// A slot as the read driver leaves it for a record in use.
void putRecord(LocoTable& t, int row, int address, const char* name)
{
    for (int col = 0; col < LocoTable::RecordBytes; ++col)
        t.set(row, col, 0);
    t.setAddress(row, address);
    t.WriteLokname(row, QString::fromUtf8(name));
    t.setStatus(row, LocoTable::StatusUnchanged);
}

void fillRow(LocoTable& t, int row, int v)
{
    for (int col = 0; col < LocoTable::Cols; ++col)
        t.set(row, col, v);
}

} // namespace

// --- name field ---

TEST(LocoName, ReadStopsAtTheTerminator)
{
    LocoTable t;
    fillRow(t, 7, 'x');
    t.set(7, 4, 'B');
    t.set(7, 5, 'R');
    t.set(7, 6, 0);
    EXPECT_EQ(t.ReadLokname(7), QStringLiteral("BR"));
    t.set(7, 4, 0);
    EXPECT_EQ(t.ReadLokname(7), QString());
}

TEST(LocoName, NameWithoutTerminatorYieldsAll24Characters)
{
    LocoTable t;
    for (int col = 4; col <= 27; ++col)
        t.set(3, col, 'A' + (col - 4));
    t.set(3, 28, 'Z'); // beyond the name field
    EXPECT_EQ(t.ReadLokname(3), QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWX"));
}

TEST(LocoName, ThirtyCharactersStoreTwentyThreeAndZeroAtByte27)
{
    LocoTable t;
    fillRow(t, 0, 255);
    t.WriteLokname(0, QStringLiteral("123456789012345678901234567890"));
    for (int k = 0; k < 23; ++k)
        EXPECT_EQ(t.value(0, 4 + k), "12345678901234567890123"[k]) << k;
    EXPECT_EQ(t.value(0, 27), 0);
    EXPECT_EQ(t.value(0, 28), 255);
    EXPECT_EQ(t.ReadLokname(0), QStringLiteral("12345678901234567890123"));
}

TEST(LocoName, TwentyFourCharactersAreCutToo)
{
    LocoTable t;
    t.WriteLokname(0, QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWX"));
    EXPECT_EQ(t.value(0, 26), 'W');
    EXPECT_EQ(t.value(0, 27), 0);
}

TEST(LocoName, EmptyNameStoresOnlyAZeroAtByte4)
{
    LocoTable t;
    fillRow(t, 2, 'q');
    t.WriteLokname(2, QString());
    EXPECT_EQ(t.value(2, 4), 0);
    for (int col = 5; col <= 27; ++col)
        EXPECT_EQ(t.value(2, col), 'q') << col;
    EXPECT_EQ(t.ReadLokname(2), QString());
}

TEST(LocoName, ShorterNameLeavesBytesAfterItsTerminator)
{
    LocoTable t;
    t.WriteLokname(1, QStringLiteral("Lange Lokomotive"));
    t.WriteLokname(1, QStringLiteral("V60"));
    EXPECT_EQ(t.value(1, 7), 0);
    EXPECT_EQ(t.value(1, 8), 'e'); // "Lange Lokomotive"[4]
    EXPECT_EQ(t.ReadLokname(1), QStringLiteral("V60"));
}

TEST(LocoName, UmlautsAndSharpSAreSingleCp1252Bytes)
{
    LocoTable t;
    t.WriteLokname(0, QStringLiteral("Bär Größe"));
    const int expected[] = {'B', 0xE4, 'r', ' ', 'G', 'r', 0xF6, 0xDF, 'e', 0};
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(t.value(0, 4 + k), expected[k]) << k;
    EXPECT_EQ(t.ReadLokname(0), QStringLiteral("Bär Größe"));
}

TEST(LocoName, TwentyThreeUmlautsFillTheFieldExactly)
{
    LocoTable t;
    t.WriteLokname(0, QString(30, QChar(0xDC)));
    EXPECT_EQ(t.value(0, 26), 0xDC);
    EXPECT_EQ(t.value(0, 27), 0);
    EXPECT_EQ(t.ReadLokname(0), QString(23, QChar(0xDC)));
}

// --- address ---

TEST(LocoAddress, LittleEndianInBytes32And33)
{
    LocoTable t;
    t.setAddress(5, 9999);
    EXPECT_EQ(t.value(5, 32), 0x0F);
    EXPECT_EQ(t.value(5, 33), 0x27);
    EXPECT_EQ(t.address(5), 9999);
    t.setAddress(5, 256);
    EXPECT_EQ(t.value(5, 32), 0);
    EXPECT_EQ(t.value(5, 33), 1);
    t.setAddress(5, 255);
    EXPECT_EQ(t.value(5, 32), 255);
    EXPECT_EQ(t.value(5, 33), 0);
}

TEST(LocoAddress, EmptySlotReads65535AndMatchesNoEditorAddress)
{
    LocoTable t;
    t.clearTable();
    EXPECT_EQ(t.address(0), 65535);
    EXPECT_FALSE(t.findSlotByAddress(9999));
    EXPECT_FALSE(t.findSlotByAddress(1));
}

TEST(LocoAddress, FindSkipsTheExceptedSlotRow500AndSlotsWithoutARecord)
{
    LocoTable t;
    t.clearTable();
    putRecord(t, 4, 3, "A");
    putRecord(t, 9, 3, "B");
    putRecord(t, 500, 77, "C");
    t.setAddress(12, 5); // an empty slot that still carries an address
    t.setAddress(13, 6);
    t.setStatus(13, LocoTable::StatusDeleted);
    EXPECT_EQ(t.findSlotByAddress(3), 4);
    EXPECT_EQ(t.findSlotByAddress(3, 4), 9);
    EXPECT_EQ(t.findSlotByAddress(3, 9), 4);
    EXPECT_FALSE(t.findSlotByAddress(77));
    EXPECT_FALSE(t.findSlotByAddress(5));
    EXPECT_FALSE(t.findSlotByAddress(6));
}

TEST(LocoAddress, TypedAddressMustBeDigitsWithin1To9999)
{
    EXPECT_EQ(ParseLocoAddress(QStringLiteral("1")), 1);
    EXPECT_EQ(ParseLocoAddress(QStringLiteral(" 9999 ")), 9999);
    EXPECT_EQ(ParseLocoAddress(QStringLiteral("0042")), 42);
    EXPECT_FALSE(ParseLocoAddress(QStringLiteral("0")));
    EXPECT_FALSE(ParseLocoAddress(QStringLiteral("10000")));
    EXPECT_FALSE(ParseLocoAddress(QStringLiteral("-5")));
    EXPECT_FALSE(ParseLocoAddress(QStringLiteral("12abc")));
    EXPECT_FALSE(ParseLocoAddress(QStringLiteral("abc")));
    EXPECT_FALSE(ParseLocoAddress(QStringLiteral("")));
    EXPECT_FALSE(ParseLocoAddress(QStringLiteral("1 2")));
    EXPECT_FALSE(ParseLocoAddress(QStringLiteral("99999999999")));
}

// --- data formats ---

TEST(LocoFormats, CodeToTextKnowsTheSixFormats)
{
    EXPECT_EQ(FormatCodeToText(64), QStringLiteral("Motorola alt"));
    EXPECT_EQ(FormatCodeToText(65), QStringLiteral("Motorola neu"));
    EXPECT_EQ(FormatCodeToText(80), QStringLiteral("DCC 14"));
    EXPECT_EQ(FormatCodeToText(82), QStringLiteral("DCC 28"));
    EXPECT_EQ(FormatCodeToText(83), QStringLiteral("DCC 128"));
    EXPECT_EQ(FormatCodeToText(72), QStringLiteral("Selectrix"));
}

TEST(LocoFormats, OtherCodesAndEmptyCellHaveNoText)
{
    EXPECT_EQ(FormatCodeToText(std::nullopt), QString());
    EXPECT_EQ(FormatCodeToText(0), QString());
    EXPECT_EQ(FormatCodeToText(81), QString());
    EXPECT_EQ(FormatCodeToText(255), QString());
    LocoTable t;
    EXPECT_EQ(FormatCodeToText(t.cell(0, LocoTable::FormatCode)), QString());
}

TEST(LocoFormats, TextToIndexIsExactAndUnknownTextsGiveNoIndex)
{
    EXPECT_EQ(FormatTextToIndex(QStringLiteral("Motorola alt")), 0);
    EXPECT_EQ(FormatTextToIndex(QStringLiteral("Motorola neu")), 1);
    EXPECT_EQ(FormatTextToIndex(QStringLiteral("DCC 14")), 2);
    EXPECT_EQ(FormatTextToIndex(QStringLiteral("DCC 28")), 3);
    EXPECT_EQ(FormatTextToIndex(QStringLiteral("DCC 128")), 4);
    EXPECT_EQ(FormatTextToIndex(QStringLiteral("Selectrix")), 5);
    EXPECT_FALSE(FormatTextToIndex(QStringLiteral("dcc 14")));
    EXPECT_FALSE(FormatTextToIndex(QStringLiteral("DCC 14 ")));
    EXPECT_FALSE(FormatTextToIndex(QStringLiteral("Motorala alt")));
    // An empty cell's text leads the dialog to option 0.
    EXPECT_EQ(FormatTextToIndex(FormatCodeToText(std::nullopt)).value_or(0), 0);
}

TEST(LocoFormats, TablesAreFilledAtStartWithEntry6Empty)
{
    LocoFormatTables tables;
    EXPECT_FALSE(tables.LocoFormatCodes[0]);
    FillLocoFormatTables(tables);
    const int codes[] = {64, 65, 80, 82, 83, 72};
    const int params[] = {2, 20, 1, 17, 81, 0};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(tables.LocoFormatCodes[size_t(i)], codes[i]);
        EXPECT_EQ(tables.LocoFormatParams[size_t(i)], params[i]);
    }
    EXPECT_FALSE(tables.LocoFormatCodes[6]);
    EXPECT_FALSE(tables.LocoFormatParams[6]);
    EXPECT_STREQ(kLocoFormats[0].dialogCaption, "Motorala alt");
    EXPECT_STREQ(kLocoFormats[1].dialogCaption, "Motorala neu");
    EXPECT_STREQ(kLocoFormats[4].dialogCaption, "DCC 128");
}

// --- status and transitions ---

TEST(LocoStatus, RecordWithByte3Of4IsNotInUse)
{
    LocoTable t;
    t.set(0, 3, 0);
    EXPECT_TRUE(t.recordInUse(0));
    t.set(0, 3, 3); // record numbers below 2^26
    EXPECT_TRUE(t.recordInUse(0));
    t.set(0, 3, 4);
    EXPECT_FALSE(t.recordInUse(0));
    t.set(0, 3, 128); // an accessory record
    EXPECT_FALSE(t.recordInUse(0));
    t.set(0, 3, 255);
    EXPECT_FALSE(t.recordInUse(0));
}

TEST(LocoStatus, DeviceReadEmptiesEveryRowSoThatNothingOldRemains)
{
    LocoTable t;
    for (int row = 0; row < LocoTable::Rows; ++row)
        fillRow(t, row, 1);
    t.markAllForDeviceRead();
    for (int row = 0; row < LocoTable::Rows; ++row) {
        ASSERT_EQ(t.status(row), 255);
        ASSERT_EQ(t.value(row, LocoTable::FormatPending), 0);
        ASSERT_FALSE(t.cell(row, LocoTable::FormatCode));
        ASSERT_FALSE(t.cell(row, LocoTable::FormatParam));
        for (int col = 0; col < LocoTable::RecordBytes; ++col)
            ASSERT_EQ(t.value(row, col), 255);
    }
}

TEST(LocoStatus, SlotNotInUseGetsAll255)
{
    LocoTable t;
    fillRow(t, 8, 4);
    t.markSlotEmpty(8);
    for (int col = 0; col < 80; ++col)
        EXPECT_EQ(t.value(8, col), 255);
    EXPECT_EQ(t.status(8), 255);
    EXPECT_EQ(t.value(8, LocoTable::FormatCode), 4);
}

TEST(LocoStatus, ClearSetsColumns0To80OfEveryRowAndKeepsFormats)
{
    LocoTable t;
    for (int row = 0; row < LocoTable::Rows; ++row)
        fillRow(t, row, 1);
    t.clearTable();
    for (int row = 0; row < LocoTable::Rows; ++row) {
        for (int col = 0; col <= 80; ++col)
            ASSERT_EQ(t.value(row, col), 255) << row << "/" << col;
        for (int col = 81; col <= 83; ++col)
            ASSERT_EQ(t.value(row, col), 1);
    }
}

TEST(LocoStatus, DeleteErasesTheRecordAndMarksIt240)
{
    LocoTable t;
    putRecord(t, 3, 12, "E44");
    t.set(3, LocoTable::FormatCode, 82);
    t.deleteRecord(3);
    for (int col = 0; col < 80; ++col)
        EXPECT_EQ(t.value(3, col), 255);
    EXPECT_EQ(t.status(3), LocoTable::StatusDeleted);
    EXPECT_EQ(t.value(3, LocoTable::FormatCode), 82);
    EXPECT_FALSE(t.holdsRecord(3));
}

TEST(LocoStatus, NewRecordGoesIntoFirstEmptyOrDeletedSlot)
{
    LocoTable t;
    t.clearTable();
    putRecord(t, 0, 1, "A");
    putRecord(t, 1, 2, "B");
    t.deleteRecord(1);
    EXPECT_EQ(t.firstReusableSlot(), 1);
    EXPECT_EQ(t.firstEmptySlot(), 2);
    t.set(1, LocoTable::FormatPending, 1); // the deleted locomotive's format change
    t.createRecord(1, 44, QStringLiteral("Köf"));
    EXPECT_EQ(t.address(1), 44);
    EXPECT_EQ(t.ReadLokname(1), QStringLiteral("Köf"));
    EXPECT_EQ(t.maxSpeed(1), 80);
    for (int f = 0; f < LocoTable::FunctionCount; ++f)
        EXPECT_EQ(t.symbol(1, f), 0);
    EXPECT_EQ(t.status(1), LocoTable::StatusNew);
    EXPECT_TRUE(t.holdsRecord(1));
    EXPECT_FALSE(t.cell(1, LocoTable::FormatCode)) << "nothing of the slot's earlier occupant";
    EXPECT_FALSE(t.cell(1, LocoTable::FormatParam));
    EXPECT_EQ(t.value(1, LocoTable::FormatPending), 0);
}

TEST(LocoStatus, TableWithoutEmptySlotHasNoneToOffer)
{
    LocoTable t;
    for (int i = 0; i < LocoTable::SlotCount; ++i)
        putRecord(t, i, i + 1, "X");
    t.set(500, LocoTable::RecordStatus, 255); // row 500 never takes a record
    EXPECT_FALSE(t.firstEmptySlot());
    EXPECT_FALSE(t.firstReusableSlot());
}

TEST(LocoStatus, RenameMarksChangedOnlyWhenABytesChanges)
{
    LocoTable t;
    putRecord(t, 0, 3, "V100");
    EXPECT_FALSE(t.renameRecord(0, QStringLiteral("V100")));
    EXPECT_EQ(t.status(0), LocoTable::StatusUnchanged);
    EXPECT_TRUE(t.renameRecord(0, QStringLiteral("V200")));
    EXPECT_EQ(t.status(0), LocoTable::StatusChanged);

    t.createRecord(1, 4, QStringLiteral("neu"));
    EXPECT_TRUE(t.renameRecord(1, QStringLiteral("anders")));
    EXPECT_EQ(t.status(1), LocoTable::StatusNew);
}

TEST(LocoStatus, LoadedRowWithValidAddressBecomesChangedWithFormatPending)
{
    LocoTable t;
    putRecord(t, 0, 9999, "A");
    t.set(0, LocoTable::FormatPending, 0);
    t.markLoaded(0);
    EXPECT_EQ(t.status(0), LocoTable::StatusChanged);
    EXPECT_EQ(t.value(0, LocoTable::FormatPending), 1);

    putRecord(t, 1, 0, "B");
    t.setStatus(1, LocoTable::StatusNew);
    t.markLoaded(1);
    EXPECT_EQ(t.status(1), LocoTable::StatusNew);
    EXPECT_TRUE(t.isEmpty(1, LocoTable::FormatPending));

    t.markSlotEmpty(2);
    t.markLoaded(2);
    EXPECT_EQ(t.status(2), LocoTable::StatusEmpty);
}

TEST(LocoStatus, NewRecordValuesSetTheBookkeepingAndKeepTheUsersData)
{
    LocoTable t;
    fillRow(t, 300, 7);
    t.applyNewRecordValues(300);
    const std::pair<int, int> expected[] = {
        {27, 0}, {28, 255}, {29, 255}, {30, 255}, {31, 255}, {34, 300 & 255}, {35, 1},
        {65, 0}, {66, 0}, {67, 0}, {68, 3}, {70, 255}, {71, 255},
        {72, 0}, {73, 0}, {74, 0}, {75, 0}, {76, 1}, {77, 0}, {78, 255}, {79, 255},
    };
    for (auto [col, v] : expected)
        EXPECT_EQ(t.value(300, col), v) << col;
    // Name, address, symbols and maximum speed are the user's.
    for (int col : {26, 32, 36, 64, 69})
        EXPECT_EQ(t.value(300, col), 7) << col;
}

TEST(LocoStatus, EditingANewRecordKeepsItNewAndAStoredOneSettles)
{
    LocoTable t;
    t.clearTable();
    putRecord(t, 0, 3, "A");
    t.createRecord(1, 4, QStringLiteral("neu"));
    t.markEdited(0);
    t.markEdited(1);
    EXPECT_EQ(t.status(0), LocoTable::StatusChanged);
    EXPECT_EQ(t.status(1), LocoTable::StatusNew) << "still needs the new-record values";
    t.deleteRecord(2);
    for (int slot : {0, 1, 2})
        t.markStored(slot);
    EXPECT_EQ(t.status(0), LocoTable::StatusUnchanged);
    EXPECT_EQ(t.status(1), LocoTable::StatusUnchanged);
    EXPECT_EQ(t.status(2), LocoTable::StatusEmpty);
}

TEST(LocoStatus, OtherDeviceTurnsValidSlotsNewAndErasesTheRest)
{
    LocoTable t;
    t.clearTable();
    putRecord(t, 0, 5, "A");
    t.set(0, LocoTable::FormatPending, 0);
    putRecord(t, 1, 0, "B");
    t.set(1, LocoTable::FormatPending, 1);
    t.prepareForOtherDevice();
    EXPECT_EQ(t.status(0), LocoTable::StatusNew);
    EXPECT_EQ(t.value(0, LocoTable::FormatPending), 1);
    EXPECT_EQ(t.status(1), LocoTable::StatusDeleted);
    EXPECT_EQ(t.value(1, LocoTable::FormatPending), 0);
    EXPECT_EQ(t.value(1, 4), 255);
    EXPECT_EQ(t.status(2), LocoTable::StatusDeleted);
}
