// What the locomotive editor's grid shows and how it reads what the user typed, without widgets.
#include "loco/LocoGridModel.h"

#include <gtest/gtest.h>

using namespace kx2;

namespace {

void putLoco(LocoTable& t, int slot, int address, const QString& name, int status)
{
    for (int c = 0; c < LocoTable::RecordBytes; ++c)
        t.set(slot, c, 0);
    t.setAddress(slot, address);
    t.WriteLokname(slot, name);
    t.set(slot, LocoTable::MaxSpeedHalf, 61);
    t.setStatus(slot, status);
}

} // namespace

TEST(LocoGridLayout, HeadersAndWidthsOfAllColumns)
{
    EXPECT_EQ(LocoGrid::Cols, 33);
    EXPECT_EQ(LocoGrid::header(0), QStringLiteral("Adr."));
    EXPECT_EQ(LocoGrid::header(1), QStringLiteral("D-For."));
    EXPECT_EQ(LocoGrid::header(2), QStringLiteral("Name"));
    EXPECT_EQ(LocoGrid::header(3), QStringLiteral("max.Geschw."));
    EXPECT_EQ(LocoGrid::header(4), QStringLiteral("f0"));
    EXPECT_EQ(LocoGrid::header(32), QStringLiteral("f28"));
    EXPECT_EQ(LocoGrid::width(0), 40);
    EXPECT_EQ(LocoGrid::width(1), 50);
    EXPECT_EQ(LocoGrid::width(2), 200);
    EXPECT_EQ(LocoGrid::width(3), 80);
    for (int col = 4; col < 33; ++col)
        EXPECT_EQ(LocoGrid::width(col), 41) << col;
    EXPECT_EQ(LocoGrid::RowHeight, 41);
    EXPECT_EQ(LocoGrid::functionOfColumn(4), 0);
    EXPECT_EQ(LocoGrid::columnOfFunction(28), 32);
    EXPECT_FALSE(LocoGrid::isFunctionColumn(3));
    EXPECT_FALSE(LocoGrid::isFunctionColumn(33));
}

TEST(LocoGridLayout, SymbolPicturesOnlyForOneToSeventyNine)
{
    EXPECT_FALSE(SymbolHasPicture(0));
    EXPECT_TRUE(SymbolHasPicture(1));
    EXPECT_TRUE(SymbolHasPicture(79));
    EXPECT_FALSE(SymbolHasPicture(80));
    EXPECT_FALSE(SymbolHasPicture(255));
    EXPECT_FALSE(SymbolHasPicture(-1));
    EXPECT_EQ(FunctionSymbolFile(7), QStringLiteral("Konf/Fkt_Symbole/S7.bmp"));
    EXPECT_EQ(NoSymbolText(), QStringLiteral("Fkt. nicht anz."));
}

TEST(LocoGridLines, RebuildShowsSlotsInUseInSlotOrder)
{
    LocoTable t;
    t.markAllForDeviceRead();
    putLoco(t, 4, 12, QStringLiteral("V 100"), LocoTable::StatusUnchanged);
    putLoco(t, 2, 30, QStringLiteral("BR 50"), LocoTable::StatusNew);
    putLoco(t, 9, 31, QStringLiteral("weg"), LocoTable::StatusDeleted);
    putLoco(t, 11, 32, QStringLiteral("E 44"), LocoTable::StatusChanged);
    // Row 500 never holds a locomotive, whatever its status says.
    putLoco(t, 500, 33, QStringLiteral("nie"), LocoTable::StatusUnchanged);
    EXPECT_EQ(LocoGridSlots(t), (std::vector<int>{2, 4, 11}));
}

TEST(LocoGridLines, LineShowsAddressFormatNameSpeedAndSymbols)
{
    LocoTable t;
    putLoco(t, 3, 4711, QStringLiteral("Köf II"), LocoTable::StatusUnchanged);
    t.set(3, LocoTable::FormatCode, 83);
    t.set(3, LocoTable::symbolColumn(0), 5);
    t.set(3, LocoTable::symbolColumn(28), 80);
    const LocoGridLine line = LocoGridLineOf(t, 3);
    EXPECT_EQ(line.slot, 3);
    EXPECT_EQ(line.address, QStringLiteral("4711"));
    EXPECT_EQ(line.format, QStringLiteral("DCC 128"));
    EXPECT_EQ(line.name, QStringLiteral("Köf II"));
    EXPECT_EQ(line.speed, QStringLiteral("122"));
    EXPECT_EQ(line.symbols[0], 5);
    EXPECT_EQ(line.symbols[1], 0);
    EXPECT_EQ(line.symbols[28], 80);

    t.clear(3, LocoTable::FormatCode);
    EXPECT_EQ(LocoGridLineOf(t, 3).format, QString());
}

TEST(LocoGridCells, CellValueReadsTheLeadingNumber)
{
    EXPECT_EQ(CellValue(QStringLiteral("-")), 0);
    EXPECT_EQ(CellValue(QString()), 0);
    EXPECT_EQ(CellValue(QStringLiteral("38")), 38);
    EXPECT_EQ(CellValue(QStringLiteral(" 38")), 38);
    EXPECT_EQ(CellValue(QStringLiteral("38x")), 38);
}

TEST(LocoGridTab, ForwardNeverRestsOnTheLastColumn)
{
    const int rows = 5;
    const int cols = 33;
    EXPECT_EQ(TabForward({1, 1}, rows, cols), (GridCell{1, 2}));
    EXPECT_EQ(TabForward({1, 30}, rows, cols), (GridCell{1, 31}));
    EXPECT_EQ(TabForward({1, 31}, rows, cols), (GridCell{2, 1}));
    EXPECT_EQ(TabForward({2, 32}, rows, cols), (GridCell{3, 1}));
    // On the last line it wraps to column 1 of the same line.
    EXPECT_EQ(TabForward({4, 31}, rows, cols), (GridCell{4, 1}));
    // From the address column (after a deletion) to the first data column.
    EXPECT_EQ(TabForward({3, 0}, rows, cols), (GridCell{3, 1}));
}

TEST(LocoGridTab, BackwardMovesLeftThenUpAtColumnOne)
{
    const int rows = 5;
    const int cols = 33;
    EXPECT_EQ(TabBackward({2, 5}, rows, cols), (GridCell{2, 4}));
    EXPECT_EQ(TabBackward({2, 2}, rows, cols), (GridCell{1, 1}));
    EXPECT_EQ(TabBackward({3, 1}, rows, cols), (GridCell{2, 1}));
    EXPECT_EQ(TabBackward({1, 1}, rows, cols), (GridCell{1, 1}));
    EXPECT_EQ(TabBackward({1, 2}, rows, cols), (GridCell{1, 1}));
}

TEST(LocoGridAddress, OnlyCancelOrAnEmptyAnswerLeavesTheQuestion)
{
    int a = -1;
    const std::vector<int> others{38, 0, 75};
    EXPECT_EQ(CheckNewAddress(std::nullopt, others, a), NewAddress::Cancelled);
    EXPECT_EQ(CheckNewAddress(QString(), others, a), NewAddress::Cancelled);
    // The offered default is one blank: answering it unchanged is no address.
    EXPECT_EQ(CheckNewAddress(QStringLiteral(" "), others, a), NewAddress::Invalid);
    EXPECT_EQ(CheckNewAddress(QStringLiteral("0"), others, a), NewAddress::Invalid);
    EXPECT_EQ(CheckNewAddress(QStringLiteral("10000"), others, a), NewAddress::Invalid);
    EXPECT_EQ(CheckNewAddress(QStringLiteral("-5"), others, a), NewAddress::Invalid);
    EXPECT_EQ(CheckNewAddress(QStringLiteral("12abc"), others, a), NewAddress::Invalid);
    EXPECT_EQ(CheckNewAddress(QStringLiteral("38"), others, a), NewAddress::Duplicate);
    EXPECT_EQ(a, -1);
    EXPECT_EQ(CheckNewAddress(QStringLiteral(" 9999 "), others, a), NewAddress::Accepted);
    EXPECT_EQ(a, 9999);
    EXPECT_EQ(CheckNewAddress(QStringLiteral("1"), others, a), NewAddress::Accepted);
    EXPECT_EQ(a, 1);
}

TEST(LocoGridTexts, MessagesKeepTheirBlanksAndLineBreak)
{
    EXPECT_EQ(InvalidAddressText(),
              QStringLiteral("          Lokadresse ungültig!Bitte eine andere Lokadresse eingeben."));
    EXPECT_EQ(DuplicateAddressText(),
              QStringLiteral("       Lokadresse schon vorhanden!Bitte eine andere Lokadresse eingeben."));
    EXPECT_EQ(TableFullText(), QStringLiteral("Kein leerer Datensatz mehr vorhanden!\rDie Lokdaten können nicht "
                                              "gespeichert werden!"));
    EXPECT_EQ(SymbolRangeQuestion(1, 3),
              QStringLiteral("Sollen die Funktionen 1 bis 3 auf identische Symbole gesetzt werden?"));
}

TEST(LocoGridNames, OnlyWhatCp1252HoldsIsStorable)
{
    EXPECT_TRUE(IsStorableName(QStringLiteral("Köf II € ß")));
    EXPECT_TRUE(IsStorableName(QString()));
    EXPECT_FALSE(IsStorableName(QStringLiteral("Ωmega")));
    EXPECT_FALSE(IsStorableName(QString(QChar(0))));
    // An unassigned code read from a record goes back as it came.
    EXPECT_TRUE(IsStorableName(QString(QChar(0x81))));
    EXPECT_EQ(StorableName(QStringLiteral("Ωmega ✓")), QStringLiteral("?mega ?"));
    EXPECT_EQ(StorableName(QStringLiteral("Köf")), QStringLiteral("Köf"));
}
