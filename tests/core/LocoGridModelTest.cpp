// How the locomotive editor reads what the user typed, without widgets. (What its grid shows:
// LokdatenFrmTest.)
#include "loco/LocoGridModel.h"

#include <gtest/gtest.h>

using namespace kx2;

// Each line: a cell, the key (forward or back) and where the current cell goes in a grid of five
// lines and 33 columns: Tab never rests on the last column, wraps to column 1 of the same line on
// the last line, and comes out of the address column into column 1.
TEST(LocoGridModel, TabMovesAlongTheLinesAndWraps)
{
    const struct {
        GridCell from;
        bool forward;
        GridCell to;
    } rows[] = {
        {{1, 1}, true, {1, 2}},   {{1, 30}, true, {1, 31}},  {{1, 31}, true, {2, 1}},   {{2, 32}, true, {3, 1}},
        {{4, 31}, true, {4, 1}},  {{3, 0}, true, {3, 1}},    {{2, 5}, false, {2, 4}},   {{2, 2}, false, {1, 1}},
        {{3, 1}, false, {2, 1}},  {{1, 1}, false, {1, 1}},   {{1, 2}, false, {1, 1}},
    };
    for (const auto& r : rows)
        EXPECT_EQ(r.forward ? tabForward(r.from, 5, 33) : tabBackward(r.from, 5, 33), r.to)
            << r.from.row << "/" << r.from.col << (r.forward ? " Tab" : " Shift+Tab");
}

// Each line: what was answered to the address question (nullopt: cancelled) and the verdict; 38
// is taken by another line. The offered default is one blank, which is no address.
TEST(LocoGridModel, ANewAddressMustBeFreeAndWithin1To9999)
{
    const std::tuple<std::optional<QString>, NewAddress, int> rows[] = {
        {std::nullopt, NewAddress::Cancelled, 0}, {QString(), NewAddress::Cancelled, 0}, {" ", NewAddress::Invalid, 0},
        {"0", NewAddress::Invalid, 0},            {"10000", NewAddress::Invalid, 0},    {"-5", NewAddress::Invalid, 0},
        {"12abc", NewAddress::Invalid, 0},        {"38", NewAddress::Duplicate, 0},     {" 9999 ", NewAddress::Accepted, 9999},
        {"1", NewAddress::Accepted, 1}};
    for (const auto& [answer, verdict, address] : rows) {
        const NewAddressCheck check = checkNewAddress(answer, {38, 0, 75});
        EXPECT_EQ(check.verdict, verdict) << answer.value_or("(cancelled)").toStdString();
        EXPECT_EQ(check.address, address);
    }
}

TEST(LocoGridModel, CellsReadTheirLeadingNumberAndNamesKeepOnlyWhatCp1252Holds)
{
    const std::pair<const char*, int> cells[] = {{"-", 0}, {"", 0}, {"38", 38}, {" 38", 38}, {"38x", 38}};
    for (auto [text, v] : cells)
        EXPECT_EQ(cellValue(QString::fromLatin1(text)), v) << text;
    EXPECT_TRUE(isStorableName(QStringLiteral("Köf II € ß")));
    EXPECT_TRUE(isStorableName(QString()));
    EXPECT_TRUE(isStorableName(QString(QChar(0x81)))) << "an unassigned code read from a record goes back as it came";
    EXPECT_FALSE(isStorableName(QStringLiteral("Ωmega")));
    EXPECT_FALSE(isStorableName(QString(QChar(0))));
    EXPECT_EQ(storableName(QStringLiteral("Ωmega ✓")), QStringLiteral("?mega ?"));
    EXPECT_EQ(storableName(QStringLiteral("Köf")), QStringLiteral("Köf"));
}
